// Checks that stay on in every build of the harnesses, and the character walk that the
// properties are stated against.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "shortcut_core.h"

#define FUZZ_CHECK(condition)                                              \
  do {                                                                     \
    if (!(condition)) {                                                    \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, \
                   #condition);                                            \
      std::abort();                                                        \
    }                                                                      \
  } while (0)

// The byte positions where characters start, walking double-byte characters whole and
// stopping at the first zero byte.
inline std::vector<std::size_t> CharacterStarts(const std::string& text) {
  std::vector<std::size_t> starts;
  std::size_t position = 0;
  while (position < text.size() && text[position] != '\0') {
    starts.push_back(position);
    const unsigned char next =
        position + 1 < text.size() ? static_cast<unsigned char>(text[position + 1]) : 0;
    position += IsDoubleByteChar(static_cast<unsigned char>(text[position]), next) ? 2 : 1;
  }
  return starts;
}

// The start of the last one-byte backslash character, or npos.
inline std::size_t LastSeparator(const std::string& text) {
  std::size_t last = std::string::npos;
  for (std::size_t start : CharacterStarts(text)) {
    if (text[start] == '\\') last = start;
  }
  return last;
}
