// Joining the install directory and a setup file's sub-path.
#ifndef SOUNDCFG_PATH_JOIN_H
#define SOUNDCFG_PATH_JOIN_H

#include <stddef.h>

// Tells whether a byte starts a double-byte character in the ANSI code page.
typedef bool (*LeadBytePredicate)(unsigned char byte);

// Appends `tail` to the text in `path`, with one backslash between them unless
// `path` is empty or already ends in '\' or '/'. The last character is found
// by walking the text, so the trail byte 0x5C of a double-byte character
// (功 is A5 5C in code page 950) is not taken for a backslash. Returns false,
// leaving `path` unchanged, when the result would not fit in `capacity` bytes.
bool AppendPathComponent(char* path, size_t capacity, const char* tail,
                         LeadBytePredicate isLeadByte);

#endif
