// The R runner's checks, in order, before anything runs.

#include "app/SharedState.h"
#include "app/Workspace.h"
#include "formats/CircleFormat.h"
#include "site/CircleDrawing.h"
#include "site/SitePipeline.h"
#include "support/TestWorkspace.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace tallowby::test {
namespace {

class CircleDrawingTest : public WorkspaceTest {
protected:
    void SetUp() override {
        WorkspaceTest::SetUp();
        ResetSitePipeline();
        ResetCircleFormat();
        SitePipeline().drawSite = {"chr1", 10, 20};
        platform->runProgramsForReal = false;
    }
    std::string SiteFolder() { return workspace + "output/R_result/chr1_10_20"; }
    void MakeAll() {
        fs::create_directories(SiteFolder());
        WriteFile(workspace + "R_script/Setting/circ_format.txt", "Blue\n");
        WriteFile(workspace + "R_script/Setting/seq_format.txt", "green_yellow\n");
        for (const char* script : {"3D.R", "2D.R", "3D_seq.R", "2D_seq.R"})
            WriteFile(workspace + "R_script/Scripts/" + script, "\n");
    }
};

TEST_F(CircleDrawingTest, EachMissingInputStopsWithItsHint) {
    EXPECT_FALSE(RunCircleDrawing("site"));
    fs::create_directories(SiteFolder());
    EXPECT_FALSE(RunCircleDrawing("site"));
    WriteFile(workspace + "R_script/Setting/circ_format.txt", "Blue\n");
    EXPECT_FALSE(RunCircleDrawing("site"));
    EXPECT_FALSE(RunCircleDrawing("sequence"));
    WriteFile(workspace + "R_script/Scripts/3D_seq.R", "\n");
    EXPECT_FALSE(RunCircleDrawing("sequence"));
    EXPECT_EQ(platform->MessageTexts(),
              (std::vector<std::string>{
                  SiteFolder() + " does not exist.\nPlease go to menu->draw->site to make it.",
                  workspace + "R_script/Setting/circ_format.txt does not exist.\nPlease go to "
                              "menu->draw->format->circle struct to make it.",
                  workspace + "R_script/Scripts/3D.R does not exist.\n",
                  workspace + "R_script/Scripts/3D_seq.R does not exist.\n",
                  workspace + "R_script/Setting/seq_format.txt does not exist.\nPlease go to "
                              "menu->draw->format->sequence to make it."}));
    EXPECT_TRUE(platform->programRuns.empty());
}

TEST_F(CircleDrawingTest, CommandLinesOfBothKindsAndBothScripts) {
    MakeAll();
    ASSERT_TRUE(RunCircleDrawing("site"));
    CircleFormatState().circleDraw2D = 1;
    ASSERT_TRUE(RunCircleDrawing("sequence"));
    const std::string scripts = workspace + "R_script/Scripts/", settings = workspace + "R_script/Setting/";
    ASSERT_EQ(platform->programRuns.size(), 2u);
    EXPECT_EQ(platform->programRuns[0], (std::vector<std::string>{"Rscript", scripts + "3D.R", SiteFolder(),
                                                                  settings + "circ_format.txt",
                                                                  SiteFolder() + "/circle.pdf"}));
    EXPECT_EQ(platform->programRuns[1],
              (std::vector<std::string>{"Rscript", scripts + "2D_seq.R", SiteFolder(), settings + "circ_format.txt",
                                        settings + "seq_format.txt", SiteFolder() + "/circle_seq.pdf"}));
    EXPECT_EQ(platform->opened, (std::vector<std::string>{SiteFolder() + "/circle.pdf", SiteFolder() + "/circle_seq.pdf"}));
}

TEST_F(CircleDrawingTest, OtherKindsRunNothing) {
    MakeAll();
    EXPECT_TRUE(RunCircleDrawing("custom"));
    EXPECT_TRUE(platform->programRuns.empty());
}

TEST_F(CircleDrawingTest, CustomRFolderWithoutRscript) {
    MakeAll();
    Shared().rPathMode = 1;
    Shared().rBinPath = workspace + "R";
    EXPECT_FALSE(RunCircleDrawing("site"));
    EXPECT_EQ(platform->MessageTexts(), std::vector<std::string>{workspace + "R/Rscript does not exist.\nPlease go to "
                                                                             "menu->config->path to reset it."});
    EXPECT_TRUE(platform->programRuns.empty());
}

TEST_F(CircleDrawingTest, NonZeroExitIsReportedAndNothingOpens) {
    MakeAll();
    platform->fakeExitStatus = 1;
    EXPECT_FALSE(RunCircleDrawing("site"));
    ASSERT_EQ(platform->messages.size(), 1u);
    EXPECT_EQ(platform->messages[0].text.rfind("Failed when running\nRscript  \"", 0), 0u);
    EXPECT_TRUE(platform->opened.empty());
}

TEST_F(CircleDrawingTest, RefusedFitWritesAndRunsNothing) {
    MakeAll();
    for (int i = 0; i < 5; ++i) SitePipeline().drawOrder["e" + std::to_string(i)] = i;
    SitePipeline().structureByEntry = {{"e0", "CDS\t1\n"}};
    CircleDrawRequest request;
    request.chrom = "chr1";
    request.start = 10;
    request.end = 20;
    EXPECT_EQ(DrawSiteCircle(request), DrawOutcome::FitRefused);
    EXPECT_EQ(Shared().noticeText.rfind("There are 5 iosforms, the sum of width and interval of "
                                        "circle-gene-format-setting is 100.0%",
                                        0),
              0u);
    EXPECT_FALSE(fs::exists(SiteFolder() + "/info.txt"));
    EXPECT_TRUE(platform->programRuns.empty());
    EXPECT_TRUE(platform->messages.empty());
}

}  // namespace
}  // namespace tallowby::test
