// The Site Info analyses on a hand-made chromosome and on real loci, with their exact texts.

#include "app/SharedState.h"
#include "genome/AnnotationModel.h"
#include "genome/ReferenceStore.h"
#include "site/SiteDraw.h"
#include "site/SiteInfo.h"
#include "support/TestWorkspace.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace tallowby::test {
namespace {

// chrT.fa: 43 bases, GGGGGGGGGGTTTTTAGCCCCCCCCCGGTTTTTgggggggggg; the site [16, 26) "GCCCCCCCCC" has
// AG/GT one base to the right, and the last ten bases are soft-masked. chrT.gtf: one exon far from it.
const std::string kChrT = TALLOWBY_TEST_DATA "/site_info/chrT";

class SiteInfoTest : public WorkspaceTest {
protected:
    void SetUp() override {
        WorkspaceTest::SetUp();
        fs::create_directories(workspace + "output/SiteInfo_result");
        ResetReferenceStore();
        ResetAnnotationModel();
        ResetSiteInfo();
        Shared().databasePath = kChrT + ".fa";
        Shared().annotationType = "gtf";
    }
    void UseAnnotation(const std::string& exonLines) {
        WriteFile(workspace + "chrT.gtf", exonLines);
        Shared().annotationPath = workspace + "chrT.gtf";
    }
    void SetSite(int start, int end) { StoreSiteFields("chrT", std::to_string(start), std::to_string(end)); }
};

TEST_F(SiteInfoTest, SearchOffersTheMotifAtAShift) {
    Shared().annotationPath = kChrT + ".gtf";
    SetSite(16, 26);
    std::optional<SiteSearchResult> result = SearchSiteShift();
    ASSERT_TRUE(result);
    EXPECT_TRUE(result->offer);
    EXPECT_EQ(result->text,
              "Input site: chrT:16..26\n\n"
              "The site can't be moved forward.\n"
              "The site can be moved backward 1bp to chrT:17..27 and form the same circle.\n\n"
              "The site can be moved backward 1bp to chrT:17..27 with splicing site AG/GT.(For strand +)\n\n"
              "The site can't be moved forward to exon boundary.\n"
              "The site can't be moved backward to exon boundary\n\n"
              "Do you want to adjust the site to splicing site(chrT:17..27)?");
    EXPECT_EQ(Shared().noticeText, result->text);
    EXPECT_EQ(Shared().noticeButtonText, "Adjust");
    EXPECT_EQ(Shared().noticeKind, "adjust_input_site");
    EXPECT_EQ(platform->statuses,
              (std::vector<std::string>{"reading reference file...", "", "reading annotation file...", ""}));

    ApplyAdjustedSite();
    EXPECT_EQ(Site().siteStart, 17);
    EXPECT_EQ(Site().siteEnd, 27);
    EXPECT_EQ(Site().siteStartText, "17");
    EXPECT_EQ(Site().siteEndText, "27");
    EXPECT_EQ(SiteInfo().inputSiteText, "Input site: chrT:17..27");
}

TEST_F(SiteInfoTest, BothEndsOnExonBoundariesSuppressTheOffer) {
    UseAnnotation("chrT\ttest\texon\t17\t26\t.\t+\t.\tgene_id \"g1\"; transcript_id \"tx1\";\n");
    SetSite(16, 26);
    std::optional<SiteSearchResult> result = SearchSiteShift();
    ASSERT_TRUE(result);
    EXPECT_FALSE(result->offer);
    EXPECT_EQ(result->text,
              "Input site: chrT:16..26\n\n"
              "The site can't be moved forward.\n"
              "The site can be moved backward 1bp to chrT:17..27 and form the same circle.\n\n"
              "The site can be moved backward 1bp to chrT:17..27 with splicing site AG/GT.(For strand +)\n\n"
              "Both start and end site are exon boundary.\n"
              "For start site: exon end site\ttx1(+) No.1 exon; \n"
              "For end site: exon start site\ttx1(+) No.1 exon; \n");
    EXPECT_EQ(Shared().noticeKind, "");
}

TEST_F(SiteInfoTest, SearchChecksTheAnnotationFirst) {
    SetSite(16, 26);
    EXPECT_FALSE(SearchSiteShift());
    EXPECT_EQ(platform->MessageTexts(), std::vector<std::string>{"Please input gene annotation file."});
    EXPECT_TRUE(Reference().chromSequences.empty());
}

struct EdgeCase {
    int start, end;
    const char* text;
};

class SpliceEdges : public SiteInfoTest, public ::testing::WithParamInterface<EdgeCase> {};

TEST_P(SpliceEdges, ShowThePairsAsStoredOrNone) {
    SetSite(GetParam().start, GetParam().end);
    std::optional<std::string> text = SpliceSiteText();
    ASSERT_TRUE(text);
    EXPECT_EQ(*text, GetParam().text);
    EXPECT_TRUE(platform->messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Codes, SpliceEdges,
    ::testing::Values(
        EdgeCase{2, 40, "Input site: chrT:2..40\nFor strand(+):The splicing site is GG/gg"},
        EdgeCase{16, 26, "Input site: chrT:16..26\nFor strand(+):The splicing site is TA/GG"},
        EdgeCase{1, 10,
                 "Input site: chrT:1..10\nFor strand(+):\nThe start site is on the edge of the chrom without splicing "
                 "site\nThe splicing site is none/TT"},
        EdgeCase{30, 41,
                 "Input site: chrT:30..41\nFor strand(+):\nThe end site is on the edge of the chrom without splicing "
                 "site\nThe splicing site is TT/none"},
        EdgeCase{0, 43,
                 "Input site: chrT:0..43\nFor strand(+):\nThe start and end site is on the edge of the chrom without "
                 "splicing site\nThe splicing site is none/none"}));

TEST_F(SiteInfoTest, SiteBeyondTheChromosomeIsRefusedBeforeAnyAnalysis) {
    Shared().annotationPath = kChrT + ".gtf";
    SetSite(30, 44);
    EXPECT_FALSE(SpliceSiteText());
    EXPECT_FALSE(SearchSiteShift());
    EXPECT_FALSE(WriteSiteSequence());
    ASSERT_EQ(platform->messages.size(), 3u);
    EXPECT_EQ(platform->messages[0].text, "The length of chrT is 43.Input site chrT:30..44 is out of range.");
}

TEST_F(SiteInfoTest, SequenceFileHoldsTheSiteBases) {
    SetSite(30, 43);
    std::optional<std::string> path = WriteSiteSequence();
    ASSERT_TRUE(path);
    EXPECT_EQ(*path, workspace + "output/SiteInfo_result/SiteInfo_seq.txt");
    EXPECT_EQ(ReadFile(*path), ">chrT_30_43\nTTTgggggggggg\n");
}

TEST_F(SiteInfoTest, SequenceFileThatCannotBeWrittenIsReported) {
    fs::remove_all(workspace + "output/SiteInfo_result");
    WriteFile(workspace + "output/SiteInfo_result", "not a folder");
    SetSite(30, 43);
    EXPECT_FALSE(WriteSiteSequence());
    EXPECT_EQ(platform->MessageTexts(),
              std::vector<std::string>{"Failed to write " + workspace + "output/SiteInfo_result/SiteInfo_seq.txt."});
}

struct KnownCircle {
    const char* database;
    const char* annotation;
    const char* chrom;
    int start, end;
    const char* spliceLine;
};

class KnownCircles : public SiteInfoTest, public ::testing::WithParamInterface<KnownCircle> {};

TEST_P(KnownCircles, SitOnTheirSpliceMotif) {
    const KnownCircle& c = GetParam();
    Shared().databasePath = c.database;
    Shared().annotationPath = c.annotation;
    StoreSiteFields(c.chrom, std::to_string(c.start), std::to_string(c.end));
    std::optional<SiteSearchResult> result = SearchSiteShift();
    ASSERT_TRUE(result) << platform->MessageTexts().front();
    EXPECT_NE(result->text.find(std::string("\n\n") + c.spliceLine + "\n\n"), std::string::npos) << result->text;
    EXPECT_NE(result->text.find("Both start and end site are exon boundary."), std::string::npos) << result->text;
    EXPECT_FALSE(result->offer);
}

INSTANTIATE_TEST_SUITE_P(
    Loci, KnownCircles,
    ::testing::Values(
        KnownCircle{TALLOWBY_EXAMPLES "/CFLAR_HIPK3.fa", TALLOWBY_EXAMPLES "/CFLAR_HIPK3.gtf", "HIPK3", 29740, 30839,
                    "The site is with splicing site AG/GT.(For strand +)"},
        KnownCircle{TALLOWBY_EXAMPLES "/CFLAR_HIPK3.fa", TALLOWBY_EXAMPLES "/CFLAR_HIPK3.gtf", "CFLAR", 29273, 33731,
                    "The site is with splicing site AG/GT.(For strand +)"},
        KnownCircle{TALLOWBY_TEST_DATA "/site_info/Homo_sapiens.GRCh38.dna_sm.primary_assembly_chr9_1_1000000.fa",
                    TALLOWBY_TEST_DATA "/site_info/Homo_sapiens.GRCh38.91_chr9_1_1000000.gtf", "9", 162431, 172172,
                    "The site is with splicing site AC/CT.(For strand +)"},
        KnownCircle{TALLOWBY_TEST_DATA "/site_info/Homo_sapiens.GRCh38.dna_sm.primary_assembly_chr9_1_1000000.fa",
                    TALLOWBY_TEST_DATA "/site_info/Homo_sapiens.GRCh38.91_chr9_1_1000000.gtf", "9", 710803, 713464,
                    "The site is with splicing site AG/GT.(For strand +)"}));

}  // namespace
}  // namespace tallowby::test
