// Start-up: the workspace path, its folder tree, the resources and the default settings files.

#include "app/Workspace.h"
#include "support/TestWorkspace.h"

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace tallowby::test {
namespace {

class StartUpTest : public WorkspaceTest {
protected:
    void SetUp() override {
        WorkspaceTest::SetUp();
        home = MakeTempFolder("home");
        const char* oldHome = std::getenv("HOME");
        savedHome = oldHome ? oldHome : "";
        ::setenv("HOME", home.c_str(), 1);
        resources = MakeTempFolder("resources");
        platform->executableFolder = resources;
    }
    void TearDown() override {
        ::setenv("HOME", savedHome.c_str(), 1);
        fs::remove_all(home);
        fs::remove_all(resources);
        WorkspaceTest::TearDown();
    }
    bool Start(bool keepSettings = false) {
        StartOptions options;
        options.workspace = workspace;
        options.keepSettingsFiles = keepSettings;
        return StartWorkspace(options);
    }
    std::string home, savedHome, resources;
};

TEST_F(StartUpTest, CreatesTheTreeAndDefaultSettings) {
    ASSERT_TRUE(Start());
    for (const char* folder : {"R_script/Scripts", "R_script/Setting", "database", "output/blast_result",
                               "output/OpenGL", "output/R_result", "output/SiteInfo_result", "output/tools/chrom_len",
                               "output/tools/circle_distribution/made_file", "output/tools/circle_distribution/png"})
        EXPECT_TRUE(fs::is_directory(workspace + folder)) << folder;
    EXPECT_EQ(ReadFile(workspace + "R_script/Setting/circ_format.txt"),
              "Blue\n10_4\t5_5\nunclockwise\nshow_UTR\nno_gene_direction\n3D\n");
    EXPECT_EQ(ReadFile(workspace + "R_script/Setting/seq_format.txt"), "green_yellow\n2_2\nshow_mis\nshow_gap\n0.8\n");
    EXPECT_EQ(WorkspacePath(), workspace);
    EXPECT_EQ(fs::current_path().string() + "/", workspace);
    EXPECT_TRUE(platform->messages.empty());
}

TEST_F(StartUpTest, EveryStartRewritesTheSettingsAndKeepsOtherFiles) {
    ASSERT_TRUE(Start());
    WriteFile(workspace + "R_script/Setting/circ_format.txt", "Red\n");
    WriteFile(workspace + "R_script/Setting/seq_format.txt", "");
    WriteFile(workspace + "output/R_result/chr1_1_2/info.txt", "kept\n");
    ASSERT_TRUE(Start());
    EXPECT_EQ(ReadFile(workspace + "R_script/Setting/circ_format.txt"),
              "Blue\n10_4\t5_5\nunclockwise\nshow_UTR\nno_gene_direction\n3D\n");
    EXPECT_EQ(ReadFile(workspace + "R_script/Setting/seq_format.txt"), "green_yellow\n2_2\nshow_mis\nshow_gap\n0.8\n");
    EXPECT_EQ(ReadFile(workspace + "output/R_result/chr1_1_2/info.txt"), "kept\n");
}

TEST_F(StartUpTest, BatchStartKeepsEditedSettings) {
    ASSERT_TRUE(Start(true));
    WriteFile(workspace + "R_script/Setting/circ_format.txt", "Red\n");
    fs::remove(workspace + "R_script/Setting/seq_format.txt");
    ASSERT_TRUE(Start(true));
    EXPECT_EQ(ReadFile(workspace + "R_script/Setting/circ_format.txt"), "Red\n");
    EXPECT_EQ(ReadFile(workspace + "R_script/Setting/seq_format.txt"), "green_yellow\n2_2\nshow_mis\nshow_gap\n0.8\n");
}

TEST_F(StartUpTest, WarnsAboutAnNcbiConfigurationOncePerStart) {
    WriteFile(home + ".ncbirc", "[BLAST]\n");
    ASSERT_TRUE(Start());
    ASSERT_EQ(platform->messages.size(), 1u);
    EXPECT_EQ(platform->messages[0].text, "You would better delete " + home + ".ncbirc or local blast may break down.");
    EXPECT_EQ(platform->messages[0].kind, MessageKind::Notice);
    EXPECT_TRUE(fs::exists(home + ".ncbirc"));
}

TEST_F(StartUpTest, CopiesMissingResourcesWithoutOverwriting) {
    fs::create_directories(resources + "blast_bin");
    fs::create_symlink("/bin/true", resources + "blast_bin/blastn");
    WriteFile(resources + "R_script/Scripts/3D.R", "# shipped\n");
    WriteFile(resources + "R_script/Scripts/2D.R", "# shipped\n");
    WriteFile(resources + "output/tools/circle_distribution/circos.conf", "# shipped\n");
    WriteFile(resources + "R_script/Setting/circ_format.txt", "Red\n");
    WriteFile(workspace + "R_script/Scripts/2D.R", "# edited by the user\n");
    ASSERT_TRUE(Start());
    EXPECT_TRUE(fs::is_symlink(workspace + "blast_bin/blastn"));
    EXPECT_EQ(fs::read_symlink(workspace + "blast_bin/blastn"), "/bin/true");
    EXPECT_EQ(ReadFile(workspace + "R_script/Scripts/3D.R"), "# shipped\n");
    EXPECT_EQ(ReadFile(workspace + "R_script/Scripts/2D.R"), "# edited by the user\n");
    EXPECT_EQ(ReadFile(workspace + "output/tools/circle_distribution/circos.conf"), "# shipped\n");
    EXPECT_EQ(ReadFile(workspace + "R_script/Setting/circ_format.txt"),
              "Blue\n10_4\t5_5\nunclockwise\nshow_UTR\nno_gene_direction\n3D\n");
}

TEST_F(StartUpTest, WorkspaceComesFromOverrideEnvironmentOrExecutable) {
    std::string relative = "rel-ws";
    EXPECT_EQ(GetWorkspacePath(relative), fs::current_path().string() + "/rel-ws/");
    ::setenv("TALLOWBY_WORKSPACE", "/tmp/from env", 1);
    EXPECT_EQ(GetWorkspacePath(std::nullopt), "/tmp/from env/");
    EXPECT_EQ(GetWorkspacePath(std::string("/tmp/option")), "/tmp/option/");
    ::unsetenv("TALLOWBY_WORKSPACE");
    EXPECT_EQ(GetWorkspacePath(std::nullopt), resources);
}

TEST_F(StartUpTest, AWorkspaceThatCannotBeEnteredIsRefused) {
    std::string file = workspace + "plain-file";
    WriteFile(file, "x");
    StartOptions options;
    options.workspace = file;
    EXPECT_FALSE(StartWorkspace(options));
    ASSERT_EQ(platform->messages.size(), 1u);
    EXPECT_EQ(platform->messages[0].title, "Tallowby-Error");
    EXPECT_NE(platform->messages[0].text.find(file), std::string::npos);
}

}  // namespace
}  // namespace tallowby::test
