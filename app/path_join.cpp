// Joining the install directory and a setup file's sub-path.
#include "path_join.h"

#include <string.h>

static bool EndsInSeparator(const char* text, size_t length, LeadBytePredicate isLeadByte)
{
    // Walk from the start, as the text's own code page reads it, to find
    // where its last character begins.
    size_t last = 0;
    for (size_t i = 0; i < length; ++i) {
        last = i;
        if (isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < length)
            ++i;
    }
    return length > 0 && last == length - 1 && (text[last] == '\\' || text[last] == '/');
}

bool AppendPathComponent(char* path, size_t capacity, const char* tail,
                         LeadBytePredicate isLeadByte)
{
    size_t length = strlen(path);
    bool needsSeparator = length > 0 && !EndsInSeparator(path, length, isLeadByte);
    size_t tailLength = strlen(tail);
    if (length + (needsSeparator ? 1 : 0) + tailLength + 1 > capacity)
        return false;

    if (needsSeparator)
        path[length++] = '\\';
    memcpy(path + length, tail, tailLength + 1);
    return true;
}
