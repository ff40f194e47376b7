// The chooser's info texts and the confirmation of its draw list.

#include "site/EntryInfo.h"
#include "site/ModelBuilder.h"
#include "site/SiteDraw.h"
#include "site/SitePipeline.h"
#include "support/TestWorkspace.h"

namespace tallowby::test {
namespace {

class EntryInfoTest : public WorkspaceTest {
protected:
    void SetUp() override {
        WorkspaceTest::SetUp();
        ResetSitePipeline();
        ModelBuilder model("chr1");
        model.AddGene("G", 100, 600);
        model.AddTranscript("first", {Utr5(100, 150), Cds(150, 200), Cds(300, 400), Utr3(500, 600)});
        model.AddTranscript("second", {Cds(150, 200), Cds(300, 400), Utr3(450, 470)});
        FindSiteStructures("gtf", "chr1", 170, 350);
        PrepareDrawOrder("chr1", 170, 350);
    }
};

TEST_F(EntryInfoTest, AllStructMarksThePartsTouchingTheSite) {
    ASSERT_EQ(SitePipeline().structureByEntry.count("first&second"), 1u);
    EXPECT_EQ(BuildEntryInfo(EntryInfoMode::AllStruct, "first&second"),
              "( * means having intersection with input site)\r\n\r\n"
              "first\r\n"
              "  100\t150\tfive_prime_UTR\t+\r\n"
              "*150\t200\tCDS\t+\r\n"
              "*300\t400\tCDS\t+\r\n"
              "  500\t600\tthree_prime_UTR\t+\r\n"
              "\r\nsecond\r\n"
              "*150\t200\tCDS\t+\r\n"
              "*300\t400\tCDS\t+\r\n"
              "  450\t470\tthree_prime_UTR\t+\r\n");
}

TEST_F(EntryInfoTest, DrawStructClipsTheFirstIsoformToTheSite) {
    EXPECT_EQ(BuildEntryInfo(EntryInfoMode::DrawStruct, "first&second"),
              "first&second\r\n170\t200\tCDS\t+\r\n300\t350\tCDS\t+\r\n");
}

TEST_F(EntryInfoTest, ProStructShowsTheStructureText) {
    EXPECT_EQ(BuildEntryInfo(EntryInfoMode::ProStruct, "first&second"),
              "first&second\r\nCDS\t30\r\nintron\t100\r\nCDS\t50\r\n\r\n");
}

TEST_F(EntryInfoTest, ConfirmGivesPositionsAndRefusesAnEmptyChoice) {
    SitePipeline().drawOrder = {{"a", 1}, {"b", 1}, {"c", 1}};
    EXPECT_TRUE(ConfirmDrawOrder({"c", "a"}));
    EXPECT_EQ(SitePipeline().drawOrder, (std::map<std::string, int>{{"a", 1}, {"b", -1}, {"c", 0}}));
    EXPECT_EQ(SitePipeline().chooserStatus, 0);

    SitePipeline().chooserStatus = -1;
    EXPECT_FALSE(ConfirmDrawOrder({}));
    EXPECT_EQ(platform->MessageTexts(), std::vector<std::string>{"Please choose at least one isoform"});
    EXPECT_EQ(platform->messages[0].kind, MessageKind::Notice);
    EXPECT_EQ(SitePipeline().drawOrder, (std::map<std::string, int>{{"a", -1}, {"b", -1}, {"c", -1}}));
    EXPECT_EQ(SitePipeline().chooserStatus, -1);

    // A site without genes has nothing to choose: the empty choice draws the no-gene circle.
    SitePipeline().drawOrder.clear();
    EXPECT_TRUE(ConfirmDrawOrder({}));
    EXPECT_EQ(SitePipeline().chooserStatus, 0);
}

}  // namespace
}  // namespace tallowby::test
