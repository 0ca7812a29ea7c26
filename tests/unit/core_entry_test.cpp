// The entry flow and the order of resolution, against the recording platform fake.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_platform.h"
#include "platform.h"
#include "shortcut_core.h"

namespace {

struct ActionRecord {
  int calls = 0;
  std::string targetPath;
  bool result = true;
} action;

}  // namespace

bool ToolAction(const std::string& targetPath) {
  Fake().calls.push_back("ToolAction");
  ++action.calls;
  action.targetPath = targetPath;
  return action.result;
}

namespace {

const std::string kSuffix = MessageText[NotFoundSuffix];
constexpr std::uint32_t kFile = 0x20;       // FILE_ATTRIBUTE_ARCHIVE
constexpr std::uint32_t kDirectory = 0x10;  // FILE_ATTRIBUTE_DIRECTORY

struct EntryCase {
  const char* name;
  std::vector<std::string> arguments;  // entry 0, the program, comes first
  std::uint32_t installerResult;
  std::string componentPath;
  bool componentWritesLength;
  std::string shellLinkPath;
  std::map<std::string, std::uint32_t> existing;
  bool actionResult;
  const char* expectedCalls;
  std::string expectedAction;  // the target the action gets; empty: not called
  std::vector<std::string> expectedBoxes;
};

const EntryCase kEntryCases[] = {
    {"NoArgumentShowsMissingArgumentOnly", {"tool.exe"}, 0, "", true, "", {}, true,
     "MessageBox", "", {MessageText[MissingArgument]}},
    {"ShellLinkToExistingFile", {"tool.exe", "C:\\Links\\a.lnk"}, 1605, "", true,
     "C:\\Data\\Report.txt", {{"C:\\Data\\Report.txt", kFile}}, true,
     "MsiGetShortcutTarget CoInitialize ShellLinkGetPath CoUninitialize GetFileAttributes "
     "ToolAction",
     "C:\\Data\\Report.txt", {}},
    {"AdvertisedShortcutNeverTouchesCom", {"tool.exe", "C:\\Links\\app.lnk"}, 0,
     "C:\\Program Files\\App\\app.exe", true, "C:\\never.txt",
     {{"C:\\Program Files\\App\\app.exe", kFile}}, true,
     "MsiGetShortcutTarget MsiGetComponentPath GetFileAttributes ToolAction",
     "C:\\Program Files\\App\\app.exe", {}},
    {"AdvertisedLengthUnwrittenMeansEmptyTarget", {"tool.exe", "C:\\Links\\app.lnk"}, 0, "",
     false, "C:\\never.txt", {{"C:\\never.txt", kFile}}, true,
     "MsiGetShortcutTarget MsiGetComponentPath GetFileAttributes MessageBox", "", {kSuffix}},
    {"AdvertisedLengthZeroFallsBackToShellLink", {"tool.exe", "C:\\Links\\app.lnk"}, 0, "",
     true, "C:\\Data\\Report.txt", {{"C:\\Data\\Report.txt", kFile}}, true,
     "MsiGetShortcutTarget MsiGetComponentPath CoInitialize ShellLinkGetPath CoUninitialize "
     "GetFileAttributes ToolAction",
     "C:\\Data\\Report.txt", {}},
    {"UnresolvedShortcutShowsSuffixAlone", {"tool.exe", "C:\\notes.txt"}, 1605, "", true, "",
     {{"C:\\notes.txt", kFile}}, true,
     "MsiGetShortcutTarget CoInitialize ShellLinkGetPath CoUninitialize GetFileAttributes "
     "MessageBox",
     "", {kSuffix}},
    {"EmptyArgumentShowsSuffixAlone", {"tool.exe", ""}, 1605, "", true, "", {}, true,
     "MsiGetShortcutTarget CoInitialize ShellLinkGetPath CoUninitialize GetFileAttributes "
     "MessageBox",
     "", {kSuffix}},
    {"MissingTargetShowsPathThenSuffix", {"tool.exe", "C:\\Links\\old.lnk"}, 1605, "", true,
     "C:\\Old\\Report.txt", {}, true,
     "MsiGetShortcutTarget CoInitialize ShellLinkGetPath CoUninitialize GetFileAttributes "
     "MessageBox",
     "", {"C:\\Old\\Report.txt" + kSuffix}},
    {"FolderTargetRunsTheAction", {"tool.exe", "C:\\Links\\sub.lnk"}, 1605, "", true,
     "C:\\Data\\Sub", {{"C:\\Data\\Sub", kDirectory}}, true,
     "MsiGetShortcutTarget CoInitialize ShellLinkGetPath CoUninitialize GetFileAttributes "
     "ToolAction",
     "C:\\Data\\Sub", {}},
    {"FailingActionShowsNothing", {"tool.exe", "C:\\Links\\a.lnk"}, 1605, "", true,
     "C:\\Data\\Report.txt", {{"C:\\Data\\Report.txt", kFile}}, false,
     "MsiGetShortcutTarget CoInitialize ShellLinkGetPath CoUninitialize GetFileAttributes "
     "ToolAction",
     "C:\\Data\\Report.txt", {}},
    {"ExtraArgumentsAreIgnored", {"tool.exe", "C:\\Links\\a.lnk", "C:\\Links\\b.lnk", "x"},
     1605, "", true, "C:\\Data\\Report.txt", {{"C:\\Data\\Report.txt", kFile}}, true,
     "MsiGetShortcutTarget CoInitialize ShellLinkGetPath CoUninitialize GetFileAttributes "
     "ToolAction",
     "C:\\Data\\Report.txt", {}},
};

class EntryFlow : public ::testing::TestWithParam<EntryCase> {};

TEST_P(EntryFlow, FollowsTheFlow) {
  const EntryCase& c = GetParam();
  ResetFake();
  action = ActionRecord();
  action.result = c.actionResult;
  Fake().installerResult = c.installerResult;
  Fake().componentPath = c.componentPath;
  Fake().componentWritesLength = c.componentWritesLength;
  Fake().shellLinkPath = c.shellLinkPath;
  Fake().attributes = c.existing;

  std::vector<std::string> storage = c.arguments;
  std::vector<char*> argv;
  for (std::string& argument : storage) argv.push_back(&argument[0]);
  argv.push_back(nullptr);

  EXPECT_EQ(0, RunEntry(static_cast<int>(storage.size()), argv.data()));
  EXPECT_EQ(c.expectedCalls, CallSequence());
  EXPECT_EQ(c.expectedAction.empty() ? 0 : 1, action.calls);
  EXPECT_EQ(c.expectedAction, action.targetPath);
  ASSERT_EQ(c.expectedBoxes.size(), Fake().boxes.size());
  for (std::size_t i = 0; i < c.expectedBoxes.size(); ++i) {
    EXPECT_EQ(c.expectedBoxes[i], Fake().boxes[i].text);
    EXPECT_STREQ("Vorlane", Fake().boxes[i].caption.c_str());
  }
  if (storage.size() >= 2) {
    // The shortcut path reaches the Installer unchanged, and the shell link with its length.
    EXPECT_EQ(storage[1], Fake().installerShortcutPath);
    if (CallSequence().find("ShellLinkGetPath") != std::string::npos) {
      EXPECT_EQ(storage[1], Fake().shellLinkShortcutPath);
      EXPECT_EQ(storage[1].size(), Fake().shellLinkLength);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, EntryFlow, ::testing::ValuesIn(kEntryCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ResolveShortcutTarget, ReplacesOldContentOnEveryRoad) {
  ResetFake();
  std::string target = "stale";
  ResolveShortcutTarget("C:\\a.lnk", target);
  EXPECT_EQ("", target);

  ResetFake();
  Fake().installerResult = kInstallerSuccess;
  Fake().componentWritesLength = false;
  target = "stale";
  ResolveShortcutTarget("C:\\a.lnk", target);
  EXPECT_EQ("", target);
}

TEST(ResolveShortcutTarget, TargetNeverExceeds259Bytes) {
  ResetFake();
  Fake().shellLinkBytes = std::string(kMaxPath, 'x');  // a full buffer with no zero byte
  std::string target;
  ResolveShortcutTarget("C:\\a.lnk", target);
  EXPECT_EQ(std::string(kMaxPath - 1, 'x'), target);
}

TEST(PathExists, DirectoriesCountOnlyWhenAllowed) {
  ResetFake();
  Fake().attributes = {{"C:\\dir", kDirectory}, {"C:\\file", kFile}};
  EXPECT_TRUE(PathExists("C:\\dir", true));
  EXPECT_FALSE(PathExists("C:\\dir", false));
  EXPECT_TRUE(PathExists("C:\\file", true));
  EXPECT_TRUE(PathExists("C:\\file", false));
  EXPECT_FALSE(PathExists("C:\\none", true));
  EXPECT_FALSE(PathExists("", true));
}

}  // namespace
