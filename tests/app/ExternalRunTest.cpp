// Command texts are split without a shell and run for real, in the workspace.

#include "app/CommandLines.h"
#include "app/ExternalRun.h"
#include "support/TestWorkspace.h"

#include <sys/stat.h>

#include <filesystem>

namespace tallowby::test {
namespace {

struct SplitCase {
    const char* command;
    std::vector<std::string> arguments;
};

class SplitCommand : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitCommand, AsAShellWouldWithoutExpanding) {
    EXPECT_EQ(SplitCommandLine(GetParam().command), GetParam().arguments) << GetParam().command;
}

INSTANTIATE_TEST_SUITE_P(
    Commands, SplitCommand,
    ::testing::Values(SplitCase{"Rscript  \"a b\"  \"c\"", {"Rscript", "a b", "c"}},
                      SplitCase{"\"a b\"c", {"a bc"}}, SplitCase{"x \"\" y", {"x", "", "y"}},
                      SplitCase{"  lead   trail  ", {"lead", "trail"}},
                      SplitCase{"echo $HOME;rm `x` *", {"echo", "$HOME;rm", "`x`", "*"}},
                      SplitCase{"blastn -outfmt \"10 qseqid sseqid\" -word_size 20",
                                {"blastn", "-outfmt", "10 qseqid sseqid", "-word_size", "20"}},
                      SplitCase{"", {}}));

class RunCommandTest : public WorkspaceTest {
protected:
    // A script that records its arguments and working folder, then exits with the given status.
    std::string MakeScript(const std::string& path, int status) {
        WriteFile(path, "#!/bin/sh\npwd > \"$0.cwd\"\nfor a in \"$@\"; do echo \"$a\"; done > \"$0.args\"\nexit " +
                            std::to_string(status) + "\n");
        ::chmod(path.c_str(), 0755);
        return path;
    }
};

TEST_F(RunCommandTest, ExitStatusZeroIsSuccess) {
    std::string script = MakeScript(workspace + "ok.sh", 0);
    EXPECT_TRUE(RunCommand(script + "  \"first arg\"  \"second\""));
    EXPECT_EQ(ReadFile(script + ".args"), "first arg\nsecond\n");
    EXPECT_EQ(ReadFile(script + ".cwd"), workspace.substr(0, workspace.size() - 1) + "\n");
    EXPECT_TRUE(platform->messages.empty());
}

TEST_F(RunCommandTest, NonZeroStatusFailsAndShowsNothing) {
    std::string script = MakeScript(workspace + "fail.sh", 1);
    EXPECT_FALSE(RunCommand(script));
    EXPECT_TRUE(platform->messages.empty());
    ReportRunFailure(script);
    ASSERT_EQ(platform->messages.size(), 1u);
    EXPECT_EQ(platform->messages[0].text, "Failed when running\n" + script + ".");
    EXPECT_EQ(platform->messages[0].title, "Tallowby-Error");
}

TEST_F(RunCommandTest, MissingProgramFails) {
    EXPECT_FALSE(RunCommand(workspace + "no-such-program --help"));
    EXPECT_FALSE(RunCommand("tallowby-no-such-program-on-path"));
    EXPECT_FALSE(RunCommand(""));
}

TEST_F(RunCommandTest, QuotedProgramPathWithBlankRuns) {
    std::filesystem::create_directories(workspace + "my tools");
    std::string script = MakeScript(workspace + "my tools/run me.sh", 0);
    EXPECT_TRUE(RunCommand("\"" + script + "\"  \"x\""));
    EXPECT_EQ(ReadFile(script + ".args"), "x\n");
}

TEST_F(RunCommandTest, NothingInAnArgumentRunsAsACommand) {
    std::string script = MakeScript(workspace + "ok.sh", 0);
    std::string marker = workspace + "pwned";
    EXPECT_TRUE(RunCommand(script + " \"; touch " + marker + "\" $(touch " + marker + ")"));
    EXPECT_FALSE(std::filesystem::exists(marker));
}

TEST_F(RunCommandTest, RelativeProgramResolvesAgainstTheWorkspace) {
    std::filesystem::create_directories(workspace + "blast_bin");
    MakeScript(workspace + "blast_bin/tool", 0);
    EXPECT_TRUE(RunCommand("blast_bin/tool -x"));
}

TEST_F(RunCommandTest, PathWithDoubleQuoteIsRefusedBeforeRunning) {
    std::string script = MakeScript(workspace + "ok.sh", 0);
    std::optional<std::string> command = BuildRscriptCommand(script, {workspace + "bad\"name.R"});
    EXPECT_FALSE(command);
    ASSERT_EQ(platform->messages.size(), 1u);
    EXPECT_EQ(platform->messages[0].text, "The path " + workspace + "bad\"name.R should not contain a double quote.");
    EXPECT_EQ(platform->messages[0].title, "Tallowby-Error");
    EXPECT_TRUE(platform->programRuns.empty());
}

}  // namespace
}  // namespace tallowby::test
