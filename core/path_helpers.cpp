#include "shortcut_core.h"

bool IsLeadByte(unsigned char byte) {
  // XOR 0x20 folds 0x81..0x9F and 0xE0..0xF5 onto the one range 0xA1..0xD5.
  const unsigned char folded = byte ^ 0x20;
  return folded >= 0xA1 && folded <= 0xD5;
}

bool IsTrailByte(unsigned char byte) {
  return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

bool IsDoubleByteChar(unsigned char first, unsigned char second) {
  return IsLeadByte(first) && IsTrailByte(second);
}

bool RemoveLastComponent(std::string& path) {
  if (path.empty()) return false;
  const std::size_t length = path.size();
  std::size_t separator = std::string::npos;
  std::size_t position = 0;
  while (position < length) {
    const unsigned char current = static_cast<unsigned char>(path[position]);
    if (current == '\\') separator = position;
    if (current == '\0') break;
    // At the last position this reads the string's terminating zero, never past it.
    const unsigned char next = static_cast<unsigned char>(path.c_str()[position + 1]);
    position += IsDoubleByteChar(current, next) ? 2 : 1;
  }
  if (separator == std::string::npos) return false;
  path.erase(separator);
  return true;
}
