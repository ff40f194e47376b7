// The site folder the R scripts read, byte for byte.

#include "site/CircleInfo.h"
#include "site/ModelBuilder.h"
#include "site/SitePipeline.h"
#include "support/TestWorkspace.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace tallowby::test {
namespace {

class CircleInfoTest : public WorkspaceTest {
protected:
    void SetUp() override {
        WorkspaceTest::SetUp();
        fs::create_directories(workspace + "output/R_result");
        ResetSitePipeline();
        ModelBuilder model("chr7");
        model.AddGene("G", 0, 1000);
        model.AddTranscript("plusA", {Cds(100, 200)});
        model.AddTranscript("plusB", {Cds(100, 200)});
        model.AddGene("M", 0, 1000, false);
        model.AddTranscript("minusC", {Cds(300, 400)}, false);
    }
    std::string Folder() { return workspace + "output/R_result/chr7_10_500/"; }
    void Prepare(std::map<std::string, std::string> entries, std::map<std::string, int> order) {
        SitePipeline().structureByEntry = std::move(entries);
        SitePipeline().drawOrder = std::move(order);
        SitePipeline().drawSite = {"chr7", 10, 500};
    }
};

TEST_F(CircleInfoTest, NoGeneSite) {
    Prepare({}, {});
    ASSERT_TRUE(WriteCircleInfo());
    EXPECT_EQ(ReadFile(Folder() + "no_gene"), "\"inter\"\t490\n");
    EXPECT_EQ(ReadFile(Folder() + "info.txt"), "1\nno_gene\nchr7_10_500\n0\n");
    EXPECT_EQ(SiteFolder(), workspace + "output/R_result/chr7_10_500");
}

TEST_F(CircleInfoTest, DrawnEntriesInOrderWithTheirStrand) {
    Prepare({{"plusA&plusB", "intron\t90\nCDS\t100\nintron\t300\n"}, {"minusC", "intron\t290\nCDS\t100\nintron\t100\n"}},
            {{"plusA&plusB", 0}, {"minusC", -1}});
    ASSERT_TRUE(WriteCircleInfo());
    EXPECT_EQ(ReadFile(Folder() + "info.txt"), "1\nplusA&plusB\nchr7_10_500\n+\n");
    EXPECT_EQ(ReadFile(Folder() + "plusA&plusB"), "intron\t90\nCDS\t100\nintron\t300\n\n");
    EXPECT_FALSE(fs::exists(Folder() + "minusC"));
    EXPECT_TRUE(platform->messages.empty());
}

TEST_F(CircleInfoTest, MixedStrandsAndOrderTiesByName) {
    Prepare({{"plusA&plusB", "CDS\t1\n"}, {"minusC", "CDS\t2\n"}}, {{"plusA&plusB", 1}, {"minusC", 0}});
    ASSERT_TRUE(WriteCircleInfo());
    EXPECT_EQ(ReadFile(Folder() + "info.txt"), "2\nminusC\tplusA&plusB\nchr7_10_500\n0\n");
    Prepare({{"plusA&plusB", "CDS\t1\n"}, {"minusC", "CDS\t2\n"}}, {{"plusA&plusB", 3}, {"minusC", 3}});
    ASSERT_TRUE(WriteCircleInfo());
    EXPECT_EQ(ReadFile(Folder() + "info.txt"), "2\nminusC\tplusA&plusB\nchr7_10_500\n0\n");
    Prepare({{"minusC", "CDS\t2\n"}}, {{"minusC", 0}});
    ASSERT_TRUE(WriteCircleInfo());
    EXPECT_EQ(ReadFile(Folder() + "info.txt"), "1\nminusC\nchr7_10_500\n-\n");
}

TEST_F(CircleInfoTest, NothingChosenAndOlderFilesStay) {
    WriteFile(Folder() + "earlier", "kept\n");
    Prepare({{"minusC", "CDS\t2\n"}}, {{"minusC", -1}});
    ASSERT_TRUE(WriteCircleInfo());
    EXPECT_EQ(ReadFile(Folder() + "info.txt"), "1\n\nchr7_10_500\n0\n");
    EXPECT_EQ(ReadFile(Folder() + "earlier"), "kept\n");
}

TEST_F(CircleInfoTest, EntryNamesThatCannotBeFileNamesGetShortUniqueOnes) {
    std::string longA = std::string(150, 'a') + "&" + std::string(150, 'b');
    std::string longB = std::string(150, 'a') + "&" + std::string(60, 'd');
    std::string slash = "ENST1/2&ENST3&ENST4";
    Prepare({{longA, "CDS\t1\n"}, {slash, "CDS\t2\n"}, {longB, "CDS\t3\n"}}, {{longA, 0}, {slash, 1}, {longB, 2}});
    ASSERT_TRUE(WriteCircleInfo());
    std::string shortA = std::string(150, 'a') + "&+1";
    EXPECT_EQ(ReadFile(Folder() + "info.txt"),
              "3\n" + shortA + "\tENST1_2&+2\t" + shortA + "~2\nchr7_10_500\n+\n");
    EXPECT_EQ(ReadFile(Folder() + shortA), "CDS\t1\n\n");
    EXPECT_EQ(ReadFile(Folder() + "ENST1_2&+2"), "CDS\t2\n\n");
    EXPECT_EQ(ReadFile(Folder() + shortA + "~2"), "CDS\t3\n\n");
}

TEST(EntryFileName, SuffixesWhenTaken) {
    std::string longName = std::string(210, 'x');
    EXPECT_EQ(EntryFileName("T1&T2", {}), "T1&T2");
    EXPECT_EQ(EntryFileName(longName, {}), std::string(200, 'x'));
    EXPECT_EQ(EntryFileName("a/b", {"a_b"}), "a_b~2");
    EXPECT_EQ(EntryFileName("a/b", {"a_b", "a_b~2"}), "a_b~3");
    EXPECT_EQ(EntryFileName("info.txt", {"info.txt"}), "info.txt~2");
}

TEST_F(CircleInfoTest, FileThatCannotBeWrittenStopsWithAnError) {
    WriteFile(workspace + "output/R_result/chr7_10_500", "a file where the folder should be");
    Prepare({{"minusC", "CDS\t2\n"}}, {{"minusC", 0}});
    EXPECT_FALSE(WriteCircleInfo());
    ASSERT_EQ(platform->messages.size(), 1u);
    EXPECT_EQ(platform->messages[0].title, "Tallowby-Error");
    EXPECT_EQ(platform->messages[0].text, "Failed to write " + workspace + "output/R_result/chr7_10_500/minusC.");
}

}  // namespace
}  // namespace tallowby::test
