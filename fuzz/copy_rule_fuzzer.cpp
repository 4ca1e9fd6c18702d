// Fuzzes the copy rule that moves the dialog's texts into the record.
// Input: one byte giving the IRQ text's length, the IRQ text, then the port
// text; each text ends at its first NUL, as a text fetched from a field does.
#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

#include "../settings/settings_record.h"

static void Require(bool condition, const char* rule)
{
    if (!condition) {
        fprintf(stderr, "rule broken: %s\n", rule);
        abort();
    }
}

// A heap copy of exactly the text and its NUL, so reading past it is caught.
static std::vector<char> Text(const uint8_t* data, size_t size)
{
    std::vector<char> text(data, data + size);
    text.push_back('\0');
    text.resize(strlen(text.data()) + 1);
    return text;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    size_t irqLength = data[0] < size - 1 ? data[0] : size - 1;
    std::vector<char> irq = Text(data + 1, irqLength);
    std::vector<char> port = Text(data + 1 + irqLength, size - 1 - irqLength);

    SettingsRecord record = kDefaultSettingsRecord;
    SetIrqFromText(record, irq.data());
    SetPortFromText(record, port.data());

    Require(record.irq == irq[0], "irq is the IRQ text's first byte, or NUL");
    size_t portLength = strlen(port.data());
    for (size_t i = 0; i < sizeof record.ioPort; ++i)
        Require(record.ioPort[i] == (i < portLength ? port[i] : '\0'), "ioPort is the port text's first three bytes, NUL-padded");
    Require(memcmp(&record.musicOff, "00000", 5) == 0, "the switches and the reserved bytes are untouched");
    return 0;
}
