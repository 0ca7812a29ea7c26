#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "shortcut_core.h"

namespace {

TEST(ByteClasses, LeadBytesAtTheirBorders) {
  for (int byte = 0; byte < 256; ++byte) {
    const bool expected = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xF5);
    EXPECT_EQ(expected, IsLeadByte(static_cast<unsigned char>(byte))) << std::hex << byte;
  }
  EXPECT_TRUE(IsLeadByte(0x81) && IsLeadByte(0x9F) && IsLeadByte(0xE0) && IsLeadByte(0xF5));
  EXPECT_FALSE(IsLeadByte(0x80) || IsLeadByte(0xA0) || IsLeadByte(0xDF) || IsLeadByte(0xF6) ||
               IsLeadByte(0xFA) || IsLeadByte(0xFC) || IsLeadByte(0xFF));
}

TEST(ByteClasses, TrailBytesAtTheirBorders) {
  int count = 0;
  for (int byte = 0; byte < 256; ++byte) count += IsTrailByte(static_cast<unsigned char>(byte));
  EXPECT_EQ(188, count);
  EXPECT_TRUE(IsTrailByte(0x40) && IsTrailByte(0x7E) && IsTrailByte(0x80) && IsTrailByte(0xFC));
  EXPECT_FALSE(IsTrailByte(0x3F) || IsTrailByte(0x7F) || IsTrailByte(0xFD) ||
               IsTrailByte(0xFE) || IsTrailByte(0xFF));
}

TEST(ByteClasses, DoubleByteCharNeedsALeadByteFirst) {
  EXPECT_TRUE(IsDoubleByteChar(0x95, 0x5C));
  EXPECT_TRUE(IsDoubleByteChar(0xF5, 0x5C));
  EXPECT_FALSE(IsDoubleByteChar(0x95, 0x00));
  EXPECT_FALSE(IsDoubleByteChar(0x95, 0x7F));
  for (int second = 0; second < 256; ++second) {
    EXPECT_FALSE(IsDoubleByteChar(0x5C, static_cast<unsigned char>(second)));
    EXPECT_FALSE(IsDoubleByteChar(0xFA, static_cast<unsigned char>(second)));
  }
}

struct CutCase {
  std::string before;
  bool result;
  std::string after;
};

const CutCase kCutCases[] = {
    {"C:\\a\\b.txt", true, "C:\\a"},
    {"C:\\b.txt", true, "C:"},
    {"C:\\a\\", true, "C:\\a"},
    {"D:\\", true, "D:"},
    {"\\b.txt", true, ""},
    {"b.txt", false, "b.txt"},
    {"", false, ""},
    {"C:/a/b.txt", false, "C:/a/b.txt"},
    {"\x43\x3A\x5C\x83\x5C", true, "\x43\x3A"},                      // C:\ソ
    {"\x43\x3A\x5C\x95\x5C\x5C\x61", true, "\x43\x3A\x5C\x95\x5C"},  // C:\表\a
    {"\x43\x3A\x5C\xF5\x5C", true, "\x43\x3A"},
    {"\x43\x3A\x5C\x61\x5C\xFA\x5C", true, "\x43\x3A\x5C\x61\x5C\xFA"},
    {std::string("\x43\x3A\x5C\x61\x5C\x62\x00\x5C\x63", 9), true, "\x43\x3A\x5C\x61"},
    {"\x95\x5C", false, "\x95\x5C"},  // 表 alone: its 0x5C is no separator
    {"C:\\\x95", true, "C:"},         // a lead byte at the very end counts as one byte
    {"C:\\a\\\\", true, "C:\\a\\"},
};

// Short, printable names for the cases in test listings.
std::string Escaped(const std::string& bytes) {
  std::string out;
  for (unsigned char byte : bytes) {
    if (byte >= 0x20 && byte < 0x7F) {
      out += static_cast<char>(byte);
    } else {
      static const char kHex[] = "0123456789ABCDEF";
      out += "\\x";
      out += kHex[byte >> 4];
      out += kHex[byte & 15];
    }
  }
  return out;
}

void PrintTo(const CutCase& c, std::ostream* os) { *os << '"' << Escaped(c.before) << '"'; }

class RemoveLastComponentCases : public ::testing::TestWithParam<CutCase> {};

TEST_P(RemoveLastComponentCases, CutsAtTheLastRealBackslash) {
  const CutCase& c = GetParam();
  std::string path = c.before;
  EXPECT_EQ(c.result, RemoveLastComponent(path));
  EXPECT_EQ(c.after, path);
}

INSTANTIATE_TEST_SUITE_P(Table, RemoveLastComponentCases, ::testing::ValuesIn(kCutCases));

}  // namespace
