// Where each external tool is found, and how Apply takes the Tool Path form's choice over.

#include "app/DatabaseFormat.h"
#include "app/SharedState.h"
#include "app/ToolPaths.h"
#include "app/Workspace.h"
#include "support/TestWorkspace.h"

#include <filesystem>

namespace tallowby::test {
namespace {

class ToolPathsTest : public WorkspaceTest {
protected:
    std::string MakeToolFolder(const std::string& name, std::initializer_list<const char*> programs) {
        std::string folder = workspace + name;
        std::filesystem::create_directories(folder);
        for (const char* program : programs) WriteFile(folder + "/" + program, "#!/bin/sh\n");
        return folder;
    }
};

struct ResolveCase {
    int mode;
    const char* workspace;  // "" for the test's own
    const char* expected;   // %W the workspace path; "" for refused
};

class ResolveBlast : public ToolPathsTest, public ::testing::WithParamInterface<ResolveCase> {};

TEST_P(ResolveBlast, ByModeAndBlank) {
    const ResolveCase& c = GetParam();
    if (*c.workspace) SetWorkspacePath(c.workspace);
    Shared().blastPathMode = c.mode;
    std::string expected = c.expected;
    if (size_t at = expected.find("%W"); at != std::string::npos) expected.replace(at, 2, WorkspacePath());
    EXPECT_EQ(ResolveBlastTool("makeblastdb").value_or(""), expected);
    EXPECT_TRUE(platform->messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Modes, ResolveBlast,
                         ::testing::Values(ResolveCase{0, "", "%Wblast_bin/makeblastdb"},
                                           ResolveCase{0, "/home/me/my work/", "blast_bin/makeblastdb"},
                                           ResolveCase{1, "", "makeblastdb"},
                                           ResolveCase{1, "/home/me/my work/", "makeblastdb"}));

TEST_F(ToolPathsTest, CustomBlastFolderMustHoldTheProgram) {
    Shared().blastPathMode = 2;
    Shared().blastBinPath = MakeToolFolder("blast", {"blastn"});
    EXPECT_EQ(ResolveBlastTool("blastn"), Shared().blastBinPath + "/blastn");
    EXPECT_FALSE(ResolveBlastTool("makeblastdb"));
    ASSERT_EQ(platform->messages.size(), 1u);
    EXPECT_EQ(platform->messages[0].text, Shared().blastBinPath +
                                              "/makeblastdb does not exist.\nPlease go to menu->config->path to reset it.");
    EXPECT_EQ(platform->messages[0].kind, MessageKind::SettingsProblem);
}

TEST_F(ToolPathsTest, CustomToolPathWithBlankIsRefused) {
    Shared().blastPathMode = 2;
    Shared().blastBinPath = MakeToolFolder("my blast", {"blastn"});
    EXPECT_FALSE(ResolveBlastTool("blastn"));
    Shared().rPathMode = 1;
    Shared().rBinPath = MakeToolFolder("my R", {"Rscript"});
    EXPECT_FALSE(ResolveRscript());
    // circos is started with its program quoted, so a blank is allowed there.
    Shared().circosPathMode = 1;
    Shared().circosBinPath = MakeToolFolder("my circos", {"circos"});
    EXPECT_EQ(ResolveCircos(), Shared().circosBinPath + "/circos");
    EXPECT_EQ(platform->MessageTexts(),
              (std::vector<std::string>{"The blast path " + Shared().blastBinPath + "/blastn should not contain space.",
                                        "The R path " + Shared().rBinPath + "/Rscript should not contain space."}));
}

TEST_F(ToolPathsTest, RAndCircosDefaultsComeFromTheSearchPath) {
    EXPECT_EQ(ResolveRscript(), "Rscript");
    EXPECT_EQ(ResolveCircos(), "circos");
    Shared().circosPathMode = 1;
    Shared().circosBinPath = workspace + "nothing";
    EXPECT_FALSE(ResolveCircos());
    EXPECT_EQ(platform->MessageTexts().at(0),
              workspace + "nothing/circos does not exist.\nPlease go to menu->config->path to reset it.");
}

ToolPathChoice CurrentChoice() {
    const FormState& s = Shared();
    return {s.blastPathMode, s.rPathMode, s.circosPathMode, s.blastBinPath, s.rBinPath, s.circosBinPath};
}

TEST_F(ToolPathsTest, ApplyWithNothingChangedSaysNotChanged) {
    EXPECT_EQ(ApplyToolPaths(CurrentChoice()), ApplyOutcome::NotChanged);
    ASSERT_EQ(platform->messages.size(), 1u);
    EXPECT_EQ(platform->messages[0].text, "Not changed!");
    EXPECT_EQ(platform->messages[0].kind, MessageKind::Information);
}

TEST_F(ToolPathsTest, ApplyTakesAValidCustomFolder) {
    ToolPathChoice choice = CurrentChoice();
    choice.rPathMode = 1;
    choice.rBinPath = MakeToolFolder("R", {"Rscript"});
    EXPECT_EQ(ApplyToolPaths(choice), ApplyOutcome::Saved);
    EXPECT_EQ(platform->MessageTexts(), std::vector<std::string>{"Saved!"});
    EXPECT_EQ(Shared().rPathMode, 1);
    EXPECT_EQ(Shared().rBinPath, choice.rBinPath);
}

TEST_F(ToolPathsTest, FailedCheckKeepsWhatWasTakenAndLeavesLaterPaths) {
    Shared().rBinPath = "/old/r";
    Shared().circosBinPath = "/old/circos";
    ToolPathChoice choice = CurrentChoice();
    choice.blastPathMode = 1;
    choice.rPathMode = 1;
    choice.rBinPath = MakeToolFolder("my R", {"Rscript"});
    choice.circosPathMode = 1;
    choice.circosBinPath = "/new/circos";
    EXPECT_EQ(ApplyToolPaths(choice), ApplyOutcome::Failed);
    EXPECT_EQ(platform->MessageTexts(),
              std::vector<std::string>{"The R path " + choice.rBinPath + " should not contain space."});
    // Modes are all taken first; the R path itself was taken before its check failed.
    EXPECT_EQ(Shared().blastPathMode, 1);
    EXPECT_EQ(Shared().rPathMode, 1);
    EXPECT_EQ(Shared().circosPathMode, 1);
    EXPECT_EQ(Shared().rBinPath, choice.rBinPath);
    EXPECT_EQ(Shared().circosBinPath, "/old/circos");
}

TEST_F(ToolPathsTest, CustomBlastFolderMustExist) {
    ToolPathChoice choice = CurrentChoice();
    choice.blastPathMode = 2;
    choice.blastBinPath = workspace + "absent";
    EXPECT_EQ(ApplyToolPaths(choice), ApplyOutcome::Failed);
    EXPECT_EQ(platform->MessageTexts(),
              std::vector<std::string>{"The input blast bin " + workspace + "absent dosn't exists."});
    choice.blastBinPath = MakeToolFolder("file-not-folder", {});
    std::filesystem::remove_all(choice.blastBinPath);
    WriteFile(choice.blastBinPath, "x");
    platform->Clear();
    EXPECT_EQ(ApplyToolPaths(choice), ApplyOutcome::Failed);
    EXPECT_EQ(platform->MessageTexts(),
              std::vector<std::string>{"The input blast bin " + choice.blastBinPath + " is not a directory."});
}

TEST(DatabaseFormat, EitherChoiceEmptiesTheDatabaseAndSetsTheLabel) {
    ResetSharedState();
    Shared().databasePath = "/data/g.fa";
    ChooseDatabaseFormat(1);
    EXPECT_EQ(Shared().databaseFormat, 1);
    EXPECT_EQ(Shared().databaseLabel, "Database list");
    EXPECT_EQ(Shared().databasePath, "");
    Shared().databasePath = "/data/list.txt";
    ChooseDatabaseFormat(1);
    EXPECT_EQ(Shared().databasePath, "");
    ChooseDatabaseFormat(0);
    EXPECT_EQ(Shared().databaseFormat, 0);
    EXPECT_EQ(Shared().databaseLabel, "Database(.fa)");
}

}  // namespace
}  // namespace tallowby::test
