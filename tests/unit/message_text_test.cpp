// Every stored code page 932 text must be the conversion of its readable form.
#include <gtest/gtest.h>

#include <string>

#include "code_page_932.h"
#include "shortcut_core.h"

namespace {

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
