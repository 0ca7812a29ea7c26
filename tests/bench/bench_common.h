// Small helpers shared by the test bench's Windows programs.
#pragma once

#include <windows.h>

#include <string>

// Lower-case hexadecimal of the bytes, so that reports are exact and line-safe.
inline std::string Hex(const std::string& bytes) {
  static const char kDigits[] = "0123456789abcdef";
  std::string out;
  for (unsigned char byte : bytes) {
    out += kDigits[byte >> 4];
    out += kDigits[byte & 15];
  }
  return out;
}

// Appends the text to the file in one write, retrying while another process holds it.
inline bool AppendToFile(const char* path, const std::string& text) {
  for (int attempt = 0; attempt < 500; ++attempt) {
    HANDLE file = CreateFileA(path, FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      DWORD written = 0;
      const BOOL ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written,
                                nullptr);
      CloseHandle(file);
      return ok && written == text.size();
    }
    Sleep(10);
  }
  return false;
}

inline std::string WindowText(HWND window) {
  char buffer[4096] = {};
  const int length = GetWindowTextA(window, buffer, sizeof buffer);
  return std::string(buffer, length > 0 ? length : 0);
}
