// open-folder-with on the host: the configuration path, the placeholder, the composed
// start, and the Path in front of which the configured directories go. The Windows
// calls are fakes that behave as the platform documents them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "fake_platform.h"
#include "launch_platform.h"
#include "open_folder_with.h"
#include "shortcut_core.h"

namespace {

struct Started {
  std::string commandLine;
  std::optional<std::string> currentDirectory;
  std::optional<std::string> path;  // the Path that the application inherits
};

struct LaunchFake {
  std::string modulePath = "C:\\Apps\\Open\\open-folder-with.exe";
  std::uint32_t moduleResult = 0;  // 0: the path's length, as the platform answers
  // Morvaset.ini: {section, key} -> value. Absent keys take their default.
  std::map<std::pair<std::string, std::string>, std::string> ini;
  std::vector<std::string> profileFiles;  // the file each read named
  std::map<std::string, std::string> environment;
  std::vector<std::uint32_t> pathReadSizes;
  bool startResult = true;
  std::vector<Started> started;
} launch;

void ResetLaunch() {
  launch = LaunchFake();
  ResetFake();
}

}  // namespace

std::uint32_t GetOwnModulePath(char* path) {
  Fake().calls.push_back("GetModuleFileName");
  const std::size_t length = std::min(launch.modulePath.size(), kMaxPath - 1);
  std::memcpy(path, launch.modulePath.data(), length);
  path[length] = '\0';
  return launch.moduleResult != 0 ? launch.moduleResult : static_cast<std::uint32_t>(length);
}

void ReadProfileString(const char* section, const char* key, const char* defaultValue,
                       char* value, const char* file) {
  Fake().calls.push_back("GetPrivateProfileString");
  launch.profileFiles.push_back(file);
  const auto found = launch.ini.find({section, key});
  const std::string text = found == launch.ini.end() ? defaultValue : found->second;
  // The reader cuts a value to the buffer, less its terminating zero.
  const std::size_t length = std::min(text.size(), kSettingSize - 1);
  std::memcpy(value, text.data(), length);
  value[length] = '\0';
}

std::uint32_t GetEnvironmentValue(const char* name, char* buffer, std::uint32_t size) {
  Fake().calls.push_back("GetEnvironmentVariable");
  EXPECT_STREQ("Path", name);
  launch.pathReadSizes.push_back(size);
  const auto found = launch.environment.find(name);
  if (found == launch.environment.end() || found->second.empty()) return 0;
  const std::string& value = found->second;
  // Too small a buffer is left alone and the size needed, zero included, comes back.
  if (value.size() + 1 > size) return static_cast<std::uint32_t>(value.size() + 1);
  std::memcpy(buffer, value.c_str(), value.size() + 1);
  return static_cast<std::uint32_t>(value.size());
}

void SetEnvironmentValue(const char* name, const char* value) {
  Fake().calls.push_back("SetEnvironmentVariable");
  launch.environment[name] = value;
}

bool StartProcess(char* commandLine, const char* currentDirectory) {
  Fake().calls.push_back("CreateProcess");
  Started start{commandLine, std::nullopt, std::nullopt};
  if (currentDirectory != nullptr) start.currentDirectory = currentDirectory;
  const auto path = launch.environment.find("Path");
  if (path != launch.environment.end()) start.path = path->second;
  launch.started.push_back(start);
  return launch.startResult;
}

namespace {

const std::string kConfig = "C:\\Apps\\Open\\Morvaset.ini";
constexpr std::uint32_t kFile = 0x20;
constexpr std::uint32_t kDirectory = 0x10;

// ---------------------------------------------------------------------------------------
// BuildConfigPath

struct ConfigPathCase {
  const char* name;
  std::string modulePath;
  std::optional<std::string> configPath;  // nullopt: refused
};

// The deepest directory whose Morvaset.ini still fits in 259 bytes: 2 + 245 + 12.
const std::string kDeepest = "\\" + std::string(243, 'd') + "\\";

const ConfigPathCase kConfigPathCases[] = {
    {"Drive", "C:\\Apps\\Open\\open-folder-with.exe", kConfig},
    {"UpperCaseExtension", "C:\\Apps\\Open\\Start.EXE", kConfig},
    {"MixedCaseExtension", "C:\\Apps\\Open\\Start.Exe", kConfig},
    {"NetworkPathWithoutDrive", "\\\\server\\share\\tools\\open-folder-with.exe",
     "\\\\server\\share\\tools\\Morvaset.ini"},
    {"ForwardSlashes", "C:/Apps/Open/tool.exe", "C:/Apps/Open/Morvaset.ini"},
    {"DriveWithoutDirectory", "C:tool.exe", "C:Morvaset.ini"},
    {"DoubleByteDirectory", "C:\\\x95\x5C\\tool.exe", "C:\\\x95\x5C\\Morvaset.ini"},
    // The 5C of ソ is no separator, so the folder is C:\Apps, not C:\Apps\(83).
    {"DoubleByteNameEndingIn5C", "C:\\Apps\\\x83\x5C.exe", "C:\\Apps\\Morvaset.ini"},
    {"OtherExtension", "C:\\Apps\\Open\\open-folder-with.com", std::nullopt},
    {"NoExtension", "C:\\Apps\\Open\\open-folder-with", std::nullopt},
    {"ExeOnlyInTheDirectory", "C:\\Apps.exe\\Open\\tool", std::nullopt},
    {"ExeNotLast", "C:\\Apps\\Open\\tool.exe.bak", std::nullopt},
    {"NonAsciiLettersAreNotFolded", "C:\\Apps\\Open\\tool.\xC5XE", std::nullopt},
    {"Empty", "", std::nullopt},
    {"LongestThatFits", "C:" + kDeepest + "tool.exe", "C:" + kDeepest + "Morvaset.ini"},
    {"OneByteTooDeep", "C:\\d" + kDeepest + "x.exe", std::nullopt},
    {"NetworkTooDeep", "\\\\s" + std::string(250, 's') + "\\x.exe", std::nullopt},
};

void PrintTo(const ConfigPathCase& c, std::ostream* os) { *os << c.name; }

class ConfigPaths : public ::testing::TestWithParam<ConfigPathCase> {};

TEST_P(ConfigPaths, AreTheProgramsFolderAndMorvasetIni) {
  const ConfigPathCase& c = GetParam();
  // Exactly kMaxPath bytes, so that the sanitizer sees any write past the end.
  std::vector<char> buffer(kMaxPath, '\xAB');
  const bool built = BuildConfigPath(c.modulePath.c_str(), buffer.data());
  ASSERT_EQ(c.configPath.has_value(), built);
  if (built) {
    EXPECT_EQ(*c.configPath, std::string(buffer.data()));
  } else {
    EXPECT_EQ(std::vector<char>(kMaxPath, '\xAB'), buffer) << "a refusal writes nothing";
  }
}

INSTANTIATE_TEST_SUITE_P(Table, ConfigPaths, ::testing::ValuesIn(kConfigPathCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ConfigPaths, TheLongestFitsExactly) {
  EXPECT_EQ(kMaxPath - 1, ("C:" + kDeepest + "Morvaset.ini").size());
}

// ---------------------------------------------------------------------------------------
// ReplaceAll

struct ReplaceCase {
  std::string text;
  std::string replacement;
  std::string expected;
};

const ReplaceCase kReplaceCases[] = {
    {"/open %1", "C:\\Data", "/open C:\\Data"},
    {"%%1", "C:\\Data", "%C:\\Data"},
    {"%10", "C:\\Data", "C:\\Data0"},
    {"%2 %1", "C:\\Data", "%2 C:\\Data"},
    {"%1 /x %1", "C:\\Data", "C:\\Data /x C:\\Data"},
    {"%1%1", "C:", "C:C:"},
    // A folder whose name holds "%1" is inserted once per occurrence, never searched again.
    {"%1|%1", "C:\\a%1b", "C:\\a%1b|C:\\a%1b"},
    {"%1", "%1%1", "%1%1"},
    {"%1 x", "", " x"},
    {"%", "C:\\Data", "%"},
    {"%PATH% %1", "C:\\Data", "%PATH% C:\\Data"},
    {"", "C:\\Data", ""},
};

void PrintTo(const ReplaceCase& c, std::ostream* os) {
  *os << '"' << c.text << "\" with \"" << c.replacement << '"';
}

class ReplaceAllTable : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceAllTable, ReplacesEachPlaceholderOnce) {
  const ReplaceCase& c = GetParam();
  std::string text = c.text;
  EXPECT_EQ(c.expected, ReplaceAll(text, "%1", c.replacement));
  EXPECT_EQ(c.expected, text) << "changed in place";
}

INSTANTIATE_TEST_SUITE_P(Table, ReplaceAllTable, ::testing::ValuesIn(kReplaceCases));

// ---------------------------------------------------------------------------------------
// The configured launch, end to end through the action

using Ini = std::map<std::pair<std::string, std::string>, std::string>;

Ini Viewer(const std::string& name, const std::string& commandLine,
           const std::string& directory = "", const std::string& environment = "") {
  Ini ini = {{{"Morvaset", "Application"}, "Viewer"},
             {{"Viewer", "ApplicationName"}, name},
             {{"Viewer", "CommandLine"}, commandLine}};
  if (!directory.empty()) ini[{"Viewer", "CurrentDirectory"}] = directory;
  if (!environment.empty()) ini[{"Viewer", "Environment"}] = environment;
  return ini;
}

struct LaunchCase {
  const char* name;
  std::string target;
  Ini ini;
  std::optional<std::string> commandLine;  // nullopt: nothing started
  std::optional<std::string> currentDirectory;
  std::optional<std::string> path;  // the Path the application sees; nullopt: none set
};

const std::string kFolder200 = "C:\\" + std::string(196, 'f');

const LaunchCase kLaunchCases[] = {
    {"WorkedExample", "C:\\Work\\Notes\\list.txt",
     Viewer("C:\\Tools\\viewer.exe", "/open %1", "%1", "C:\\Tools\\bin"),
     "C:\\Tools\\viewer.exe /open C:\\Work\\Notes", "C:\\Work\\Notes",
     "C:\\Tools\\bin;C:\\Windows"},
    {"NoSelectorSectionUsesExplorer", "C:\\Data\\Report.txt",
     {{{"Explorer", "ApplicationName"}, "explorer.exe"}, {{"Explorer", "CommandLine"}, "/e,%1"}},
     "explorer.exe /e,C:\\Data", std::nullopt, "C:\\Windows"},
    {"SelectorWithoutApplicationKeyUsesExplorer", "C:\\Data\\Report.txt",
     {{{"Morvaset", "Other"}, "Viewer"}, {{"Explorer", "ApplicationName"}, "explorer.exe"}},
     "explorer.exe ", std::nullopt, "C:\\Windows"},
    {"SelectedSectionMissing", "C:\\Data\\Report.txt",
     {{{"Morvaset", "Application"}, "Nowhere"}, {{"Explorer", "ApplicationName"}, "e.exe"}},
     std::nullopt, std::nullopt, "C:\\Windows"},
    {"EmptyApplicationNameTouchesNoPath", "C:\\Data\\Report.txt",
     Viewer("", "/open %1", "%1", "C:\\Tools\\bin"), std::nullopt, std::nullopt, "C:\\Windows"},
    {"EmptyCommandLineLeavesTheBlank", "C:\\Data\\Report.txt", Viewer("C:\\v.exe", ""),
     "C:\\v.exe ", std::nullopt, "C:\\Windows"},
    {"PlaceholderInApplicationName", "C:\\Data\\Report.txt", Viewer("%1\\run.exe", "-x"),
     "C:\\Data\\run.exe -x", std::nullopt, "C:\\Windows"},
    {"TargetInADriveRoot", "C:\\Report.txt", Viewer("v.exe", "%1", "%1"), "v.exe C:", "C:",
     "C:\\Windows"},
    {"TargetIsAFolder", "C:\\Data\\Sub", Viewer("v.exe", "%1"), "v.exe C:\\Data", std::nullopt,
     "C:\\Windows"},
    {"DriveRoot", "D:\\", Viewer("v.exe", "\"%1\""), "v.exe \"D:\"", std::nullopt,
     "C:\\Windows"},
    {"DoubleByteFolder", "C:\\\x95\x5C\\a.txt", Viewer("v.exe", "%1", "%1"),
     "v.exe C:\\\x95\x5C", "C:\\\x95\x5C", "C:\\Windows"},
    {"WorkingDirectoryBelowTheFolder", "C:\\Data\\Report.txt", Viewer("v.exe", "", "%1\\out"),
     "v.exe ", "C:\\Data\\out", "C:\\Windows"},
    {"EnvironmentIsNotExpanded", "C:\\Data\\Report.txt",
     Viewer("v.exe", "", "", "%1;%SystemRoot%"), "v.exe ", std::nullopt,
     "%1;%SystemRoot%;C:\\Windows"},
    {"TargetWithoutBackslashReadsNothing", "Report.txt", Viewer("v.exe", "%1"), std::nullopt,
     std::nullopt, "C:\\Windows"},
    // 519 bytes exactly still fit the buffer that held CommandLine.
    {"CommandLineOf519Bytes", "C:\\Data\\Report.txt", Viewer("v.exe", std::string(513, 'a')),
     "v.exe " + std::string(513, 'a'), std::nullopt, "C:\\Windows"},
    // Longer texts go whole, from a buffer of their own size.
    {"OverlongCommandLineGoesWhole", kFolder200 + "\\Report.txt",
     Viewer(std::string(519, 'n'), "%1 %1 %1"),
     std::string(519, 'n') + " " + kFolder200 + " " + kFolder200 + " " + kFolder200,
     std::nullopt, "C:\\Windows"},
    {"OverlongWorkingDirectoryGoesWhole", kFolder200 + "\\Report.txt",
     Viewer("v.exe", "", "%1\\%1\\%1"), "v.exe ",
     kFolder200 + "\\" + kFolder200 + "\\" + kFolder200, "C:\\Windows"},
};

void PrintTo(const LaunchCase& c, std::ostream* os) { *os << c.name; }

class ConfiguredLaunch : public ::testing::TestWithParam<LaunchCase> {};

TEST_P(ConfiguredLaunch, StartsTheConfiguredCommand) {
  const LaunchCase& c = GetParam();
  ResetLaunch();
  Fake().attributes[kConfig] = kFile;
  launch.ini = c.ini;
  launch.environment["Path"] = "C:\\Windows";

  EXPECT_EQ(c.commandLine.has_value(), ToolAction(c.target));
  EXPECT_TRUE(Fake().boxes.empty());
  for (const std::string& file : launch.profileFiles) EXPECT_EQ(kConfig, file);
  if (!c.commandLine) {
    EXPECT_TRUE(launch.started.empty());
    EXPECT_EQ("C:\\Windows", launch.environment["Path"]) << "Path is left alone";
    return;
  }
  ASSERT_EQ(1u, launch.started.size());
  EXPECT_EQ(*c.commandLine, launch.started[0].commandLine);
  EXPECT_EQ(c.currentDirectory, launch.started[0].currentDirectory);
  EXPECT_EQ(c.path, launch.started[0].path);
}

INSTANTIATE_TEST_SUITE_P(Table, ConfiguredLaunch, ::testing::ValuesIn(kLaunchCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ConfiguredLaunchCalls, NoBackslashMeansTheConfigurationIsNotEvenLookedFor) {
  ResetLaunch();
  EXPECT_FALSE(ToolAction("Report.txt"));
  EXPECT_EQ("", CallSequence());
}

TEST(ConfiguredLaunchCalls, EmptyEnvironmentNeitherReadsNorWritesPath) {
  ResetLaunch();
  Fake().attributes[kConfig] = kFile;
  launch.ini = Viewer("v.exe", "%1", "%1");
  EXPECT_TRUE(ToolAction("C:\\Data\\Report.txt"));
  EXPECT_EQ(
      "GetModuleFileName GetFileAttributes GetPrivateProfileString GetPrivateProfileString "
      "GetPrivateProfileString GetPrivateProfileString GetPrivateProfileString CreateProcess",
      CallSequence());
}

TEST(ConfiguredLaunchCalls, FailedStartIsFalseAndKeepsTheNewPath) {
  ResetLaunch();
  Fake().attributes[kConfig] = kFile;
  launch.ini = Viewer("missing.exe", "", "", "C:\\Tools\\bin");
  launch.startResult = false;
  EXPECT_FALSE(ToolAction("C:\\Data\\Report.txt"));
  EXPECT_EQ(1u, launch.started.size());
  EXPECT_TRUE(Fake().boxes.empty());
  EXPECT_EQ("C:\\Tools\\bin;", launch.environment["Path"]);
}

TEST(ConfiguredLaunchCalls, ValuesAreReadFromTheSectionAsNamed) {
  ResetLaunch();
  Fake().attributes[kConfig] = kFile;
  launch.ini = {{{"Morvaset", "Application"}, "My Viewer"},
                {{"My Viewer", "ApplicationName"}, "v.exe"},
                {{"My Viewer", "CommandLine"}, std::string(600, 'c')}};
  EXPECT_TRUE(ToolAction("C:\\Data\\Report.txt"));
  ASSERT_EQ(1u, launch.started.size());
  // A value arrives cut to the 519 bytes that its buffer holds.
  EXPECT_EQ("v.exe " + std::string(519, 'c'), launch.started[0].commandLine);
}

// ---------------------------------------------------------------------------------------
// The configuration file that cannot be found

struct MissingConfigCase {
  const char* name;
  std::string modulePath;
  std::uint32_t moduleResult;  // 0: the path's length
  std::map<std::string, std::uint32_t> existing;
  std::optional<std::string> box;  // nullopt: no box, and nothing started either
};

const std::string kNotFound = MessageText[NotFoundSuffix];

const MissingConfigCase kMissingConfigCases[] = {
    {"FileMissing", "C:\\Apps\\Open\\open-folder-with.exe", 0, {},
     kConfig + kNotFound},
    {"OtherExtension", "C:\\Apps\\Open\\open-folder-with.com", 0, {{kConfig, kFile}},
     MessageText[ConfigMissing]},
    {"ModulePathUnavailable", "", 0, {{"Morvaset.ini", kFile}}, MessageText[ConfigMissing]},
    // A cut module path could name another folder; it counts as none.
    {"ModulePathCut", "C:\\Apps\\Open\\open-folder-with.exe", kMaxPath, {{kConfig, kFile}},
     MessageText[ConfigMissing]},
    {"FolderTooDeep", "C:\\d" + kDeepest + "x.exe", 0, {}, MessageText[ConfigMissing]},
    // A folder of that name passes; the reader finds nothing in it, so nothing starts.
    {"FolderNamedMorvasetIni", "C:\\Apps\\Open\\open-folder-with.exe", 0,
     {{kConfig, kDirectory}}, std::nullopt},
};

void PrintTo(const MissingConfigCase& c, std::ostream* os) { *os << c.name; }

class MissingConfig : public ::testing::TestWithParam<MissingConfigCase> {};

TEST_P(MissingConfig, IsToldInAMorvasetBoxOrNotAtAll) {
  const MissingConfigCase& c = GetParam();
  ResetLaunch();
  launch.modulePath = c.modulePath;
  launch.moduleResult = c.moduleResult;
  Fake().attributes = c.existing;
  // What a real file would hold; only a file that was found may be read.
  if (c.existing.empty()) launch.ini = Viewer("v.exe", "%1");

  EXPECT_FALSE(ToolAction("C:\\Data\\Report.txt"));
  EXPECT_TRUE(launch.started.empty());
  if (c.box) {
    ASSERT_EQ(1u, Fake().boxes.size());
    EXPECT_EQ(*c.box, Fake().boxes[0].text);
    EXPECT_EQ("Morvaset", Fake().boxes[0].caption);
    EXPECT_TRUE(launch.profileFiles.empty()) << "nothing is read after the box";
  } else {
    EXPECT_TRUE(Fake().boxes.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(Table, MissingConfig, ::testing::ValuesIn(kMissingConfigCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------
// The new Path

struct PathCase {
  const char* name;
  std::string environment;
  std::optional<std::string> oldPath;  // nullopt: no such variable
  std::vector<std::uint32_t> readSizes;
};

const PathCase kPathCases[] = {
    {"Undefined", "C:\\Tools\\bin", std::nullopt, {1024}},
    {"Empty", "C:\\Tools\\bin", "", {1024}},
    {"Short", "C:\\Tools\\bin", "C:\\Windows", {1024}},
    {"Of1023BytesFitsTheFirstRead", "C:\\Tools\\bin", std::string(1023, 'p'), {1024}},
    {"Of1024BytesIsReadAgain", "C:\\Tools\\bin", std::string(1024, 'p'), {1024, 1025}},
    {"Of40000BytesIsReadAgain", "C:\\Tools\\bin", std::string(40000, 'p'), {1024, 40001}},
    {"EnvironmentEndingInSemicolon", "C:\\Tools\\bin;", "C:\\Windows", {1024}},
    {"LongestEnvironment", std::string(519, 'e'), "C:\\Windows", {1024}},
};

void PrintTo(const PathCase& c, std::ostream* os) { *os << c.name; }

class NewPath : public ::testing::TestWithParam<PathCase> {};

TEST_P(NewPath, IsTheEnvironmentASemicolonAndTheWholeOldPath) {
  const PathCase& c = GetParam();
  ResetLaunch();
  if (c.oldPath) launch.environment["Path"] = *c.oldPath;
  // Nothing is tidied: a trailing ";" of the configured text gives two in a row.
  EXPECT_EQ(c.environment + ";" + c.oldPath.value_or(""), BuildNewPath(c.environment.c_str()));
  EXPECT_EQ(c.readSizes, launch.pathReadSizes);
}

INSTANTIATE_TEST_SUITE_P(Table, NewPath, ::testing::ValuesIn(kPathCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------
// The writable copies handed to the platform

TEST(WritableCopy, UsesTheFixedBufferUpTo519BytesAndABufferOfItsOwnBeyond) {
  for (const std::size_t length : {0u, 1u, 519u, 520u, 5000u}) {
    SCOPED_TRACE(length);
    const std::string text(length, 'x');
    std::vector<char> fixed(kSettingSize, '\xAB');  // exactly kSettingSize, for the sanitizer
    std::vector<char> larger;
    const char* copy = WritableCopy(text, fixed.data(), larger);
    EXPECT_EQ(text, std::string(copy));
    EXPECT_EQ(length < kSettingSize, copy == fixed.data());
  }
}

}  // namespace
