// prompt-in-folder's choice of interpreter and folder, against fake directories and the
// recording fake of the core's platform layer (which answers PathExists).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <ostream>
#include <string>

#include "fake_platform.h"
#include "prompt_in_folder.h"
#include "code_page_932.h"
#include "shortcut_core.h"

namespace {

// What a directory query answers: the text it writes and the count it returns. A count of
// kMaxPath or more stands for a directory too long for the buffer; nothing is written.
struct DirectoryAnswer {
  std::string text;
  std::uint32_t count;
};

DirectoryAnswer Directory(const std::string& text) {
  return {text, static_cast<std::uint32_t>(text.size())};
}

struct PromptFake {
  DirectoryAnswer system = Directory("C:\\WINDOWS\\system32");
  DirectoryAnswer windows = Directory("C:\\WINDOWS");
  bool startResult = true;
  std::string interpreter;
  std::string folder;
} prompt;

std::uint32_t Answer(const DirectoryAnswer& answer, char* buffer) {
  if (answer.count < kMaxPath) {
    std::memcpy(buffer, answer.text.data(), std::min(answer.text.size(), kMaxPath - 1));
  }
  return answer.count;
}

}  // namespace

std::uint32_t ReadSystemDirectory(char* buffer) {
  Fake().calls.push_back("GetSystemDirectory");
  return Answer(prompt.system, buffer);
}

std::uint32_t ReadWindowsDirectory(char* buffer) {
  Fake().calls.push_back("GetWindowsDirectory");
  return Answer(prompt.windows, buffer);
}

bool StartInterpreter(const std::string& interpreter, const std::string& folder) {
  Fake().calls.push_back("CreateProcess");
  prompt.interpreter = interpreter;
  prompt.folder = folder;
  return prompt.startResult;
}

namespace {

constexpr std::uint32_t kFile = 0x20;
constexpr std::uint32_t kDirectory = 0x10;
constexpr char kCmd[] = "C:\\WINDOWS\\system32\\cmd.exe";
constexpr char kCommandCom[] = "C:\\WINDOWS\\command.com";

struct PromptCase {
  const char* label;
  std::string target;
  std::map<std::string, std::uint32_t> existing;
  DirectoryAnswer system;
  DirectoryAnswer windows;
  bool startResult;
  bool result;
  const char* calls;
  std::string interpreter;  // what was started, when anything was
  std::string folder;
};

const std::map<std::string, std::uint32_t> kCmdPresent = {{kCmd, kFile}};
const DirectoryAnswer kSystem = Directory("C:\\WINDOWS\\system32");
const DirectoryAnswer kWindows = Directory("C:\\WINDOWS");
const DirectoryAnswer kFailed = {"", 0};
const DirectoryAnswer kTooLong = {std::string(300, 'x'), 301};
constexpr char kWithCmd[] = "GetSystemDirectory GetFileAttributes CreateProcess";
constexpr char kWithCommandCom[] =
    "GetSystemDirectory GetFileAttributes GetWindowsDirectory CreateProcess";

const PromptCase kPromptCases[] = {
    {"FileInAFolder", "C:\\Data\\Report.txt", kCmdPresent, kSystem, kWindows, true, true,
     kWithCmd, kCmd, "C:\\Data"},
    {"FolderTargetGivesTheFolderAboveIt", "C:\\Data\\Sub", kCmdPresent, kSystem, kWindows,
     true, true, kWithCmd, kCmd, "C:\\Data"},
    // "C:" alone would be the drive's current directory, not its root.
    {"FileInADriveRoot", "C:\\Report.txt", kCmdPresent, kSystem, kWindows, true, true,
     kWithCmd, kCmd, "C:\\"},
    {"DriveRoot", "D:\\", kCmdPresent, kSystem, kWindows, true, true, kWithCmd, kCmd, "D:\\"},
    {"FolderInADriveRoot", "D:\\Sub\\a.txt", kCmdPresent, kSystem, kWindows, true, true,
     kWithCmd, kCmd, "D:\\Sub"},
    {"UncPath", "\\\\server\\share\\a.txt", kCmdPresent, kSystem, kWindows, true, true,
     kWithCmd, kCmd, "\\\\server\\share"},
    {"DoubleByteFolderWith5CTrailByte", "C:\\\x95\x5C\\a.txt", kCmdPresent, kSystem, kWindows,
     true, true, kWithCmd, kCmd, "C:\\\x95\x5C"},
    {"NoCmdFallsBackToCommandComUntested", "C:\\Data\\Report.txt", {}, kSystem, kWindows,
     true, true, kWithCommandCom, kCommandCom, "C:\\Data"},
    {"NoCmdAndNoCommandCom", "C:\\Data\\Report.txt", {}, kSystem, kWindows, false, false,
     kWithCommandCom, kCommandCom, "C:\\Data"},
    // A directory named cmd.exe counts as present; its start fails and nothing else is tried.
    {"CmdThatIsADirectory", "C:\\Data\\Report.txt", {{kCmd, kDirectory}}, kSystem, kWindows,
     false, false, kWithCmd, kCmd, "C:\\Data"},
    {"FailedStart", "C:\\Data\\Report.txt", kCmdPresent, kSystem, kWindows, false, false,
     kWithCmd, kCmd, "C:\\Data"},
    {"NoBackslash", "Report.txt", kCmdPresent, kSystem, kWindows, true, false, "", "", ""},
    {"EmptyTarget", "", kCmdPresent, kSystem, kWindows, true, false, "", "", ""},
    {"NoSystemDirectoryAndNoFallBack", "C:\\Data\\Report.txt", kCmdPresent, kFailed,
     kWindows, true, false, "GetSystemDirectory", "", ""},
    {"SystemDirectoryTooLong", "C:\\Data\\Report.txt", kCmdPresent, kTooLong, kWindows, true,
     false, "GetSystemDirectory", "", ""},
    {"NoCmdAndNoWindowsDirectory", "C:\\Data\\Report.txt", {}, kSystem, kFailed, true, false,
     "GetSystemDirectory GetFileAttributes GetWindowsDirectory", "", ""},
    {"NoCmdAndWindowsDirectoryTooLong", "C:\\Data\\Report.txt", {}, kSystem, kTooLong, true,
     false, "GetSystemDirectory GetFileAttributes GetWindowsDirectory", "", ""},
    // The longest directory that fits: 259 bytes, and the interpreter's path beyond it.
    {"SystemDirectoryFillingTheBuffer", "C:\\Data\\Report.txt",
     {{std::string(259, 's') + "\\cmd.exe", kFile}}, Directory(std::string(259, 's')),
     kWindows, true, true, kWithCmd, std::string(259, 's') + "\\cmd.exe", "C:\\Data"},
};

void PrintTo(const PromptCase& c, std::ostream* os) { *os << c.label; }

class PromptTable : public ::testing::TestWithParam<PromptCase> {};

TEST_P(PromptTable, StartsTheInterpreterInTheTargetsFolder) {
  const PromptCase& c = GetParam();
  ResetFake();
  Fake().attributes = c.existing;
  prompt = PromptFake();
  prompt.system = c.system;
  prompt.windows = c.windows;
  prompt.startResult = c.startResult;
  const std::string target = c.target;
  EXPECT_EQ(c.result, ToolAction(target));
  EXPECT_EQ(c.target, target);
  EXPECT_EQ(c.calls, CallSequence());
  EXPECT_EQ(c.interpreter, prompt.interpreter);
  EXPECT_EQ(c.folder, prompt.folder);
}

INSTANTIATE_TEST_SUITE_P(Table, PromptTable, ::testing::ValuesIn(kPromptCases),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(PromptTitle, IsItsReadableTextInCodePage932WithASingleByteSpace) {
  const std::string title = kPromptTitle;
  EXPECT_EQ(ToCodePage932("コマンド プロンプト"), title);
  EXPECT_EQ(19u, title.size());
  EXPECT_EQ(' ', title[8]);
}

}  // namespace
