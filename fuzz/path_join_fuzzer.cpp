// Fuzzes the joining of an install directory and a setup file's sub-path.
// Input: one byte choosing the code page (even: single-byte, odd: Big5),
// then up to 64 bytes of install directory, which ends at its first NUL as
// the registry text does.
#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

#include "../app/path_join.h"

static bool NoLeadBytes(unsigned char)
{
    return false;
}

static bool Big5LeadByte(unsigned char byte)
{
    return byte >= 0x81 && byte <= 0xFE;
}

static void Require(bool condition, const char* rule)
{
    if (!condition) {
        fprintf(stderr, "rule broken: %s\n", rule);
        abort();
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    LeadBytePredicate isLeadByte = (data[0] & 1) ? Big5LeadByte : NoLeadBytes;
    std::string directory(reinterpret_cast<const char*>(data + 1), size - 1 > 64 ? 64 : size - 1);
    directory.resize(strlen(directory.c_str()));
    const std::string tail = "pyma\\setup.sav";

    // The directory read as characters of its code page.
    std::vector<std::string> characters;
    for (size_t i = 0; i < directory.size();) {
        size_t length = isLeadByte(static_cast<unsigned char>(directory[i])) && i + 1 < directory.size() ? 2 : 1;
        characters.push_back(directory.substr(i, length));
        i += length;
    }
    bool endsInSeparator = !characters.empty() && (characters.back() == "\\" || characters.back() == "/");
    std::string expected = directory + (directory.empty() || endsInSeparator ? "" : "\\") + tail;

    // An exact-size buffer, so AddressSanitizer sees any byte written past it.
    std::vector<char> path(expected.size() + 1);
    memcpy(path.data(), directory.c_str(), directory.size() + 1);
    Require(AppendPathComponent(path.data(), path.size(), tail.c_str(), isLeadByte), "an exact fit is accepted");
    Require(expected == path.data(), "a separator exactly when the last character is not '\\' or '/'");

    std::vector<char> small(expected.size());
    memcpy(small.data(), directory.c_str(), directory.size() + 1);
    Require(!AppendPathComponent(small.data(), small.size(), tail.c_str(), isLeadByte), "one byte short is refused");
    Require(directory == small.data(), "a refused join leaves the path unchanged");
    return 0;
}
