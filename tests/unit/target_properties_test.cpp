// target-properties against a fake window list and a fake clock: the path split, the
// recognition of the dialog, and the schedule of scans and one-second pauses.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include "shortcut_core.h"
#include "target_properties.h"

namespace {

// One top-level window of the fake desktop. It is in the Z order from second `from` up
// to, not including, second `until` of the fake clock.
struct FakeWindow {
  bool exists = true;  // false: destroyed between the listing and the look at it
  bool visible = true;
  std::string className = kDialogClass;
  std::string title;
  int from = 0;
  int until = INT_MAX;
};

struct FakeDesktop {
  std::vector<FakeWindow> windows;  // top of the Z order first; id = index + 1
  int seconds = 0;                  // the fake clock: one tick per pause
  int scans = 0;
  std::string timeline;             // 'S' for each scan, 'z' for each pause
  std::vector<std::string> calls;   // the window calls, with the window's id
  std::vector<std::string> shown;   // the paths given to ShowProperties
  bool showResult = true;
} desktop;

void Reset(std::vector<FakeWindow> windows = {}) {
  desktop = FakeDesktop();
  desktop.windows = std::move(windows);
}

bool Listed(std::size_t index) {
  const FakeWindow& w = desktop.windows[index];
  return desktop.seconds >= w.from && desktop.seconds < w.until;
}

WindowId FirstListedFrom(std::size_t index) {
  for (; index < desktop.windows.size(); ++index) {
    if (Listed(index)) return index + 1;
  }
  return 0;
}

const FakeWindow& At(WindowId window) { return desktop.windows.at(window - 1); }

void Log(const char* call, WindowId window) {
  desktop.calls.push_back(std::string(call) + ":" + std::to_string(window));
}

// Like the platform: at most 511 bytes and a zero, and the count of bytes written.
int CopyText(const std::string& text, char* buffer) {
  const std::size_t length = std::min(text.size(), kWindowTextBuffer - 1);
  std::memcpy(buffer, text.data(), length);
  buffer[length] = '\0';
  return static_cast<int>(length);
}

}  // namespace

bool ShowProperties(const std::string& path) {
  desktop.shown.push_back(path);
  return desktop.showResult;
}

WindowId TopWindow() {
  ++desktop.scans;
  desktop.timeline += 'S';
  return FirstListedFrom(0);
}

WindowId NextWindow(WindowId window) { return FirstListedFrom(window); }

bool WindowExists(WindowId window) {
  Log("IsWindow", window);
  return At(window).exists;
}

bool WindowIsVisible(WindowId window) {
  Log("IsWindowVisible", window);
  return At(window).visible;
}

int ReadClassName(WindowId window, char* buffer) {
  Log("GetClassName", window);
  return CopyText(At(window).className, buffer);
}

int ReadWindowTitle(WindowId window, char* buffer) {
  Log("GetWindowText", window);
  return CopyText(At(window).title, buffer);
}

void PauseOneSecond() {
  ++desktop.seconds;
  desktop.timeline += 'z';
}

namespace {

std::string Joined(const std::vector<std::string>& parts) {
  std::string joined;
  for (const std::string& part : parts) joined += (joined.empty() ? "" : " ") + part;
  return joined;
}

// --- SplitPath ---------------------------------------------------------------------

struct SplitCase {
  std::string path;
  std::vector<std::string> components;
};

const SplitCase kSplitCases[] = {
    {"", {}},
    {"report.txt", {}},
    {"C:\\Data\\Report.txt", {"C:", "Data", "Report.txt"}},
    {"C:\\Data\\", {"C:", "Data"}},
    {"C:\\", {"C:"}},
    {"D:\\", {"D:"}},
    {"\\\\server\\share\\file.txt", {"", "", "server", "share", "file.txt"}},
    {"C:\\Data\\\\x", {"C:", "Data", "", "x"}},
    {"C:\\Data\\\\", {"C:", "Data", ""}},
    {"\\", {""}},
    {"\\a", {"", "a"}},
    // 表 is 95 5C: its second byte is no separator, in the middle or at the end.
    {"C:\\\x95\x5C\\a.txt", {"C:", "\x95\x5C", "a.txt"}},
    {"C:\\a\x95\x5C", {"C:", "a\x95\x5C"}},
    {"C:\\\xF5\x5C", {"C:", "\xF5\x5C"}},
    // FA is no lead byte, so the 5C after it separates.
    {"C:\\\xFA\\b", {"C:", "\xFA", "b"}},
    // A lead byte in the last position meets the terminating zero and stands alone.
    {"C:\\a\x95", {"C:", "a\x95"}},
};

void PrintTo(const SplitCase& c, std::ostream* os) {
  *os << ::testing::PrintToString(c.path);
}

class SplitPathTable : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitPathTable, AppendsTheComponentsLeftToRight) {
  const SplitCase& c = GetParam();
  std::vector<std::string> components = {"kept"};
  EXPECT_EQ(c.components.size(), SplitPath(c.path, components));
  std::vector<std::string> expected = {"kept"};
  expected.insert(expected.end(), c.components.begin(), c.components.end());
  EXPECT_EQ(expected, components);
}

INSTANTIATE_TEST_SUITE_P(Table, SplitPathTable, ::testing::ValuesIn(kSplitCases));

// --- IsPropertiesDialog ------------------------------------------------------------

struct DialogCase {
  const char* label;
  FakeWindow window;
  std::string name;
  bool expected;
  const char* calls;  // the platform calls made, in order; each failed test ends them
};

FakeWindow Window(std::string className, std::string title, bool visible = true,
                  bool exists = true) {
  FakeWindow w;
  w.className = std::move(className);
  w.title = std::move(title);
  w.visible = visible;
  w.exists = exists;
  return w;
}

constexpr char kAll[] = "IsWindow:1 IsWindowVisible:1 GetClassName:1 GetWindowText:1";
constexpr char kToClass[] = "IsWindow:1 IsWindowVisible:1 GetClassName:1";

const DialogCase kDialogCases[] = {
    {"TitleStartsWithTheName", Window("#32770", "Report.txt Properties"), "Report.txt", true,
     kAll},
    {"TitleIsTheNameAlone", Window("#32770", "Report.txt"), "Report.txt", true, kAll},
    {"DestroyedWindow", Window("#32770", "Report.txt", true, false), "Report.txt", false,
     "IsWindow:1"},
    {"HiddenWindow", Window("#32770", "Report.txt", false), "Report.txt", false,
     "IsWindow:1 IsWindowVisible:1"},
    {"OtherClass", Window("Static", "Report.txt"), "Report.txt", false, kToClass},
    {"ClassOfOtherCase", Window("#32770X", "Report.txt"), "Report.txt", false, kToClass},
    {"ClassThatOnlyBegins", Window("#3277", "Report.txt"), "Report.txt", false, kToClass},
    {"NoClassName", Window("", "Report.txt"), "Report.txt", false, kToClass},
    {"NoTitle", Window("#32770", ""), "Report.txt", false, kAll},
    {"NoTitleEvenForAnEmptyName", Window("#32770", ""), "", false, kAll},
    {"EmptyNameMatchesAnyTitle", Window("#32770", "anything"), "", true, kAll},
    {"TitleInOtherLetterCase", Window("#32770", "report.txt Properties"), "Report.txt", false,
     kAll},
    {"NameInTheMiddleOfTheTitle", Window("#32770", "Properties Report.txt"), "Report.txt",
     false, kAll},
    {"TitleShorterThanTheName", Window("#32770", "Report.tx"), "Report.txt", false, kAll},
    {"DoubleByteName", Window("#32770", "\x95\x5C.txt\x82\xCC\x83\x76"), "\x95\x5C.txt", true,
     kAll},
    {"DoubleByteNameDiffersInTheTrailByte", Window("#32770", "\x95\x5D.txt"), "\x95\x5C.txt",
     false, kAll},
    // Titles reach us cut to 511 bytes, so a longer name can never be found.
    {"NameLongerThanTheBuffer", Window("#32770", std::string(600, 'n')),
     std::string(512, 'n'), false, kAll},
    {"NameFillingTheBuffer", Window("#32770", std::string(600, 'n')), std::string(511, 'n'),
     true, kAll},
};

void PrintTo(const DialogCase& c, std::ostream* os) { *os << c.label; }

class DialogTable : public ::testing::TestWithParam<DialogCase> {};

TEST_P(DialogTable, TestsInOrderAndStopsAtTheFirstFailure) {
  const DialogCase& c = GetParam();
  Reset({c.window});
  EXPECT_EQ(c.expected, IsPropertiesDialog(1, c.name));
  EXPECT_EQ(c.calls, Joined(desktop.calls));
}

INSTANTIATE_TEST_SUITE_P(Table, DialogTable, ::testing::ValuesIn(kDialogCases),
                         [](const auto& info) { return std::string(info.param.label); });

// --- The scan ----------------------------------------------------------------------

TEST(ScanForDialog, WalksTheZOrderFromTheTopAndStopsAtTheFirstMatch) {
  Reset({Window("#32770", "Report.txt", false), Window("Static", "Report.txt"),
         Window("#32770", "Other"), Window("#32770", "Report.txt Properties"),
         Window("#32770", "Report.txt again")});
  EXPECT_TRUE(ScanForDialog("Report.txt"));
  std::vector<std::string> examined;
  for (const std::string& call : desktop.calls) {
    if (call.rfind("IsWindow:", 0) == 0) examined.push_back(call.substr(9));
  }
  EXPECT_EQ("1 2 3 4", Joined(examined));
}

TEST(ScanForDialog, AnEmptyDesktopHasNoDialog) {
  Reset();
  EXPECT_FALSE(ScanForDialog("Report.txt"));
  EXPECT_EQ(1, desktop.scans);
}

// --- The schedule ------------------------------------------------------------------

struct ScheduleCase {
  const char* label;
  int from;   // the dialog is listed from this second
  int until;  // up to this one
  int scans;  // scans made, each followed by one pause
};

const ScheduleCase kScheduleCases[] = {
    // Found by the first scan, open for three seconds (scans at 0, 1, 2), missed at 3.
    {"FoundByTheFirstScan", 0, 3, 4},
    // Found by the third scan at second 2, open until 6: scans at 0..6, the last misses.
    {"FoundByTheThirdScan", 2, 6, 7},
    // Found by the sixtieth, the last scan of the first phase, and missed at once after.
    {"FoundByTheSixtiethScan", 59, 60, 61},
    // Shown for less than the second between two scans: never seen.
    {"OpenBetweenTwoScans", 3, 3, 61},
    {"NeverFound", INT_MAX, INT_MAX, 61},
    // Missed by all 60 scans of the first phase, found by the single watch scan at 60.
    {"FoundFirstByTheWatchScan", 60, 63, 64},
    // Shows up just after the watch scan: too late to hold the program.
    {"ShowsUpAfterTheWatchScan", 61, INT_MAX, 61},
};

void PrintTo(const ScheduleCase& c, std::ostream* os) { *os << c.label; }

class ScheduleTable : public ::testing::TestWithParam<ScheduleCase> {};

TEST_P(ScheduleTable, ScansThenPausesOneSecondEachTime) {
  const ScheduleCase& c = GetParam();
  FakeWindow dialog = Window("#32770", "Report.txt Properties");
  dialog.from = c.from;
  dialog.until = c.until;
  // An unrelated window above it, so every scan walks more than one window.
  Reset({Window("Shell_TrayWnd", "Report.txt"), dialog});
  WatchForDialog("Report.txt");
  EXPECT_EQ(c.scans, desktop.scans);
  EXPECT_EQ(c.scans, desktop.seconds);
  std::string expected;
  for (int i = 0; i < c.scans; ++i) expected += "Sz";
  EXPECT_EQ(expected, desktop.timeline);
}

INSTANTIATE_TEST_SUITE_P(Table, ScheduleTable, ::testing::ValuesIn(kScheduleCases),
                         [](const auto& info) { return std::string(info.param.label); });

// --- ToolAction ----------------------------------------------------------------------

struct ActionCase {
  const char* label;
  std::string target;
  std::string title;  // of a dialog listed during seconds 0, 1 and 2, missed at 3
  bool result;
  int seconds;        // when the action returns; 0 when it launched nothing
};

const ActionCase kActionCases[] = {
    {"FileIsWatchedByItsName", "C:\\Data\\Report.txt", "Report.txt Properties", true, 4},
    {"FolderIsWatchedByItsName", "C:\\Data\\Sub", "Sub Properties", true, 4},
    {"DriveRootIsWatchedAsTheDrive", "D:\\", "D: Properties", true, 4},
    {"UncPath", "\\\\server\\share\\file.txt", "file.txt Properties", true, 4},
    {"DoubleByteName", "C:\\\x95\x5C", "\x95\x5C\x82\xCC\x83\x76", true, 4},
    // The last component is empty, so any titled dialog counts.
    {"TwoTrailingBackslashes", "C:\\Data\\\\", "Unrelated", true, 4},
    {"OtherNameNeverHolds", "C:\\Data\\Report.txt", "Other.txt Properties", true, 61},
    {"CaseDiffersNeverHolds", "C:\\Data\\Report.txt", "REPORT.TXT Properties", true, 61},
    {"NoBackslashLaunchesNothing", "Report.txt", "Report.txt", false, 0},
    {"EmptyTargetLaunchesNothing", "", "anything", false, 0},
};

void PrintTo(const ActionCase& c, std::ostream* os) { *os << c.label; }

class ActionTable : public ::testing::TestWithParam<ActionCase> {};

TEST_P(ActionTable, ShowsTheWholeTargetAndWatchesForItsName) {
  const ActionCase& c = GetParam();
  FakeWindow dialog = Window("#32770", c.title);
  dialog.until = 3;
  Reset({dialog});
  EXPECT_EQ(c.result, ToolAction(c.target));
  EXPECT_EQ(c.result ? std::vector<std::string>{c.target} : std::vector<std::string>{},
            desktop.shown);
  EXPECT_EQ(c.seconds, desktop.seconds);
  if (!c.result) {
    EXPECT_EQ(0, desktop.scans);
  }
}

INSTANTIATE_TEST_SUITE_P(Table, ActionTable, ::testing::ValuesIn(kActionCases),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(ToolAction, RefusedRequestStillWaitsAndReportsTrue) {
  Reset();
  desktop.showResult = false;
  EXPECT_TRUE(ToolAction("C:\\Data\\Report.txt"));
  EXPECT_EQ(61, desktop.scans);
  EXPECT_EQ(61, desktop.seconds);
}

}  // namespace
