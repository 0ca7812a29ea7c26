// Every stored code page 932 text must be the conversion of its readable form.
#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

#include "shortcut_core.h"

namespace {

std::string ToCodePage932(const std::string& utf8) {
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

struct Readable {
  MessageTextRow row;
  const char* utf8;
};

const Readable kReadable[] = {
    {MissingArgument, "引数にショートカットファイルのパスを指定してください。"},
    {NotFoundSuffix, "\nが見つかりませんでした。"},
    {ConfigMissing, "Morvaset.ini\nが見つかりませんでした。"},
};

TEST(MessageText, EveryRowIsItsReadableTextInCodePage932) {
  for (const Readable& r : kReadable) {
    EXPECT_EQ(ToCodePage932(r.utf8), std::string(MessageText[r.row])) << r.utf8;
  }
  EXPECT_EQ('\n', MessageText[NotFoundSuffix][0]);
}

TEST(MessageText, EntryCaption) { EXPECT_STREQ("Vorlane", kEntryCaption); }

}  // namespace
