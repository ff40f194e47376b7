// The circle each isoform forms at a site, over small hand-made models.

#include "site/SitePipeline.h"
#include "site/ModelBuilder.h"

#include <gtest/gtest.h>

namespace tallowby::test {
namespace {

// One plus-strand gene with transcript T: 5'UTR [100,150) touching CDS [150,200), CDS [300,400),
// 3'UTR [500,600).
void BuildOneTranscript() {
    ModelBuilder model("chr1");
    model.AddGene("G", 100, 600);
    model.AddTranscript("T", {Utr5(100, 150), Cds(150, 200), Cds(300, 400), Utr3(500, 600)});
}

struct WalkCase {
    const char* what;
    int start, end;
    const char* structure;  // "" for no entry
};

class StructureWalk : public ::testing::TestWithParam<WalkCase> {
protected:
    void SetUp() override {
        ResetSitePipeline();
        BuildOneTranscript();
    }
};

TEST_P(StructureWalk, GivesTheCircleOfTheSite) {
    const WalkCase& c = GetParam();
    FindSiteStructures("gtf", "chr1", c.start, c.end);
    const auto& entries = SitePipeline().structureByEntry;
    if (!*c.structure) {
        EXPECT_TRUE(entries.empty()) << c.what;
        return;
    }
    ASSERT_EQ(entries.size(), 1u) << c.what;
    EXPECT_EQ(entries.begin()->first, "T");
    EXPECT_EQ(entries.begin()->second, c.structure) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Sites, StructureWalk,
    ::testing::Values(
        WalkCase{"inside an intron", 220, 280, "intron\t60\n"},
        WalkCase{"beyond both ends", 50, 650,
                 "intergenic\t50\nfive_prime_UTR\t50\nCDS\t50\nintron\t100\nCDS\t100\nintron\t100\n"
                 "three_prime_UTR\t100\nintergenic\t50\n"},
        WalkCase{"starting inside a CDS", 170, 350, "CDS\t30\nintron\t100\nCDS\t50\n"},
        WalkCase{"starting inside an intron", 250, 350, "intron\t50\nCDS\t50\n"},
        WalkCase{"ending inside an intron", 350, 450, "CDS\t50\nintron\t50\n"},
        WalkCase{"touching parts, no intron", 120, 180, "five_prime_UTR\t30\nCDS\t30\n"},
        WalkCase{"exactly one part", 300, 400, "CDS\t100\n"},
        WalkCase{"gene ending at the site start", 600, 700, ""},
        WalkCase{"gene starting at the site end", 20, 100, ""}),
    [](const auto& info) {
        std::string name = info.param.what;
        for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

TEST(SiteStructures, SegmentLengthsAddUpToTheSite) {
    ResetSitePipeline();
    BuildOneTranscript();
    for (int start : {50, 120, 170, 250, 420}) {
        for (int end : {180, 310, 450, 550, 700}) {
            if (end <= start) continue;
            FindSiteStructures("gtf", "chr1", start, end);
            for (const auto& [entry, text] : SitePipeline().structureByEntry) {
                int sum = 0;
                for (size_t at = text.find('\t'); at != std::string::npos; at = text.find('\t', at + 1))
                    sum += std::stoi(text.substr(at + 1));
                EXPECT_EQ(sum, end - start) << start << ".." << end << "\n" << text;
            }
        }
    }
}

TEST(SiteStructures, IsoformsWithTheSameCircleShareOneEntryLowerIdFirst) {
    ResetSitePipeline();
    ModelBuilder model("chr1");
    model.AddGene("G", 0, 1000);
    model.AddTranscript("second", {Cds(100, 200), Cds(300, 400)});
    model.AddTranscript("first", {Cds(50, 200), Cds(300, 500)});  // same circle inside [150, 350)
    model.AddTranscript("other", {Cds(160, 200), Cds(300, 400)});
    FindSiteStructures("gtf", "chr1", 150, 350);
    const auto& entries = SitePipeline().structureByEntry;
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries.at("second&first"), "CDS\t50\nintron\t100\nCDS\t50\n");
    // The site starts before this isoform begins: the stretch before it is intergenic.
    EXPECT_EQ(entries.at("other"), "intergenic\t10\nCDS\t40\nintron\t100\nCDS\t50\n");
    // The chooser's info reads the unclipped overlapping parts per isoform.
    EXPECT_EQ(SitePipeline().overlapPartsByTranscript.at("first").size(), 2u);
    EXPECT_EQ(SitePipeline().overlapPartsByTranscript.at("first")[0].start, 50);
}

TEST(SiteStructures, LongGeneBeforeAShortLastGeneIsFound) {
    ResetSitePipeline();
    ModelBuilder model("chr1");
    model.AddGene("long", 100, 10000);
    model.AddTranscript("long-1", {Cds(100, 200), Cds(9000, 10000)});
    model.AddGene("short", 500, 600);
    model.AddTranscript("short-1", {Cds(500, 600)});
    FindSiteStructures("gtf", "chr1", 5000, 5100);
    ASSERT_EQ(SitePipeline().structureByEntry.size(), 1u);
    EXPECT_EQ(SitePipeline().structureByEntry.at("long-1"), "intron\t100\n");
}

TEST(SiteStructures, BisectionFindsTheGenesAmongMany) {
    ResetSitePipeline();
    ModelBuilder model("chr1");
    for (int i = 0; i < 1000; ++i) {
        model.AddGene("g" + std::to_string(i), i * 1000, i * 1000 + 500);
        model.AddTranscript("t" + std::to_string(i), {Cds(i * 1000, i * 1000 + 500)});
    }
    FindSiteStructures("gtf", "chr1", 456400, 457100);
    const auto& entries = SitePipeline().structureByEntry;
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries.at("t456"), "CDS\t100\nintergenic\t600\n");
    EXPECT_EQ(entries.at("t457"), "intergenic\t600\nCDS\t100\n");
}

TEST(SiteStructures, Gff3MinusStrandPartsAreWalkedAscending) {
    ResetSitePipeline();
    ModelBuilder model("chr1");
    model.AddGene("G", 100, 400, false);
    model.AddTranscript("minus", {Utr3(300, 400), Cds(100, 200)}, false);  // transcript order
    FindSiteStructures("gff3", "chr1", 150, 350);
    EXPECT_EQ(SitePipeline().structureByEntry.at("minus"), "CDS\t50\nintron\t100\nthree_prime_UTR\t50\n");
    // Other formats store parts ascending and are taken as they are.
    ResetSitePipeline();
    ModelBuilder ascending("chr1");
    ascending.AddGene("G", 100, 400, false);
    ascending.AddTranscript("minus", {Cds(100, 200), Utr3(300, 400)}, false);
    FindSiteStructures("gtf", "chr1", 150, 350);
    EXPECT_EQ(SitePipeline().structureByEntry.at("minus"), "CDS\t50\nintron\t100\nthree_prime_UTR\t50\n");
}

TEST(SiteStructures, TranscriptMissedOutsideAnyGapGivesNoEntry) {
    ResetSitePipeline();
    ModelBuilder model("chr1");
    model.AddGene("G", 100, 1000);
    model.AddTranscript("early", {Cds(100, 200)});
    model.AddTranscript("late", {Cds(100, 200), Cds(900, 1000)});
    FindSiteStructures("gtf", "chr1", 500, 600);
    ASSERT_EQ(SitePipeline().structureByEntry.size(), 1u);
    EXPECT_EQ(SitePipeline().structureByEntry.at("late"), "intron\t100\n");
}

TEST(SiteStructures, EmptyOrMissingChromosomeHasNoGene) {
    ResetSitePipeline();
    ModelBuilder model("chr1");
    EXPECT_TRUE(FindSiteStructures("gtf", "chr1", 1, 100));
    EXPECT_TRUE(SitePipeline().structureByEntry.empty());
    EXPECT_TRUE(FindSiteStructures("gtf", "chr2", 1, 100));
    EXPECT_TRUE(SitePipeline().overlapTranscripts.empty());
    PrepareDrawOrder("chr2", 1, 100);
    EXPECT_TRUE(SitePipeline().drawOrder.empty());
    EXPECT_EQ(SitePipeline().drawSite.chrom, "chr2");
}

TEST(SiteStructures, PrepareDrawOrderMarksEveryEntry) {
    ResetSitePipeline();
    BuildOneTranscript();
    FindSiteStructures("gtf", "chr1", 120, 180);
    PrepareDrawOrder("chr1", 120, 180);
    EXPECT_EQ(SitePipeline().drawOrder, (std::map<std::string, int>{{"T", 1}}));
}

class SiteLocus : public ::testing::Test {
protected:
    // Genes at 1000, 2000, ... 9000, each 100 long with one transcript of two parts.
    void SetUp() override {
        ResetSitePipeline();
        ModelBuilder model("chr1");
        for (int i = 1; i <= 9; ++i) {
            model.AddGene("g" + std::to_string(i), i * 1000, i * 1000 + 100);
            model.AddTranscript("t" + std::to_string(i), {Cds(i * 1000, i * 1000 + 40), Cds(i * 1000 + 60, i * 1000 + 100)});
        }
    }
    std::vector<int> GeneStarts() {
        std::vector<int> starts;
        for (const FeatureSpan& gene : SitePipeline().viewerGenes) starts.push_back(gene.start);
        return starts;
    }
};

TEST_F(SiteLocus, TakesNeighboursAndTheMarginOnceEach) {
    FindSiteLocus("gtf", "chr1", 5020, 5050, 60, 1);
    EXPECT_EQ(GeneStarts(), (std::vector<int>{4000, 5000, 6000}));
    const auto& parts = SitePipeline().viewerParts.at(Annotation().nameIds.at("t5").id);
    ASSERT_EQ(parts.size(), 3u);
    EXPECT_EQ(parts[1].type, kTypeIntron);
    EXPECT_EQ(parts[1].start, 5040);
    EXPECT_EQ(parts[1].end, 5060);
    EXPECT_EQ(SitePipeline().rangeLo, 4000);
    EXPECT_EQ(SitePipeline().rangeHi, 6100);
    EXPECT_TRUE(SitePipeline().structureByEntry.empty());
}

TEST_F(SiteLocus, SiteBeforeTheFirstGeneTakesTheFirstGenesOnItsRight) {
    FindSiteLocus("gtf", "chr1", 10, 20, 2500, 3);
    EXPECT_EQ(GeneStarts(), (std::vector<int>{1000, 2000, 3000}));
}

TEST_F(SiteLocus, GeneDesertStillShowsNeighbours) {
    FindSiteLocus("gtf", "chr1", 5500, 5600, 10, 3);
    EXPECT_EQ(GeneStarts(), (std::vector<int>{2000, 3000, 4000, 5000, 6000, 7000, 8000}));
}

TEST(SiteLocusEmpty, ChromosomeWithoutGenesLeavesNothing) {
    ResetSitePipeline();
    ModelBuilder model("chr1");
    FindSiteLocus("gtf", "chr1", 10, 20, 100, 3);
    EXPECT_TRUE(SitePipeline().viewerGenes.empty());
    EXPECT_EQ(SitePipeline().rangeLo, INT_MAX);
}

}  // namespace
}  // namespace tallowby::test
