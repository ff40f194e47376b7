// The built programs run as a user runs them: exit statuses, what goes to stdout and stderr,
// workspace handling.

#include "support/TestWorkspace.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace tallowby::test {
namespace {

const std::string kCli = TALLOWBY_BIN_DIR "/tallowby-cli";
const std::string kGui = TALLOWBY_BIN_DIR "/tallowby";
const char kCircleDefaults[] = "Blue\n10_4\t5_5\nunclockwise\nshow_UTR\nno_gene_direction\n3D\n";

class CliTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = MakeTempFolder("cli");
        home = folder + "home/";
        fs::create_directories(home);
    }
    void TearDown() override {
        if (!HasFailure()) fs::remove_all(folder);
    }
    // Runs a command from the test folder with a clean HOME and no workspace in the environment.
    CommandOutput Run(const std::string& arguments) {
        return RunShell("cd " + ShellQuote(folder) + " && env -u TALLOWBY_WORKSPACE HOME=" + ShellQuote(home) + " " +
                        arguments);
    }
    std::string folder, home;
};

TEST_F(CliTest, VersionAndHelp) {
    CommandOutput version = Run(kCli + " --version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "tallowby-cli 1.0\n");
    CommandOutput help = Run(kCli + " --help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--workspace"), std::string::npos);
    EXPECT_NE(help.out.find("workspace"), std::string::npos);
}

TEST_F(CliTest, WrongCommandLineExitsTwoWithUsageOnStderr) {
    for (const char* arguments : {" --no-such-option workspace", "", " no-such-command", " --workspace"}) {
        CommandOutput result = Run(kCli + arguments);
        EXPECT_EQ(result.status, 2) << arguments;
        EXPECT_EQ(result.out, "") << arguments;
        EXPECT_NE(result.err.find("Usage:"), std::string::npos) << arguments;
    }
}

TEST_F(CliTest, RelativeWorkspaceIsMadeAbsoluteAndPrepared) {
    CommandOutput result = Run(kCli + " --workspace 'my work/ä' workspace");
    ASSERT_EQ(result.status, 0) << result.err;
    std::string workspace = folder + "my work/ä/";
    EXPECT_EQ(result.out, "workspace\t" + workspace + "\n");
    EXPECT_EQ(result.err, "");
    EXPECT_TRUE(fs::is_directory(workspace + "output/tools/circle_distribution/png"));
    EXPECT_EQ(ReadFile(workspace + "R_script/Setting/circ_format.txt"), kCircleDefaults);
    EXPECT_TRUE(fs::exists(workspace + "blast_bin/blastn"));
}

TEST_F(CliTest, EnvironmentChoosesTheWorkspace) {
    CommandOutput result = RunShell("cd " + ShellQuote(folder) + " && HOME=" + ShellQuote(home) +
                                    " TALLOWBY_WORKSPACE=env-ws " + kCli + " workspace");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "workspace\t" + folder + "env-ws/\n");
}

TEST_F(CliTest, BatchRunsKeepEditedSettingsFiles) {
    std::string workspace = folder + "ws/";
    ASSERT_EQ(Run(kCli + " --workspace ws workspace").status, 0);
    WriteFile(workspace + "R_script/Setting/circ_format.txt", "Red\n10_4\t5_5\nclockwise\nshow_UTR\nno_gene_direction\n2D\n");
    ASSERT_EQ(Run(kCli + " --workspace ws workspace").status, 0);
    EXPECT_EQ(ReadFile(workspace + "R_script/Setting/circ_format.txt"),
              "Red\n10_4\t5_5\nclockwise\nshow_UTR\nno_gene_direction\n2D\n");
}

TEST_F(CliTest, NcbiWarningGoesToStderrInItsConsoleForm) {
    WriteFile(home + ".ncbirc", "[BLAST]\n");
    CommandOutput result = Run(kCli + " --workspace ws workspace");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "Tallowby-Message: You would better delete " + home + ".ncbirc or local blast may break down.\n");
    EXPECT_EQ(result.out, "workspace\t" + folder + "ws/\n");
}

TEST_F(CliTest, UnusableWorkspaceFails) {
    WriteFile(folder + "a-file", "x");
    CommandOutput result = Run(kCli + " --workspace a-file workspace");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err.rfind("Tallowby-Error: ", 0), 0u) << result.err;
}

TEST_F(CliTest, GuiStartRewritesSettingsAndPicturesEveryForm) {
    std::string workspace = folder + "gui ws/";
    std::string pictures = folder + "forms/";
    std::string grab = "QT_QPA_PLATFORM=offscreen " + kGui + " --workspace 'gui ws' --grab-forms forms";
    ASSERT_EQ(Run(grab).status, 0);
    WriteFile(workspace + "R_script/Setting/circ_format.txt", "Red\n");
    WriteFile(workspace + "R_script/Setting/seq_format.txt", "x\n");
    CommandOutput second = Run(grab);
    ASSERT_EQ(second.status, 0) << second.err;
    EXPECT_EQ(ReadFile(workspace + "R_script/Setting/circ_format.txt"), kCircleDefaults);
    EXPECT_EQ(ReadFile(workspace + "R_script/Setting/seq_format.txt"), "green_yellow\n2_2\nshow_mis\nshow_gap\n0.8\n");
    for (const char* form : {"CTallowbyDlg", "CAboutDlg", "CDLGAbout", "CDLGConfigPath", "CDLGConfigDBFormat",
                             "CDLGErrCircConfig"}) {
        std::string picture = pictures + form + ".png";
        ASSERT_TRUE(fs::exists(picture)) << picture;
        EXPECT_EQ(ReadFile(picture).substr(1, 3), "PNG");
        EXPECT_GT(fs::file_size(picture), 500u) << picture;
    }
}

}  // namespace
}  // namespace tallowby::test
