// The circle scripts 3D.R and 2D.R run with the real Rscript on site folders laid out as the info
// writer lays them out (info.txt, one structure file per entry or no_gene): the PDF must exist,
// pdfinfo must read it and its text must name the site and the entries. Bad inputs end with one
// error line, a non-zero status and no PDF.

#include "support/TestWorkspace.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace tallowby::test {
namespace {

const std::string kScripts = TALLOWBY_BIN_DIR "/R_script/Scripts/";
const std::string kFixtures = TALLOWBY_TEST_DATA "/site/";

class CircleScriptTest : public WorkspaceTest {
protected:
    // Copies a fixture site folder into the workspace's result folder and returns its path.
    std::string SiteFolder(const std::string& fixture) {
        fs::path from = kFixtures + fixture;
        fs::path site = *fs::directory_iterator(from);
        std::string to = workspace + "output/R_result/" + site.filename().string();
        fs::create_directories(to);
        fs::copy(site, to, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        return to;
    }

    CommandOutput RunScript(const std::string& script, const std::string& folder, const std::string& format,
                            const std::string& pdf, const std::string& infoName = "") {
        std::string command = "timeout 120 Rscript " + ShellQuote(kScripts + script) + " " + ShellQuote(folder) + " " +
                              ShellQuote(format) + " " + ShellQuote(pdf);
        if (!infoName.empty()) command += " " + ShellQuote(infoName);
        return RunShell(command);
    }
};

struct DrawCase {
    const char* fixture;
    const char* script;
    const char* format;
    std::vector<std::string> texts;  // what the PDF's text must contain
};

class CircleScriptDraws : public CircleScriptTest, public ::testing::WithParamInterface<DrawCase> {};

TEST_P(CircleScriptDraws, WritesAOnePagePdfThatNamesSiteAndEntries) {
    const DrawCase& c = GetParam();
    std::string folder = SiteFolder(c.fixture);
    std::string pdf = folder + "/circle.pdf";
    CommandOutput run = RunScript(c.script, folder, kFixtures + c.format, pdf);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    ASSERT_TRUE(fs::exists(pdf));

    CommandOutput info = RunShell("pdfinfo " + ShellQuote(pdf));
    ASSERT_EQ(info.status, 0) << info.err;
    EXPECT_NE(info.out.find("Pages:           1\n"), std::string::npos) << info.out;
    CommandOutput text = RunShell("pdftotext " + ShellQuote(pdf) + " -");
    for (const std::string& expected : c.texts)
        EXPECT_NE(text.out.find(expected), std::string::npos) << expected << " not in:\n" << text.out;
}

INSTANTIATE_TEST_SUITE_P(
    Sites, CircleScriptDraws,
    ::testing::Values(
        DrawCase{"one_entry", "3D.R", "circ_format_default.txt", {"chr1_1000_2200", "strand +", "NM_000101", "CDS 500"}},
        DrawCase{"one_entry", "2D.R", "circ_format_clockwise.txt",
                 {"chr1_1000_2200", "five_prime_UTR (drawn as intron)", "direction of transcription (+ strand)"}},
        DrawCase{"three_entries", "3D.R", "circ_format_default.txt",
                 {"chr2_5000_6000", "both strands", "ENST0001 & ENST0002", "ENST0003", "ENST0004", "3 circles"}},
        DrawCase{"three_entries", "2D.R", "circ_format_clockwise.txt",
                 {"ENST0004", "no direction arrow", "clockwise"}},
        DrawCase{"no_gene", "3D.R", "circ_format_default.txt", {"chr3_100_700", "no annotated gene", "intergenic 600"}},
        DrawCase{"no_gene", "2D.R", "circ_format_clockwise.txt", {"chr3_100_700", "no annotated gene"}}));

TEST_F(CircleScriptTest, ReadsANamedInfoFileWithBlankLinesAndNoStrand) {
    std::string folder = SiteFolder("three_entries");
    WriteFile(folder + "/custom_info", "\n2\n\nENST0003\tENST0004\nchr2_5000_6000\n");
    std::string pdf = folder + "/circle.pdf";
    CommandOutput run = RunScript("2D.R", folder, kFixtures + "circ_format_default.txt", pdf, "custom_info");
    ASSERT_EQ(run.status, 0) << run.err;
    CommandOutput text = RunShell("pdftotext " + ShellQuote(pdf) + " -");
    EXPECT_NE(text.out.find("2 circles"), std::string::npos) << text.out;
}

struct BadCase {
    const char* name;
    const char* file;  // relative to the site folder ("" for none), replaced with `text`
    const char* text;
    const char* format;  // format text; "" for the default fixture
    const char* message;  // the start of the one error line
};

class CircleScriptRefuses : public CircleScriptTest, public ::testing::WithParamInterface<BadCase> {};

TEST_P(CircleScriptRefuses, WithOneErrorLineAndNoPdf) {
    const BadCase& c = GetParam();
    std::string folder = SiteFolder("three_entries");
    if (*c.file) WriteFile(folder + "/" + c.file, c.text);
    std::string format = kFixtures + "circ_format_default.txt";
    if (*c.format) {
        format = workspace + "circ_format.txt";
        WriteFile(format, c.format);
    }
    std::string pdf = folder + "/circle.pdf";
    if (std::string(c.name) == "missing_folder") folder += "_gone";
    if (std::string(c.name) == "unwritable_pdf") pdf = folder + "/no/such/folder/circle.pdf";

    CommandOutput run = RunScript("3D.R", folder, format, pdf);
    EXPECT_NE(run.status, 0);
    EXPECT_EQ(run.err.rfind(std::string("Error: ") + c.message, 0), 0u) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    EXPECT_FALSE(fs::exists(pdf));
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, CircleScriptRefuses,
    ::testing::Values(
        BadCase{"missing_entry_file", "info.txt", "1\nENST0009\nchr2_5000_6000\n+\n", "", "The structure file"},
        BadCase{"count_mismatch", "info.txt", "2\nENST0003\nchr2_5000_6000\n+\n", "", "line 1 of"},
        BadCase{"no_entry", "info.txt", "1\n\nchr2_5000_6000\n0\n", "", "the info file"},
        BadCase{"bad_segment", "ENST0003", "CDS 150\n\n", "", "line \"CDS 150\""},
        BadCase{"empty_structure", "ENST0003", "\n", "", "the structure file"},
        BadCase{"unknown_colour", "", "", "Cyan\n10_4\t5_5\nunclockwise\nshow_UTR\nno_gene_direction\n3D\n\n",
                "unknown colour"},
        BadCase{"bad_widths", "", "", "Blue\n10_4\t5\nunclockwise\nshow_UTR\nno_gene_direction\n3D\n\n", "line 2 of"},
        BadCase{"bad_direction", "", "", "Blue\n10_4\t5_5\nleft\nshow_UTR\nno_gene_direction\n3D\n\n", "line 3 of"},
        BadCase{"rings_too_wide", "", "", "Blue\n10_4\t10_10\nunclockwise\nshow_UTR\nno_gene_direction\n3D\n\n",
                "3 rings"},
        BadCase{"missing_folder", "", "", "", "the site folder"},
        BadCase{"unwritable_pdf", "", "", "", "cannot write the PDF"}),
    [](const ::testing::TestParamInfo<BadCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tallowby::test
