// The shared input checks: each shows exactly one message with its exact text and returns false at
// the first problem, or passes silently.

#include "app/Checks.h"
#include "app/SharedState.h"
#include "support/TestWorkspace.h"

#include <sys/stat.h>

#include <climits>
#include <filesystem>

namespace tallowby::test {
namespace {

class ChecksTest : public WorkspaceTest {};

struct SiteCase {
    const char* chrom;
    const char* start;
    const char* end;
    bool answer;          // answer to a question, if one is asked
    bool passes;
    const char* message;  // the one message shown, "" for none
};

class CheckSiteCases : public WorkspaceTest, public ::testing::WithParamInterface<SiteCase> {};

TEST_P(CheckSiteCases, ShowsOneMessageOrNone) {
    const SiteCase& c = GetParam();
    platform->answers.push_back(c.answer);
    bool passed = CheckSite(c.chrom, c.start, c.end, ParseSiteNumber(c.start), ParseSiteNumber(c.end));
    EXPECT_EQ(passed, c.passes);
    if (*c.message) {
        ASSERT_EQ(platform->messages.size(), 1u);
        EXPECT_EQ(platform->messages[0].text, c.message);
        EXPECT_EQ(platform->messages[0].title, "Tallowby-Message");
    } else {
        EXPECT_TRUE(platform->messages.empty());
    }
}

const char kDistanceQuestion[] =
    "The distance between your start site(100) and end site(10101) is 10001.\nAre you sure?";

INSTANTIATE_TEST_SUITE_P(
    Sites, CheckSiteCases,
    ::testing::Values(
        SiteCase{"chr1", "100", "10100", false, true, ""},
        SiteCase{"chr1", "100", "10101", true, true, kDistanceQuestion},
        SiteCase{"chr1", "100", "10101", false, false, kDistanceQuestion},
        SiteCase{"chr1", "+100", "200", false, true, ""},
        SiteCase{"chr1", "-100", "200", false, false, "The start site(-100) should be a non negative integer number."},
        SiteCase{"chr1", "100a", "200", false, false, "The start site(100a) should be a non negative integer number."},
        SiteCase{"chr1", "100", "2x", false, false, "The end site(2x) should be a positive integer number."},
        SiteCase{"", "100", "200", false, false, "Please input chrom name."},
        SiteCase{"chr1", "", "200", false, false, "Please input start site."},
        SiteCase{"chr1", "100", "", false, false, "Please input end site."},
        SiteCase{"chr1", "0", "0", false, false, "The start site(0) should be smaller than the end site(0)."},
        SiteCase{"chr1", "300", "200", false, false, "The start site(300) should be smaller than the end site(200)."},
        SiteCase{"chr1", "2147483647", "2147483648", false, false, "The start site(2147483647) is out of int range."},
        SiteCase{"chr1", "99999999999", "5", false, false, "The start site(99999999999) is out of int range."},
        SiteCase{"chr1", "5", "2147483647", false, false, "The end site(2147483647) is out of int range."}));

TEST(ParseSiteNumber, ClampsBeyondTheIntRange) {
    EXPECT_EQ(ParseSiteNumber("2147483646"), 2147483646);
    EXPECT_EQ(ParseSiteNumber("2147483648"), INT_MAX);
    EXPECT_EQ(ParseSiteNumber("123456789012345678901234567890"), INT_MAX);
    EXPECT_EQ(ParseSiteNumber("+42"), 42);
    EXPECT_EQ(ParseSiteNumber(""), 0);
}

TEST_F(ChecksTest, CheckSiteStoresTheCurrentSite) {
    ASSERT_TRUE(CheckSite("chr2", "10", "20", 10, 20));
    EXPECT_EQ(Site().siteStart, 10);
    EXPECT_EQ(Site().siteEnd, 20);
}

struct InputCase {
    const char* value;  // relative to the workspace; "" for empty
    InputKind kind;
    bool passes;
    const char* message;  // with %W for the workspace path
};

class CheckInputCases : public WorkspaceTest, public ::testing::WithParamInterface<InputCase> {};

TEST_P(CheckInputCases, ReportsErrorsByKind) {
    WriteFile(workspace + "file.fa", ">a\nACGT\n");
    WriteFile(workspace + "read only.fa", ">a\nACGT\n");
    ::chmod((workspace + "read only.fa").c_str(), 0444);
    std::filesystem::create_directories(workspace + "folder");
    const InputCase& c = GetParam();
    std::string value = *c.value ? workspace + c.value : std::string();
    EXPECT_EQ(CheckInput(value, "database file", c.kind), c.passes);
    std::string expected = c.message;
    if (size_t at = expected.find("%W"); at != std::string::npos) expected.replace(at, 2, workspace);
    if (expected.empty()) {
        EXPECT_TRUE(platform->messages.empty());
    } else {
        ASSERT_EQ(platform->messages.size(), 1u);
        EXPECT_EQ(platform->messages[0].text, expected);
        EXPECT_EQ(platform->messages[0].title, "Tallowby-Error");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, CheckInputCases,
    ::testing::Values(InputCase{"file.fa", InputKind::File, true, ""},
                      InputCase{"read only.fa", InputKind::File, true, ""},
                      InputCase{"", InputKind::File, false, "Please input database file."},
                      InputCase{"", InputKind::NoMessageFile, false, ""},
                      InputCase{"", InputKind::Sequence, false, "Please input database file."},
                      InputCase{"not there", InputKind::Sequence, true, ""},
                      InputCase{"missing.fa", InputKind::File, false,
                                "The input database file %Wmissing.fa dosn't exists."},
                      InputCase{"folder", InputKind::File, false,
                                "The input database file %Wfolder is not a file but a directory."},
                      InputCase{"folder", InputKind::NoMessageFile, false,
                                "The input database file %Wfolder is not a file but a directory."},
                      InputCase{"file.fa", InputKind::Dir, false, "The input database file %Wfile.fa is not a directory."},
                      InputCase{"folder", InputKind::Dir, true, ""}));

TEST_F(ChecksTest, BlastIndexNamesTheFirstMissingFile) {
    std::string database = workspace + "database/g.fa";
    WriteFile(database + ".nhr", "x");
    EXPECT_FALSE(CheckBlastIndex(database));
    WriteFile(database + ".nin", "x");
    EXPECT_FALSE(CheckBlastIndex(database));
    WriteFile(database + ".nsq", "x");
    EXPECT_TRUE(CheckBlastIndex(database));
    ASSERT_EQ(platform->messages.size(), 2u);
    EXPECT_EQ(platform->messages[0].text, "Blast index file " + database +
                                              ".nin doesn't exist. Please go to menu->build->blast index to make "
                                              "blast database.");
    EXPECT_EQ(platform->messages[1].text, "Blast index file " + database +
                                              ".nsq doesn't exist. Please go to menu->build->blast index to make "
                                              "blast database.");
    EXPECT_EQ(platform->messages[0].kind, MessageKind::Notice);
}

struct HintCase {
    const char* hint;
    const char* text;  // %P: the path
};

class RequireFileHints : public WorkspaceTest, public ::testing::WithParamInterface<HintCase> {};

TEST_P(RequireFileHints, AppendTheirLine) {
    std::string path = workspace + "R_script/Setting/circ_format.txt";
    EXPECT_FALSE(RequireFile(path, GetParam().hint));
    std::string expected = GetParam().text;
    if (size_t at = expected.find("%P"); at != std::string::npos) expected.replace(at, 2, path);
    ASSERT_EQ(platform->messages.size(), 1u);
    EXPECT_EQ(platform->messages[0].text, expected);
    EXPECT_EQ(platform->messages[0].kind, MessageKind::SettingsProblem);
    WriteFile(path, "Blue\n");
    EXPECT_TRUE(RequireFile(path, GetParam().hint));
    EXPECT_EQ(platform->messages.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Hints, RequireFileHints,
    ::testing::Values(
        HintCase{"circ_format", "%P does not exist.\nPlease go to menu->draw->format->circle struct to make it."},
        HintCase{"seq_format", "%P does not exist.\nPlease go to menu->draw->format->sequence to make it."},
        HintCase{"site", "%P does not exist.\nPlease go to menu->draw->site to make it."},
        HintCase{"config", "%P does not exist.\nPlease go to menu->config->path to reset it."},
        HintCase{"fail", "Failed!"}, HintCase{"", "%P does not exist.\n"}));

TEST_F(ChecksTest, NoSpaceNamesLabelAndPath) {
    EXPECT_TRUE(CheckNoSpace("/opt/blast/bin", "blast"));
    EXPECT_FALSE(CheckNoSpace("/opt/my tools", "blast"));
    ASSERT_EQ(platform->messages.size(), 1u);
    EXPECT_EQ(platform->messages[0].text, "The blast path /opt/my tools should not contain space.");
    EXPECT_EQ(platform->messages[0].kind, MessageKind::SettingsProblem);
    EXPECT_FALSE(HasNoSpace("a b"));
    EXPECT_EQ(platform->messages.size(), 1u);
}

}  // namespace
}  // namespace tallowby::test
