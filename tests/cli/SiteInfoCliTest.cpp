// tallowby-cli site-info on a hand-made chromosome and on circHIPK3.

#include "support/TestWorkspace.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace tallowby::test {
namespace {

const std::string kCli = TALLOWBY_BIN_DIR "/tallowby-cli";

class SiteInfoCliTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = MakeTempFolder("site-info-cli");
        fs::copy_file(TALLOWBY_TEST_DATA "/site_info/chrT.fa", folder + "chrT.fa");
        fs::copy_file(TALLOWBY_TEST_DATA "/site_info/chrT.gtf", folder + "chrT.gtf");
    }
    void TearDown() override {
        if (!HasFailure()) fs::remove_all(folder);
    }
    CommandOutput Run(const std::string& arguments) {
        return RunShell("cd " + ShellQuote(folder) + " && " + kCli + " --workspace ws " + arguments);
    }
    std::string folder;
};

const char kSearchText[] =
    "Input site: chrT:16..26\n\n"
    "The site can't be moved forward.\n"
    "The site can be moved backward 1bp to chrT:17..27 and form the same circle.\n\n"
    "The site can be moved backward 1bp to chrT:17..27 with splicing site AG/GT.(For strand +)\n\n"
    "The site can't be moved forward to exon boundary.\n"
    "The site can't be moved backward to exon boundary\n\n"
    "Do you want to adjust the site to splicing site(chrT:17..27)?\n\n";

TEST_F(SiteInfoCliTest, AnalysesInOrderEachFollowedByAnEmptyLine) {
    CommandOutput result =
        Run("site-info --database chrT.fa --annotation chrT.gtf --type gtf --site chrT:16-26 --search --splice --sequence");
    ASSERT_EQ(result.status, 0) << result.err;
    std::string sequenceFile = folder + "ws/output/SiteInfo_result/SiteInfo_seq.txt";
    EXPECT_EQ(result.out, "sequence\t" + sequenceFile + "\n\n" +
                              "Input site: chrT:16..26\nFor strand(+):The splicing site is TA/GG\n\n" + kSearchText);
    EXPECT_EQ(ReadFile(sequenceFile), ">chrT_16_26\nGCCCCCCCCC\n");
    EXPECT_NE(result.err.find("-> Cancel\n"), std::string::npos);
}

TEST_F(SiteInfoCliTest, YesAcceptsTheOffer) {
    CommandOutput result =
        Run("--yes site-info --database chrT.fa --annotation chrT.gtf --type gtf --site chrT:16-26 --search");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, std::string(kSearchText) + "adjusted\tchrT:17-27\n");
}

TEST_F(SiteInfoCliTest, RefusalsExitOne) {
    CommandOutput missing = Run("site-info --database nothing.fa --site chrT:16-26 --splice");
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "Tallowby-Error: The input database file " + folder + "nothing.fa dosn't exists.\n");
    CommandOutput beyond = Run("site-info --database chrT.fa --site chrT:16-50 --splice");
    EXPECT_EQ(beyond.status, 1);
    EXPECT_NE(beyond.err.find("The length of chrT is 43.Input site chrT:16..50 is out of range."), std::string::npos);
    CommandOutput noAnnotation = Run("site-info --database chrT.fa --site chrT:16-26 --search");
    EXPECT_EQ(noAnnotation.status, 1);
    EXPECT_EQ(noAnnotation.err, "Tallowby-Error: Please input gene annotation file.\n");
    EXPECT_EQ(missing.out + beyond.out + noAnnotation.out, "");
}

TEST_F(SiteInfoCliTest, CircHipk3SitsOnItsMotifAndExonBoundaries) {
    CommandOutput result = Run("site-info --database " TALLOWBY_EXAMPLES "/CFLAR_HIPK3.fa --annotation " TALLOWBY_EXAMPLES
                               "/CFLAR_HIPK3.gff3 --type gff3 --site HIPK3:29740-30839 --search");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("\n\nThe site is with splicing site AG/GT.(For strand +)\n\n"), std::string::npos);
    EXPECT_NE(result.out.find("Both start and end site are exon boundary.\n"), std::string::npos) << result.out;
}

}  // namespace
}  // namespace tallowby::test
