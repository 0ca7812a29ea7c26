// The command lines of the three Explorer tools, including the targets that no real
// shortcut produces.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "explorer_action.h"

namespace {
std::vector<std::string> started;
bool startResult = true;
}  // namespace

bool StartCommandLine(const std::string& commandLine) {
  started.push_back(commandLine);
  return startResult;
}

namespace {

constexpr char kNothing[] = "<nothing started>";

struct CommandCase {
  std::string target;
  std::string selectFolder;
  std::string selectTarget;
  std::string openFolder;
};

const CommandCase kCommandCases[] = {
    {"C:\\Data\\Report.txt", "explorer /n,/select,\"C:\\Data\"",
     "explorer /n,/select,\"C:\\Data\\Report.txt\"", "explorer /n,\"C:\\Data\""},
    {"C:\\Report.txt", "explorer /n,/select,\"C:\"", "explorer /n,/select,\"C:\\Report.txt\"",
     "explorer /n,\"C:\""},
    {"C:\\Data\\Sub", "explorer /n,/select,\"C:\\Data\"", "explorer /n,/select,\"C:\\Data\\Sub\"",
     "explorer /n,\"C:\\Data\""},
    {"D:\\", "explorer /n,/select,\"D:\"", "explorer /n,/select,\"D:\\\"", "explorer /n,\"D:\""},
    {"\\Report.txt", "explorer /n,/select,\"\"", "explorer /n,/select,\"\\Report.txt\"",
     "explorer /n,\"\""},
    {"C:\\My Data\\a b.txt", "explorer /n,/select,\"C:\\My Data\"",
     "explorer /n,/select,\"C:\\My Data\\a b.txt\"", "explorer /n,\"C:\\My Data\""},
    {"C:\\\x95\x5C\\a.txt", "explorer /n,/select,\"C:\\\x95\x5C\"",
     "explorer /n,/select,\"C:\\\x95\x5C\\a.txt\"", "explorer /n,\"C:\\\x95\x5C\""},
    {"Report.txt", kNothing, "explorer /n,/select,\"Report.txt\"", kNothing},
    {"C:/Data/Report.txt", kNothing, "explorer /n,/select,\"C:/Data/Report.txt\"", kNothing},
    {"C:\\" + std::string(256, 'x'), "explorer /n,/select,\"C:\"",
     "explorer /n,/select,\"C:\\" + std::string(256, 'x') + "\"", "explorer /n,\"C:\""},
};

void PrintTo(const CommandCase& c, std::ostream* os) {
  *os << "target of " << c.target.size() << " bytes";
}

std::string StartedBy(const ExplorerSettings& settings, const std::string& target) {
  started.clear();
  const bool result = RunExplorerAction(settings, target);
  EXPECT_EQ(started.empty() ? 0u : 1u, started.size());
  EXPECT_EQ(!started.empty(), result);
  return started.empty() ? kNothing : started.front();
}

class ExplorerCommandLines : public ::testing::TestWithParam<CommandCase> {};

TEST_P(ExplorerCommandLines, AreThePrefixAndTheQuotedPath) {
  const CommandCase& c = GetParam();
  EXPECT_EQ(c.selectFolder, StartedBy(SelectFolderSettings, c.target));
  EXPECT_EQ(c.selectTarget, StartedBy(SelectTargetSettings, c.target));
  EXPECT_EQ(c.openFolder, StartedBy(OpenFolderSettings, c.target));
}

INSTANTIATE_TEST_SUITE_P(Table, ExplorerCommandLines, ::testing::ValuesIn(kCommandCases));

TEST(ExplorerAction, LongestTargetFitsWhole) {
  const std::string target = "C:\\" + std::string(255, 'a') + ".tx";  // 260 bytes
  std::string commandLine;
  ASSERT_TRUE(BuildExplorerCommandLine(SelectTargetSettings, target.substr(0, 259), commandLine));
  EXPECT_EQ(281u, commandLine.size());
}

TEST(ExplorerAction, FailedStartIsReportedAsFalse) {
  startResult = false;
  started.clear();
  EXPECT_FALSE(RunExplorerAction(SelectTargetSettings, "C:\\Data\\Report.txt"));
  EXPECT_EQ(1u, started.size());
  startResult = true;
}

}  // namespace
