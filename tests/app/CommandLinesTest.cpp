// Every external command line, compared with its format text.

#include "app/CommandLines.h"
#include "app/Workspace.h"
#include "support/TestWorkspace.h"

namespace tallowby::test {
namespace {

class CommandLinesTest : public WorkspaceTest {};

TEST_F(CommandLinesTest, RscriptArgumentsAreQuotedWithTwoBlanks) {
    EXPECT_EQ(BuildRscriptCommand("Rscript", {"R_script/Scripts/3D.R", "/w/out/chr1_1_2", "/w/circ.txt", "/w/c.pdf"}),
              "Rscript  \"R_script/Scripts/3D.R\"  \"/w/out/chr1_1_2\"  \"/w/circ.txt\"  \"/w/c.pdf\"");
    EXPECT_EQ(BuildRscriptCommand("/opt/R/bin/Rscript", {"a b", ""}), "/opt/R/bin/Rscript  \"a b\"  \"\"");
}

TEST_F(CommandLinesTest, MakeBlastDbUsesTheWorkspaceDatabaseFolder) {
    EXPECT_EQ(BuildMakeBlastDbCommand("mk", "", "g.fa"), "mk -in \"" + workspace + "database/g.fa\" -dbtype nucl -parse_seqids");
    EXPECT_EQ(BuildMakeBlastDbCommand("mk", "set", "chr1.fa"),
              "mk -in \"" + workspace + "database/set/chr1.fa\" -dbtype nucl -parse_seqids");
}

TEST_F(CommandLinesTest, MakeBlastDbIsRelativeWhenTheWorkspaceHasABlank) {
    SetWorkspacePath("/home/me/my work/");
    EXPECT_EQ(BuildMakeBlastDbCommand("blast_bin/makeblastdb", "", "g.fa"),
              "blast_bin/makeblastdb -in \"database/g.fa\" -dbtype nucl -parse_seqids");
    EXPECT_EQ(BuildMakeBlastDbCommand("mk", "set", "chr1.fa"), "mk -in \"database/set/chr1.fa\" -dbtype nucl -parse_seqids");
}

TEST_F(CommandLinesTest, BlastSearchPairwiseAndTable) {
    BlastSearchRequest request{"/w/database/g.fa", "/w/q.fa", "/w/out.txt", "1e-5", "50", "-3", false, false};
    EXPECT_EQ(BuildBlastSearchCommand("blastn", request),
              "blastn -db  \"/w/database/g.fa\" -query  \"/w/q.fa\" -out \"/w/out.txt\" -evalue 1e-5 "
              "-num_descriptions 50 -penalty -3 -word_size 20");
    request.tableLayout = true;
    EXPECT_EQ(BuildBlastSearchCommand("blastn", request),
              "blastn -db  \"/w/database/g.fa\" -query  \"/w/q.fa\" -out \"/w/out.txt\" -evalue 1e-5 "
              "-num_descriptions 50 -penalty -3 -word_size 20 -outfmt \"10 qacc sacc evalue length pident qstart "
              "qend sstart send\" ");
    request.numberAsMaxTargets = true;
    EXPECT_NE(BuildBlastSearchCommand("blastn", request)->find(" -max_target_seqs 50 "), std::string::npos);
}

TEST_F(CommandLinesTest, SequenceQuerySearch) {
    EXPECT_EQ(BuildSequenceBlastCommand("blast_bin/blastn", "d.fa", "q.fa", "o.csv"),
              "blast_bin/blastn -db  \"d.fa\" -query  \"q.fa\" -out \"o.csv\" -outfmt \"10 qseqid sseqid pident "
              "length mismatch gapopen qstart qend sstart send evalue bitscore qseq sseq\" -word_size 20 -penalty -5 "
              "-gapopen 15 -gapextend 3");
}

TEST_F(CommandLinesTest, CopyIntoAFolder) {
    EXPECT_EQ(BuildCopyCommand("/data/my genome.fa", "/w/database"), "cp \"/data/my genome.fa\" \"/w/database/\"");
    EXPECT_EQ(BuildCopyCommand("a.fa", "/w/database/"), "cp \"a.fa\" \"/w/database/\"");
}

TEST_F(CommandLinesTest, DoubleQuoteInAnyQuotedPathRefusesTheCommand) {
    BlastSearchRequest request{"d.fa", "q\".fa", "o", "10", "5", "-3", false, false};
    EXPECT_FALSE(BuildBlastSearchCommand("blastn", request));
    EXPECT_FALSE(BuildSequenceBlastCommand("blastn", "d.fa", "q.fa", "o\"ut"));
    EXPECT_FALSE(BuildCopyCommand("a\".fa", "/w"));
    EXPECT_FALSE(BuildMakeBlastDbCommand("mk", "", "x\".fa"));
    ASSERT_EQ(platform->messages.size(), 4u);
    EXPECT_EQ(platform->messages[0].text, "The path q\".fa should not contain a double quote.");
    EXPECT_EQ(platform->messages[1].text, "The path o\"ut should not contain a double quote.");
}

}  // namespace
}  // namespace tallowby::test
