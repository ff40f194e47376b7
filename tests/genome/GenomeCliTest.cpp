// tallowby-cli model and chrom-length, run as a user runs them: whole stdout compared, messages on
// stderr, exit status.

#include "GenomeTest.h"

#include <sstream>

namespace tallowby::test {
namespace {

class GenomeCliTest : public WorkspaceTest {
protected:
    CommandOutput Cli(const std::string& arguments) {
        return RunShell(ShellQuote(TALLOWBY_BIN_DIR "/tallowby-cli") + " --workspace " + ShellQuote(workspace) + " " +
                        arguments);
    }
};

TEST_F(GenomeCliTest, ModelPrintsTheFiveBlocks) {
    // A path with a blank, a quote and non-ASCII letters.
    const std::string path = workspace + "my 'genes' ä.gtf";
    WriteFile(path,
              "chr1\tt\texon\t901\t1000\t.\t-\t.\tgene_id \"G2\"; transcript_id \"T3\";\n"
              "chr1\tt\texon\t601\t700\t.\t-\t.\tgene_id \"G2\"; transcript_id \"T3\";\n"
              "chr1\tt\texon\t101\t200\t.\t+\t.\tgene_id \"G1\"; transcript_id \"T1\";\n"
              "chr1\tt\tCDS\t151\t200\t.\t+\t0\tgene_id \"G1\"; transcript_id \"T1\";\n"
              "chr1\tt\texon\t301\t400\t.\t+\t.\tgene_id \"G1\"; transcript_id \"T1\";\n"
              "chr1\tt\tCDS\t301\t350\t.\t+\t0\tgene_id \"G1\"; transcript_id \"T1\";\n");
    CommandOutput run = Cli("model --annotation " + ShellQuote(path) + " --type gtf --chrom chr1");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "gene\tG1\t2\t100\t400\t+\n"
              "gene\tG2\t0\t600\t1000\t-\n"
              "transcript\tT3\t1\t0\t600\t1000\t-\n"
              "transcript\tT1\t3\t2\t100\t400\t+\n"
              "part\tT3\t600\t700\tUTR\t-\n"
              "part\tT3\t900\t1000\tUTR\t-\n"
              "part\tT1\t100\t150\tUTR\t+\n"
              "part\tT1\t150\t200\tCDS\t+\n"
              "part\tT1\t300\t350\tCDS\t+\n"
              "part\tT1\t350\t400\tUTR\t+\n"
              "exonStart\t100\tT1\t1\n"
              "exonStart\t300\tT1\t2\n"
              "exonStart\t600\tT3\t1\n"
              "exonStart\t900\tT3\t2\n"
              "exonEnd\t200\tT1\t1\n"
              "exonEnd\t400\tT1\t2\n"
              "exonEnd\t700\tT3\t1\n"
              "exonEnd\t1000\tT3\t2\n");
}

TEST_F(GenomeCliTest, ModelOfARealGff3Locus) {
    // OR4F29's block of the Ensembl file, with the header and separator lines around it.
    std::istringstream source(ReadFile(kGenomeData + "annotation/ensembl_104_human_chr1.gff3"));
    std::string excerpt;
    for (std::string line; std::getline(source, line);)
        if (line.rfind("##gff-version", 0) == 0 || line == "###" || line.find("ENSG00000284733") != std::string::npos ||
            line.find("ENST00000426406") != std::string::npos)
            excerpt += line + "\n";
    WriteFile(workspace + "or4f29.gff3", excerpt);
    CommandOutput run = Cli("model --annotation " + ShellQuote(workspace + "or4f29.gff3") + " --type gff3 --chrom 1");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "gene\tgene:ENSG00000284733\t0\t450739\t451678\t-\n"
              "transcript\ttranscript:ENST00000426406\t1\t0\t450739\t451678\t-\n"
              "part\ttranscript:ENST00000426406\t450739\t451678\tCDS\t-\n"
              "exonEnd\t450739\ttranscript:ENST00000426406\t1\n"
              "exonEnd\t451678\ttranscript:ENST00000426406\t1\n");
    EXPECT_EQ(run.err, "");
}

TEST_F(GenomeCliTest, AFoundChromosomeThatBuildsNothingPrintsNothing) {
    WriteFile(workspace + "codons.gtf", "chr1\tt\tstart_codon\t1\t3\t.\t+\t.\tgene_id \"G\"; transcript_id \"T\";\n");
    CommandOutput run = Cli("model --annotation " + ShellQuote(workspace + "codons.gtf") + " --type gtf --chrom chr1");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
}

struct RefusalCase {
    const char* arguments;  // %W: the workspace
    int status;
    const char* err;        // "" when only the status is checked
};

class ModelRefusals : public GenomeCliTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(ModelRefusals, SayWhyOnStderrAndPrintNothing) {
    WriteFile(workspace + "a.gtf", "chr1\tt\texon\t1\t10\t.\t+\t.\tgene_id \"G\"; transcript_id \"T\";\n");
    std::string arguments = GetParam().arguments, expected = GetParam().err;
    for (std::string* text : {&arguments, &expected})
        for (size_t at; (at = text->find("%W")) != std::string::npos;) text->replace(at, 2, workspace);
    CommandOutput run = Cli(arguments);
    EXPECT_EQ(run.status, GetParam().status);
    EXPECT_EQ(run.out, "");
    if (!expected.empty()) {
        EXPECT_EQ(run.err, expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, ModelRefusals,
    ::testing::Values(
        RefusalCase{"model --annotation %Wa.gtf --type gtf --chrom 1", 1,
                    "Tallowby-Message: Input chrom \"1\" doesn't exist in the annotation file(%Wa.gtf).The annotation "
                    "file contains following chroms:\tchr1 The file names this chromosome chr1.\n"},
        RefusalCase{"model --annotation %Wa.gtf --type gff3 --chrom chr1", 1,
                    "Tallowby-Error: The gff3 annotation file should be *.gff3. Your input annotation file is *.gtf, "
                    "please check the file type.\n"},
        RefusalCase{"model --annotation %Wmissing.gtf --type gtf --chrom chr1", 1,
                    "Tallowby-Error: The input gene annotation file %Wmissing.gtf dosn't exists.\n"},
        RefusalCase{"model --annotation %Wa.gtf --type bed --chrom chr1", 2, ""},
        RefusalCase{"model --annotation %Wa.gtf --type gtf", 2, ""}));

TEST_F(GenomeCliTest, ChromLengthOfAFileAndOfAChromosomeSet) {
    CommandOutput run = Cli("chrom-length --database " + ShellQuote(kGenomeData + "reference/hg19sub.fa") +
                            " --chrom chr3");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "45000\n");
    const std::string list = kGenomeData + "reference/chromset/chromosomes.txt";
    run = Cli("chrom-length --database " + ShellQuote(list) + " --chromosome-set --chrom chr2");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "10000\n");
    EXPECT_EQ(run.err, "");
}

TEST_F(GenomeCliTest, ChromLengthQuestionAnsweredBothWays) {
    WriteFile(workspace + "set/list.txt", "a.fa\nb.fa\n");
    WriteFile(workspace + "set/a.fa", ">chrA\nAAA\n");
    WriteFile(workspace + "set/b.fa", ">chrB\nCCCCC\n");
    const std::string question =
        "Tallowby-Message: The chrom you queried is not on your list.Do you want to search listed files?\n\n"
        "Queried chrom: chrB\nFiles on your list:\na b \n";
    CommandOutput refused = Cli("chrom-length --database " + ShellQuote(workspace + "set/list.txt") +
                                " --chromosome-set --chrom chrB");
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.err, question + "-> Cancel\n");
    CommandOutput accepted = Cli("--yes chrom-length --database " + ShellQuote(workspace + "set/list.txt") +
                                 " --chromosome-set --chrom chrB");
    EXPECT_EQ(accepted.status, 0);
    EXPECT_EQ(accepted.out, "5\n");
    EXPECT_EQ(accepted.err, question + "-> OK\n");
    CommandOutput late = Cli("chrom-length --database " + ShellQuote(workspace + "set/list.txt") +
                             " --chromosome-set --yes --chrom chrB");
    EXPECT_EQ(late.out, "5\n");
}

}  // namespace
}  // namespace tallowby::test
