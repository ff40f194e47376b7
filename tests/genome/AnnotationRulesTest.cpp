// The annotation readers' rules on small texts: attribute values, the file-type check, what each
// format's lines build, chromosome blocks, caching and malformed lines.

#include "AnnotationTestSupport.h"
#include "GenomeTest.h"
#include "genome/AnnotationLoad.h"
#include "genome/AttributeValue.h"

#include <zlib.h>

#include <filesystem>

namespace tallowby::test {
namespace {

struct AttributeCase {
    AttributeDialect dialect;
    const char* attributes;
    const char* key;
    const char* value;
};

class AttributeValues : public ::testing::TestWithParam<AttributeCase> {};

TEST_P(AttributeValues, FollowTheDialectsRules) {
    EXPECT_EQ(AttributeValue(GetParam().attributes, GetParam().key, GetParam().dialect), GetParam().value);
}

constexpr AttributeDialect kGff3Keys = AttributeDialect::Gff3;
constexpr AttributeDialect kGtfKeys = AttributeDialect::Gtf;

INSTANTIATE_TEST_SUITE_P(
    Texts, AttributeValues,
    ::testing::Values(
        AttributeCase{kGff3Keys, "ID=transcript:ENST00000456328;Parent=gene:ENSG00000223972", "ID=", "transcript:ENST00000456328"},
        AttributeCase{kGff3Keys, "ID=transcript:ENST00000456328;Parent=gene:ENSG00000223972", "Parent=", "gene:ENSG00000223972"},
        AttributeCase{kGff3Keys, "ID=t1; Parent=g1", "Parent=", ""},
        AttributeCase{kGff3Keys, "Name=x;myID=a;ID=b", "ID=", "b"},
        AttributeCase{kGff3Keys, "ID=;ID=b", "ID=", "b"},
        AttributeCase{kGff3Keys, "ID=a b;Name=c", "ID=", "a b"},
        AttributeCase{kGff3Keys, "Name=x", "ID=", ""},
        AttributeCase{kGtfKeys, "gene_id \"ENSG00000223972.5\"; transcript_id \"ENST00000456328.2\";", "gene_id", "ENSG00000223972.5"},
        AttributeCase{kGtfKeys, "gene_id \"ENSG00000223972.5\"; transcript_id \"ENST00000456328.2\";", "transcript_id", "ENST00000456328.2"},
        AttributeCase{kGtfKeys, "gene_id \"A:B\"; transcript_id \"T\";", "gene_id", "A"},
        AttributeCase{kGtfKeys, "gene_id \"Two words\";", "gene_id", "Twowords"},
        AttributeCase{kGtfKeys, "gene_id \"G\"; exon_number 1;", "transcript_id", ""}));

struct TypeCase {
    const char* type;
    const char* path;
    const char* error;  // "" when the check passes
};

class FileTypes : public GenomeTest, public ::testing::WithParamInterface<TypeCase> {};

TEST_P(FileTypes, PassOrNameTheExpectedExtension) {
    bool passes = !*GetParam().error;
    EXPECT_EQ(CheckAnnotationFileType(GetParam().type, AnnotationFileExtension(GetParam().path)), passes);
    if (passes) {
        EXPECT_TRUE(platform->messages.empty());
    } else {
        ASSERT_EQ(platform->messages.size(), 1u);
        EXPECT_EQ(platform->messages[0].text, GetParam().error);
        EXPECT_EQ(platform->messages[0].title, "Tallowby-Error");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Names, FileTypes,
    ::testing::Values(
        TypeCase{"gff3", "/d/a.gff3", ""}, TypeCase{"gtf", "/d/a.b.gtf", ""}, TypeCase{"refFlat", "/d/refFlat.txt", ""},
        TypeCase{"gff3", "/d/a.gff3.gz", ""}, TypeCase{"gtf", "/d/gencode.v38.gtf.gz", ""},
        TypeCase{"refFlat", "/d/refFlat.txt.gz", ""},
        TypeCase{"gff3", "/d/a.GFF3",
                 "The gff3 annotation file should be *.gff3. Your input annotation file is *.GFF3, please check the file type."},
        TypeCase{"gtf", "/d/a.gff3.gz",
                 "The gtf annotation file should be *.gtf. Your input annotation file is *.gff3, please check the file type."},
        TypeCase{"refFlat", "/d/a.gz",
                 "The refFlat annotation file should be *.txt. Your input annotation file is *, please check the file type."},
        TypeCase{"gtf", "/d.x/annotation",
                 "The gtf annotation file should be *.gtf. Your input annotation file is *, please check the file type."}));

// Three genes in one chromosome, listed out of order: a minus-strand exon-only transcript first,
// then a gene whose two coding transcripts need their UTRs derived.
const char kGtf[] =
    "#!genome-build test\n"
    "chr1\tt\texon\t901\t1000\t.\t-\t.\tgene_id \"G2\"; transcript_id \"T3\";\n"
    "chr1\tt\texon\t601\t700\t.\t-\t.\tgene_id \"G2\"; transcript_id \"T3\";\n"
    "chr1\tt\tgene\t101\t400\t.\t+\t.\tgene_id \"G1\";\n"
    "chr1\tt\texon\t101\t200\t.\t+\t.\tgene_id \"G1\"; transcript_id \"T1\";\n"
    "chr1\tt\tCDS\t151\t200\t.\t+\t0\tgene_id \"G1\"; transcript_id \"T1\";\n"
    "chr1\tt\tstart_codon\t151\t153\t.\t+\t0\tgene_id \"G1\"; transcript_id \"T1\";\n"
    "chr1\tt\texon\t301\t400\t.\t+\t.\tgene_id \"G1\"; transcript_id \"T1\";\n"
    "chr1\tt\tCDS\t301\t350\t.\t+\t0\tgene_id \"G1\"; transcript_id \"T1\";\n"
    "chr1\tt\tUTR\t351\t400\t.\t+\t.\tgene_id \"G1\"; transcript_id \"T1\";\n"
    "chr1\tt\texon\t101\t400\t.\t+\t.\tgene_id \"G1\"; transcript_id \"T2\";\n"
    "chr1\tt\tCDS\t151\t350\t.\t+\t0\tgene_id \"G1\"; transcript_id \"T2\";\n";

const char kGtfModel[] =
    "gene\tG1\t2\t100\t400\t+\n"
    "gene\tG2\t0\t600\t1000\t-\n"
    "transcript\tT3\t1\t0\t600\t1000\t-\n"
    "transcript\tT1\t3\t2\t100\t400\t+\n"
    "transcript\tT2\t4\t2\t100\t400\t+\n"
    "part\tT3\t600\t700\tUTR\t-\n"
    "part\tT3\t900\t1000\tUTR\t-\n"
    "part\tT1\t100\t150\tUTR\t+\n"
    "part\tT1\t150\t200\tCDS\t+\n"
    "part\tT1\t300\t350\tCDS\t+\n"
    "part\tT1\t350\t400\tUTR\t+\n"
    "part\tT2\t100\t150\tUTR\t+\n"
    "part\tT2\t150\t350\tCDS\t+\n"
    "part\tT2\t350\t400\tUTR\t+\n"
    "exonStart\t100\tT1\t1\n"
    "exonStart\t100\tT2\t1\n"
    "exonStart\t300\tT1\t2\n"
    "exonStart\t600\tT3\t1\n"
    "exonStart\t900\tT3\t2\n"
    "exonEnd\t200\tT1\t1\n"
    "exonEnd\t400\tT1\t2\n"
    "exonEnd\t400\tT2\t1\n"
    "exonEnd\t700\tT3\t1\n"
    "exonEnd\t1000\tT3\t2\n";

class AnnotationTest : public GenomeTest {
protected:
    std::string File(const std::string& name, const std::string& text) {
        WriteFile(workspace + name, text);
        return workspace + name;
    }
    std::string Listing(const std::string& path, const std::string& type, const std::string& chrom) {
        EXPECT_TRUE(LoadAnnotation(path, type, chrom, "site")) << path;
        return ModelListing();
    }
};

TEST_F(AnnotationTest, GtfBuildsPartsSpansGenesAndExonNumbers) {
    EXPECT_EQ(Listing(File("a.gtf", kGtf), "gtf", "chr1"), kGtfModel);
    EXPECT_EQ(Annotation().loadedAnnotationPath, workspace + "a.gtf");
    EXPECT_TRUE(platform->messages.empty());
}

TEST_F(AnnotationTest, WindowsLineEndsAndGzipReadTheSame) {
    std::string crlf;
    for (const char* c = kGtf; *c; ++c) crlf += *c == '\n' ? std::string("\r\n") : std::string(1, *c);
    EXPECT_EQ(Listing(File("crlf.gtf", crlf), "gtf", "chr1"), kGtfModel);
    std::string packed = workspace + "a.gtf.gz";
    gzFile gz = gzopen(packed.c_str(), "wb");
    ASSERT_NE(gz, nullptr);
    gzwrite(gz, kGtf, sizeof kGtf - 1);
    gzclose(gz);
    EXPECT_EQ(Listing(packed, "gtf", "chr1"), kGtfModel);
    // A compressed file cannot be entered in the middle: each load reads it whole, and gives the same.
    EXPECT_TRUE(LoadAnnotation(packed, "gtf", "chr2", "site") == false);
    EXPECT_EQ(Listing(packed, "gtf", "chr1"), kGtfModel);
}

TEST_F(AnnotationTest, GtfTranscriptIdEqualToItsGeneIdSharesTheId) {
    File("same.gtf", "c\tt\texon\t11\t20\t.\t+\t.\tgene_id \"X\"; transcript_id \"X\";\n");
    EXPECT_EQ(Listing(workspace + "same.gtf", "gtf", "c"),
              "gene\tX\t0\t10\t20\t+\ntranscript\tX\t0\t0\t10\t20\t+\npart\tX\t10\t20\tUTR\t+\n"
              "exonStart\t10\tX\t1\nexonEnd\t20\tX\t1\n");
}

TEST_F(AnnotationTest, GtfCdsWithoutExonsGivesNoTranscript) {
    // Nothing to draw, but the chromosome is there: found, with an empty model.
    File("cds.gtf", "c\tt\tCDS\t11\t20\t.\t+\t0\tgene_id \"G\"; transcript_id \"T\";\n");
    EXPECT_EQ(Listing(workspace + "cds.gtf", "gtf", "c"), "");
    EXPECT_TRUE(platform->messages.empty());
}

// The example of the exon boundary indexes in transcript direction, and the rules of item order.
TEST_F(AnnotationTest, Gff3IndexesExonBoundariesInTranscriptDirection) {
    File("a.gff3",
         "##gff-version 3\n"
         "chr1\ts\tgene\t11\t90\t.\t+\t.\tID=g1;Name=A\n"
         "chr1\ts\tmRNA\t11\t90\t.\t+\t.\tID=t1;Parent=g1\n"
         "chr1\ts\tfive_prime_UTR\t11\t20\t.\t+\t.\tParent=t1\n"
         "chr1\ts\tCDS\t21\t50\t.\t+\t0\tParent=t1\n"
         "chr1\ts\tCDS\t61\t90\t.\t+\t0\tParent=t1\n"
         "###\n");
    EXPECT_EQ(Listing(workspace + "a.gff3", "gff3", "chr1"),
              "gene\tg1\t0\t10\t90\t+\ntranscript\tt1\t1\t0\t10\t90\t+\n"
              "part\tt1\t10\t20\tfive_prime_UTR\t+\npart\tt1\t20\t50\tCDS\t+\npart\tt1\t60\t90\tCDS\t+\n"
              "exonStart\t50\tt1\t1\n"
              "exonEnd\t10\tt1\t1\nexonEnd\t60\tt1\t2\nexonEnd\t90\tt1\t2\n");
}

TEST_F(AnnotationTest, Gff3PiecesArePutInTranscriptOrderWhateverTheLineOrder) {
    // A position-sorted file: pieces of a minus-strand transcript come before its gene and mRNA lines.
    File("sorted.gff3",
         "chr1\ts\tCDS\t101\t200\t.\t-\t0\tParent=t1\n"
         "chr1\ts\tgene\t101\t500\t.\t-\t.\tID=g1\n"
         "chr1\ts\tmRNA\t101\t500\t.\t-\t.\tID=t1;Parent=g1\n"
         "chr1\ts\tCDS\t301\t450\t.\t-\t0\tParent=t1\n"
         "chr1\ts\tfive_prime_UTR\t451\t500\t.\t-\t.\tParent=t1\n");
    EXPECT_EQ(Listing(workspace + "sorted.gff3", "gff3", "chr1"),
              "gene\tg1\t0\t100\t500\t-\ntranscript\tt1\t1\t0\t100\t500\t-\n"
              "part\tt1\t450\t500\tfive_prime_UTR\t-\npart\tt1\t300\t450\tCDS\t-\npart\tt1\t100\t200\tCDS\t-\n"
              "exonStart\t300\tt1\t1\n"
              "exonEnd\t100\tt1\t2\nexonEnd\t200\tt1\t2\nexonEnd\t500\tt1\t1\n");
}

TEST_F(AnnotationTest, Gff3TranscriptsOfEveryTypeUnderAGene) {
    File("types.gff3",
         "c\ts\tncRNA_gene\t1\t100\t.\t+\t.\tID=gene:G1\n"
         "c\ts\tlnc_RNA\t1\t100\t.\t+\t.\tID=transcript:T1;Parent=gene:G1\n"
         "c\ts\texon\t1\t10\t.\t+\t.\tParent=transcript:T1\n"
         "c\ts\texon\t51\t100\t.\t+\t.\tParent=transcript:T1\n"
         // A CDS under a transcript of another type than mRNA belongs to that transcript.
         "c\ts\tpseudogene\t201\t300\t.\t+\t.\tID=gene:G2\n"
         "c\ts\ttranscript\t201\t300\t.\t+\t.\tID=transcript:T2;Parent=gene:G2\n"
         "c\ts\texon\t201\t300\t.\t+\t.\tParent=transcript:T2\n"
         "c\ts\tCDS\t221\t280\t.\t+\t0\tParent=transcript:T2\n"
         // Not transcripts: no ID, a parent that is no gene, a piece type.
         "c\ts\tmiRNA\t201\t220\t.\t+\t.\tParent=gene:G2\n"
         "c\ts\tmiRNA\t201\t220\t.\t+\t.\tID=rna-x;Parent=transcript:T2\n"
         "c\ts\tbiological_region\t1\t5\t.\t+\t.\tlogic_name=cpg\n");
    EXPECT_EQ(Listing(workspace + "types.gff3", "gff3", "c"),
              "gene\tgene:G1\t0\t0\t100\t+\ngene\tgene:G2\t2\t200\t300\t+\n"
              "transcript\ttranscript:T1\t1\t0\t0\t100\t+\ntranscript\ttranscript:T2\t3\t2\t200\t300\t+\n"
              "part\ttranscript:T1\t0\t10\tUTR\t+\npart\ttranscript:T1\t50\t100\tUTR\t+\n"
              "part\ttranscript:T2\t200\t220\tUTR\t+\npart\ttranscript:T2\t220\t280\tCDS\t+\n"
              "part\ttranscript:T2\t280\t300\tUTR\t+\n"
              "exonStart\t10\ttranscript:T1\t1\n"
              "exonEnd\t0\ttranscript:T1\t1\nexonEnd\t50\ttranscript:T1\t2\nexonEnd\t100\ttranscript:T1\t2\n"
              "exonEnd\t200\ttranscript:T2\t1\nexonEnd\t300\ttranscript:T2\t1\n");
}

TEST_F(AnnotationTest, Gff3UndeclaredParentsAndABlankBeforeTheKeyGoToIdZero) {
    File("orphans.gff3",
         "c\ts\tgene\t1\t100\t.\t+\t.\tID=g1\n"
         "c\ts\tCDS\t11\t20\t.\t+\t0\tParent=nobody\n"
         "c\ts\tmRNA\t1\t100\t.\t+\t.\tID=t1; Parent=g1\n");
    EXPECT_EQ(ListingLines("transcript", ""), std::vector<std::string>{});
    ASSERT_TRUE(LoadAnnotation(workspace + "orphans.gff3", "gff3", "c", "site"));
    EXPECT_EQ(ListingLines("transcript", ""), std::vector<std::string>{"transcript\tt1\t1\t0\t0\t100\t+"});
    EXPECT_EQ(ListingLines("part", ""), std::vector<std::string>{"part\tg1\t10\t20\tCDS\t+"});
}

TEST_F(AnnotationTest, RefFlatCutsExonsAtTheCodingRangeAndNumbersThemInTranscriptDirection) {
    File("r.txt",
         "GA\tTA\tchr1\t+\t100\t400\t150\t350\t2\t100,300,\t200,400,\n"
         // Minus strand, and an exon list without its final comma loses its last exon.
         "GB\tTB\tchr1\t-\t500\t900\t500\t500\t3\t500,600,800\t550,700,900\n");
    EXPECT_EQ(Listing(workspace + "r.txt", "refFlat", "chr1"),
              "gene\tGA\t0\t100\t400\t+\ngene\tGB\t2\t500\t700\t-\n"
              "transcript\tTA\t1\t0\t100\t400\t+\ntranscript\tTB\t3\t2\t500\t700\t-\n"
              "part\tTA\t100\t150\tUTR\t+\npart\tTA\t150\t200\tCDS\t+\npart\tTA\t300\t350\tCDS\t+\n"
              "part\tTA\t350\t400\tUTR\t+\npart\tTB\t500\t550\tUTR\t-\npart\tTB\t600\t700\tUTR\t-\n"
              "exonStart\t100\tTA\t0\nexonStart\t300\tTA\t1\nexonStart\t500\tTB\t1\nexonStart\t600\tTB\t0\n"
              "exonEnd\t200\tTA\t0\nexonEnd\t400\tTA\t1\nexonEnd\t550\tTB\t1\nexonEnd\t700\tTB\t0\n");
}

TEST_F(AnnotationTest, CommentLinesNeverEndABlockAndEveryBlockIsRead) {
    std::string path = File("blocks.gtf",
                            "chr1\tt\texon\t1\t10\t.\t+\t.\tgene_id \"A\"; transcript_id \"A1\";\n"
                            "###\n"
                            "# a comment\n"
                            "\n"
                            "chr1\tt\texon\t21\t30\t.\t+\t.\tgene_id \"B\"; transcript_id \"B1\";\n"
                            "chr2\tt\texon\t1\t10\t.\t+\t.\tgene_id \"C\"; transcript_id \"C1\";\n"
                            "chr1\tt\texon\t41\t50\t.\t+\t.\tgene_id \"D\"; transcript_id \"D1\";\n");
    ASSERT_TRUE(LoadAnnotation(path, "gtf", "chr1", "site"));
    EXPECT_EQ(ListingLines("gene", ""), (std::vector<std::string>{"gene\tA\t0\t0\t10\t+", "gene\tB\t2\t20\t30\t+",
                                                                    "gene\tD\t4\t40\t50\t+"}));
    EXPECT_EQ(Reference().chromosomesSeen, std::vector<std::string>{});
    ASSERT_TRUE(LoadAnnotation(path, "gtf", "chr2", "site"));
    EXPECT_EQ(ListingLines("gene", ""), std::vector<std::string>{"gene\tC\t0\t0\t10\t+"});
    EXPECT_EQ(Reference().chromosomesSeen, std::vector<std::string>{"chr1"});
}

TEST_F(AnnotationTest, AMissingChromosomeIsReportedWithTheNamesSeen) {
    std::string path = File("names.gtf",
                            "#chrComment\n"
                            "1\tt\texon\t1\t10\t.\t+\t.\tgene_id \"A\"; transcript_id \"A1\";\n"
                            "\tt\texon\t1\t10\t.\t+\t.\tgene_id \"E\"; transcript_id \"E1\";\n"
                            "2\tt\texon\t1\t10\t.\t+\t.\tgene_id \"B\"; transcript_id \"B1\";\n"
                            "1\tt\texon\t21\t30\t.\t+\t.\tgene_id \"C\"; transcript_id \"C1\";\n");
    for (const char* purpose : {"site", "seq"}) {
        platform->Clear();
        EXPECT_FALSE(LoadAnnotation(path, "gtf", "chr1", purpose));
        ASSERT_EQ(platform->messages.size(), 1u);
        EXPECT_EQ(platform->messages[0].kind, MessageKind::Notice);
        EXPECT_TRUE(Annotation().genesByChrom.empty());
        EXPECT_EQ(Annotation().loadedAnnotationPath, "");
    }
    EXPECT_EQ(platform->messages[0].text,
              "The target chrom \"chr1\" in reference file doesn't exist in the anontation file(" + path +
                  "),the annotation file contains following chroms:\t1\t2 The file names this chromosome 1.");
    EXPECT_FALSE(LoadAnnotation(workspace + "absent.gtf", "gtf", "chr1", "site"));
    EXPECT_EQ(platform->messages.back().text, "Input chrom \"chr1\" doesn't exist in the annotation file(" + workspace +
                                                  "absent.gtf).The annotation file contains following chroms:");
}

TEST_F(AnnotationTest, ARepeatedLoadReadsNoFile) {
    std::string path = File("a.gtf", kGtf);
    ASSERT_TRUE(LoadAnnotation(path, "gtf", "chr1", "site"));
    std::filesystem::remove(path);
    EXPECT_TRUE(LoadAnnotation(path, "gtf", "chr1", "seq"));
    EXPECT_EQ(ModelListing(), kGtfModel);
    EXPECT_TRUE(platform->messages.empty());
}

TEST_F(AnnotationTest, ALaterLoadReadsOnlyTheChromosomesBytes) {
    const std::string one = "chr1\tt\texon\t1\t10\t.\t+\t.\tgene_id \"A\"; transcript_id \"A1\";\n";
    const std::string two = "chr2\tt\texon\t1\t10\t.\t+\t.\tgene_id \"B\"; transcript_id \"B1\";\n";
    std::string path = File("ranges.gtf", one + two);
    ASSERT_TRUE(LoadAnnotation(path, "gtf", "chr1", "site"));
    // Put a chr2 line where chr1 stood, same size, same modification time: the remembered ranges of
    // chr2 do not cover it, so a load that read only them does not see it.
    auto time = std::filesystem::last_write_time(path);
    std::string planted = "chr2\tt\texon\t1\t10\t.\t+\t.\tgene_id \"X\"; transcript_id \"X1\";\n";
    ASSERT_EQ(planted.size(), one.size());
    WriteFile(path, planted + two);
    std::filesystem::last_write_time(path, time);
    ASSERT_TRUE(LoadAnnotation(path, "gtf", "chr2", "site"));
    EXPECT_EQ(ListingLines("gene", ""), std::vector<std::string>{"gene\tB\t0\t0\t10\t+"});
    // Once the file changes, it is read through again.
    WriteFile(path, planted + two);
    std::filesystem::last_write_time(path, time + std::chrono::seconds(5));
    ResetAnnotationModel();
    ASSERT_TRUE(LoadAnnotation(path, "gtf", "chr2", "site"));
    EXPECT_EQ(ListingLines("gene", ""), (std::vector<std::string>{"gene\tX\t0\t0\t10\t+", "gene\tB\t2\t0\t10\t+"}));
}

struct MalformedCase {
    const char* type;
    const char* file;
    const char* text;
    const char* listing;
};

class MalformedLines : public AnnotationTest, public ::testing::WithParamInterface<MalformedCase> {};

TEST_P(MalformedLines, AreReadAsFarAsTheyGo) {
    std::string path = File(GetParam().file, GetParam().text);
    EXPECT_TRUE(LoadAnnotation(path, GetParam().type, "c", "site"));
    EXPECT_EQ(ModelListing(), GetParam().listing);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, MalformedLines,
    ::testing::Values(
        MalformedCase{"gtf", "few.gtf", "c\tt\texon\t11\n", "gene\t\t0\t10\t0\t-\ntranscript\t\t0\t0\t10\t0\t-\n"
                                                        "part\t\t10\t0\tUTR\t-\nexonStart\t10\t\t1\nexonEnd\t0\t\t1\n"},
        MalformedCase{"gtf", "words.gtf", "c\tt\texon\tone\ttwo\t.\t+\t.\tgene_id \"G\"; transcript_id \"T\";\n",
                      "gene\tG\t0\t-1\t0\t+\ntranscript\tT\t1\t0\t-1\t0\t+\npart\tT\t-1\t0\tUTR\t+\n"
                      "exonStart\t-1\tT\t1\nexonEnd\t0\tT\t1\n"},
        MalformedCase{"gff3", "junk.gff3",
                      "c\tgene\x01\xff\n\x02\x7f\n", ""},
        MalformedCase{"gff3", "few.gff3", "c\ts\tgene\t5\n", "gene\t\t0\t4\t0\t-\n"},
        MalformedCase{"refFlat", "few.txt", "G\tT\tc\t+\n", ""},
        MalformedCase{"refFlat", "lists.txt", "G\tT\tc\t+\t0\t9\t0\t0\t2\t5,\t10,20,\n",
                      "gene\tG\t0\t5\t20\t+\ntranscript\tT\t1\t0\t5\t20\t+\n"
                      "part\tT\t5\t10\tUTR\t+\npart\tT\t0\t20\tUTR\t+\n"
                      "exonStart\t0\tT\t1\nexonStart\t5\tT\t0\nexonEnd\t10\tT\t0\nexonEnd\t20\tT\t1\n"}));

TEST_F(AnnotationTest, LinesOfAnyLengthAreReadWholeAndTheFileGoesOn) {
    std::string tags;
    for (int i = 0; i < 500; ++i) tags += " tag \"basic" + std::to_string(i) + "\";";
    std::string path = File("long.gtf", "c\tt\texon\t1\t10\t.\t+\t.\tgene_id \"A\";" + tags + " transcript_id \"A1\";\n"
                                         "c\tt\texon\t21\t30\t.\t+\t.\tgene_id \"B\"; transcript_id \"B1\";\n");
    ASSERT_GT(tags.size(), 5000u);
    ASSERT_TRUE(LoadAnnotation(path, "gtf", "c", "site"));
    EXPECT_EQ(ListingLines("transcript", ""),
              (std::vector<std::string>{"transcript\tA1\t1\t0\t0\t10\t+", "transcript\tB1\t3\t2\t20\t30\t+"}));
}

TEST_F(AnnotationTest, BinaryJunkBetweenLinesChangesNothingElse) {
    std::string junk("\x00\x01\x02\xff\xfe\t\t\t\t\t\t\t\t\t\t\t\t\n", 17);
    std::string text = kGtf;
    text.insert(text.find("chr1\tt\tgene"), junk);
    std::string path = File("junk.gtf", text);
    ASSERT_TRUE(LoadAnnotation(path, "gtf", "chr1", "site"));
    EXPECT_EQ(ModelListing(), kGtfModel);
}

}  // namespace
}  // namespace tallowby::test
