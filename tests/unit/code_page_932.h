// Converts readable (UTF-8) text to code page 932 with iconv, for checking the stored
// Shift_JIS texts byte for byte.
#pragma once

#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

inline std::string ToCodePage932(const std::string& utf8) {
  iconv_t converter = iconv_open("CP932", "UTF-8");
  EXPECT_NE(reinterpret_cast<iconv_t>(-1), converter);
  std::string input = utf8;
  std::string output(utf8.size() * 2 + 1, '\0');
  char* in = &input[0];
  char* out = &output[0];
  std::size_t inLeft = input.size();
  std::size_t outLeft = output.size();
  EXPECT_NE(static_cast<std::size_t>(-1), iconv(converter, &in, &inLeft, &out, &outLeft));
  iconv_close(converter);
  output.resize(output.size() - outLeft);
  return output;
}
