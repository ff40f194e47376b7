// tallowby-cli site, run as a user runs it on the example loci.

#include "support/TestWorkspace.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace tallowby::test {
namespace {

const std::string kCli = TALLOWBY_BIN_DIR "/tallowby-cli";
const std::string kExamples = TALLOWBY_EXAMPLES;

class SiteCliTest : public ::testing::Test {
protected:
    void SetUp() override { folder = MakeTempFolder("site-cli"); }
    void TearDown() override {
        if (!HasFailure()) fs::remove_all(folder);
    }
    CommandOutput Site(const std::string& arguments) {
        return RunShell("cd " + ShellQuote(folder) + " && " + kCli + " --workspace ws " + arguments);
    }
    std::string folder;
};

TEST_F(SiteCliTest, WritesTheSiteFolderAndListsTheEntries) {
    CommandOutput result = Site("site --annotation " + kExamples + "/CFLAR_HIPK3.gff3 --type gff3 --site HIPK3:29740-30839 "
                                "--isoforms HIPK3_ENST00000531504 --no-draw");
    ASSERT_EQ(result.status, 0) << result.err;
    std::string siteFolder = folder + "ws/output/R_result/HIPK3_29740_30839";
    EXPECT_EQ(result.out,
              "entry\tHIPK3_ENST00000525975&HIPK3_ENST00000303296&HIPK3_ENST00000379016&HIPK3_ENST00000456517\n"
              "five_prime_UTR\t2\nCDS\t1097\n"
              "entry\tHIPK3_ENST00000531504\nfive_prime_UTR\t2\nCDS\t229\nintergenic\t868\n"
              "folder\t" + siteFolder + "\n");
    EXPECT_EQ(result.err, "status: reading annotation file...\n");
    EXPECT_EQ(ReadFile(siteFolder + "/info.txt"), "1\nHIPK3_ENST00000531504\nHIPK3_29740_30839\n+\n");
}

TEST_F(SiteCliTest, DrawsThePdf) {
    CommandOutput result =
        Site("site --annotation " + kExamples + "/CFLAR_HIPK3.gtf --type gtf --site HIPK3:29740-30839");
    ASSERT_EQ(result.status, 0) << result.err;
    std::string pdf = folder + "ws/output/R_result/HIPK3_29740_30839/circle.pdf";
    EXPECT_NE(result.out.find("\npdf\t" + pdf + "\n"), std::string::npos) << result.out;
    EXPECT_EQ(RunShell("pdfinfo " + ShellQuote(pdf)).status, 0);
}

TEST_F(SiteCliTest, NoGeneSite) {
    CommandOutput result =
        Site("site --annotation " + kExamples + "/CFLAR_HIPK3.gtf --type gtf --site HIPK3:100-200 --no-draw");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "folder\t" + folder + "ws/output/R_result/HIPK3_100_200\n");
    EXPECT_EQ(ReadFile(folder + "ws/output/R_result/HIPK3_100_200/no_gene"), "\"inter\"\t100\n");
}

struct RefusalCase {
    const char* arguments;  // after the annotation option
    int status;
    const char* err;        // start of stderr
    bool listsEntries = false;  // the entries are listed before the drawing is refused
};

class SiteCliRefusals : public SiteCliTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(SiteCliRefusals, FailWithOneMessage) {
    CommandOutput result = Site("site --annotation " + kExamples + "/CFLAR_HIPK3.gtf " + GetParam().arguments);
    EXPECT_EQ(result.status, GetParam().status) << result.err;
    EXPECT_EQ(result.err.rfind(GetParam().err, 0), 0u) << result.err;
    EXPECT_EQ(result.out.empty(), !GetParam().listsEntries) << result.out;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SiteCliRefusals,
    ::testing::Values(
        RefusalCase{"--type gtf --site HIPK3:29740-30839 --isoforms nope", 1,
                    "status: reading annotation file...\nTallowby-Error: No isoform entry named nope at this site.\n"},
        RefusalCase{"--type gtf --site HIPK3:300-200", 1,
                    "Tallowby-Message: The start site(300) should be smaller than the end site(200).\n"},
        RefusalCase{"--type gtf --site HIPK3:1-20000", 1,
                    "Tallowby-Message: The distance between your start site(1) and end site(20000) is 19999.\nAre you "
                    "sure?\n-> Cancel\n"},
        RefusalCase{"--type gff3 --site HIPK3:1-200", 1, "Tallowby-Error: "},
        RefusalCase{"--type gtf --site HIPK3", 1, "Tallowby-Error: The site HIPK3 should read CHROM:START-END.\n"},
        RefusalCase{"--type bed --site HIPK3:1-2", 2, ""},
        RefusalCase{"--type gtf --site CFLAR:29273-33731", 1,
                    "status: reading annotation file...\nTallowby-Message: There are 22 iosforms, the sum of width", true}));

TEST_F(SiteCliTest, BatchDrawingsFollowTheEditedCircleFormat) {
    ASSERT_EQ(Site("workspace").status, 0);
    std::string settings = folder + "ws/R_script/Setting/circ_format.txt";
    // Wider circles: three no longer fit.
    WriteFile(settings, "Blue\n10_4\t10_10\nunclockwise\nshow_UTR\nno_gene_direction\n3D\n");
    CommandOutput wide = Site("--yes site --annotation " + kExamples +
                              "/CFLAR_HIPK3.gtf --type gtf --site HIPK3:29740-71961");
    EXPECT_EQ(wide.status, 1);
    EXPECT_NE(wide.err.find("There are 3 iosforms, the sum of width and interval of circle-gene-format-setting is "
                            "120.0%"),
              std::string::npos)
        << wide.err;
    // "2D" on the last line runs the two-dimensional script.
    WriteFile(settings, "Blue\n10_4\t5_5\nunclockwise\nshow_UTR\nno_gene_direction\n2D\n");
    WriteFile(folder + "ws/R_script/Scripts/2D.R", "writeLines('drawn by 2D.R', commandArgs(TRUE)[3])\n");
    CommandOutput flat = Site("site --annotation " + kExamples + "/CFLAR_HIPK3.gtf --type gtf --site HIPK3:29740-30839");
    ASSERT_EQ(flat.status, 0) << flat.err;
    EXPECT_EQ(ReadFile(folder + "ws/output/R_result/HIPK3_29740_30839/circle.pdf"), "drawn by 2D.R\n");
}

TEST_F(SiteCliTest, YesAnswersTheDistanceQuestion) {
    CommandOutput result = Site("--yes site --annotation " + kExamples +
                                "/CFLAR_HIPK3.gtf --type gtf --site HIPK3:29740-71961 --no-draw");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.err.find("-> OK\n"), std::string::npos);
    EXPECT_NE(result.out.find("entry\tHIPK3_ENST00000534262\nintergenic\t42187\nUTR\t34\n"), std::string::npos);
}

}  // namespace
}  // namespace tallowby::test
