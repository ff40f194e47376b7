// Real annotation files of each provider load into the model a researcher would expect: the genes,
// the isoforms, and each isoform's CDS and UTR pieces in transcript order.

#include "AnnotationTestSupport.h"
#include "GenomeTest.h"
#include "genome/AnnotationLoad.h"

namespace tallowby::test {
namespace {

const std::string kAnnotation = kGenomeData + "annotation/";

class DialectTest : public GenomeTest {
protected:
    void Load(const std::string& file, const std::string& type, const std::string& chrom) {
        ASSERT_TRUE(CheckAnnotationFileType(type, AnnotationFileExtension(kAnnotation + file)));
        ASSERT_TRUE(LoadAnnotation(kAnnotation + file, type, chrom, "site"));
        ASSERT_TRUE(platform->messages.empty());
    }
    static size_t GeneCount() { return ListingLines("gene", "").size(); }
    // The transcripts of a gene, by name.
    static std::vector<std::string> TranscriptsOf(const std::string& geneName) {
        int gene = Annotation().nameIds.at(geneName).id;
        std::vector<std::string> names;
        for (const FeatureSpan& transcript : Annotation().transcriptsByGene[gene])
            names.push_back(Annotation().idNames[static_cast<size_t>(transcript.id)]);
        return names;
    }
};

// OR4F5's one coding isoform, 5' UTR in two exons, as GENCODE, Ensembl and RefSeq all describe it.
std::vector<std::string> Or4f5Parts(const std::string& name, const char* utr5, const char* utr3) {
    return {"part\t" + name + "\t65418\t65433\t" + utr5 + "\t+", "part\t" + name + "\t65519\t65564\t" + utr5 + "\t+",
            "part\t" + name + "\t65564\t65573\tCDS\t+", "part\t" + name + "\t69036\t70008\tCDS\t+",
            "part\t" + name + "\t70008\t71585\t" + utr3 + "\t+"};
}

TEST_F(DialectTest, GencodeGff3TranscriptsTypedTranscript) {
    Load("gencode_v38_human_chr1.gff3", "gff3", "chr1");
    EXPECT_EQ(GeneCount(), 12u);
    EXPECT_EQ(TranscriptsOf("ENSG00000223972.5"), (std::vector<std::string>{"ENST00000456328.2", "ENST00000450305.2"}));
    EXPECT_EQ(TranscriptsOf("ENSG00000238009.6").size(), 5u);
    EXPECT_EQ(ListingLines("part", "ENST00000641515.2"),
              Or4f5Parts("ENST00000641515.2", "five_prime_UTR", "three_prime_UTR"));
    EXPECT_EQ(ListingLines("exonEnd", "ENST00000641515.2"),
              (std::vector<std::string>{"exonEnd\t65418\tENST00000641515.2\t1", "exonEnd\t65519\tENST00000641515.2\t2",
                                        "exonEnd\t69036\tENST00000641515.2\t3", "exonEnd\t71585\tENST00000641515.2\t3"}));
    EXPECT_EQ(ListingLines("exonStart", "ENST00000641515.2"),
              (std::vector<std::string>{"exonStart\t65433\tENST00000641515.2\t1",
                                        "exonStart\t65573\tENST00000641515.2\t2"}));
    // A non-coding isoform: its exons as UTR pieces.
    EXPECT_EQ(ListingLines("part", "ENST00000456328.2"),
              (std::vector<std::string>{"part\tENST00000456328.2\t11868\t12227\tUTR\t+",
                                        "part\tENST00000456328.2\t12612\t12721\tUTR\t+",
                                        "part\tENST00000456328.2\t13220\t14409\tUTR\t+"}));
}

TEST_F(DialectTest, EnsemblGff3WithSeparatorsPrefixesAndNcRnaGenes) {
    Load("ensembl_104_human_chr1.gff3", "gff3", "1");
    EXPECT_EQ(GeneCount(), 12u);
    EXPECT_EQ(TranscriptsOf("gene:ENSG00000238009").size(), 5u);
    EXPECT_EQ(TranscriptsOf("gene:ENSG00000223972").size(), 2u);
    EXPECT_EQ(ListingLines("part", "transcript:ENST00000641515"),
              Or4f5Parts("transcript:ENST00000641515", "five_prime_UTR", "three_prime_UTR"));
    // OR4F29: one exon, all of it coding, no UTR lines.
    EXPECT_EQ(ListingLines("part", "transcript:ENST00000426406"),
              std::vector<std::string>{"part\ttranscript:ENST00000426406\t450739\t451678\tCDS\t-"});
    // A minus-strand lncRNA isoform lists its exons from the highest down.
    std::vector<std::string> parts = ListingLines("part", "transcript:ENST00000466430");
    ASSERT_GE(parts.size(), 2u);
    EXPECT_GT(std::stoi(parts[0].substr(parts[0].find('\t', 5) + 1)),
              std::stoi(parts[1].substr(parts[1].find('\t', 5) + 1)));
}

TEST_F(DialectTest, PositionSortedEnsemblGff3ResolvesParentsAndOrdersPieces) {
    Load("ensembl_vep_test_chr21.gff3", "gff3", "21");
    EXPECT_EQ(GeneCount(), 9u);  // lincRNA_gene included
    EXPECT_EQ(TranscriptsOf("gene:ENSG00000154719").size(), 3u);
    EXPECT_EQ(TranscriptsOf("gene:ENSG00000154721").size(), 7u);  // NMD_transcript_variant among them
    // MRPL39-001: its 3' UTR and last exon precede the gene line in the file, in ascending order.
    const std::string t = "transcript:ENST00000352957";
    std::vector<std::string> parts = ListingLines("part", t);
    ASSERT_EQ(parts.size(), 12u);
    EXPECT_EQ(parts.front(), "part\t" + t + "\t25607475\t25607517\tfive_prime_UTR\t-");
    EXPECT_EQ(parts[1], "part\t" + t + "\t25607402\t25607475\tCDS\t-");
    EXPECT_EQ(parts.back(), "part\t" + t + "\t25585655\t25585706\tthree_prime_UTR\t-");
    std::vector<std::string> ends = ListingLines("exonEnd", t);
    EXPECT_EQ(ends.size(), 11u);  // ten exons: both outer ends and one inner end each
    EXPECT_EQ(ends.front(), "exonEnd\t25585655\t" + t + "\t10");
    EXPECT_EQ(ends.back(), "exonEnd\t25607517\t" + t + "\t1");
}

TEST_F(DialectTest, RefSeqGff3DerivesUtrsFromExonsAndCds) {
    Load("ncbi_refseq_grch37_chr1.gff3", "gff3", "NC_000001.10");
    EXPECT_EQ(GeneCount(), 27u);  // pseudogene lines are genes too
    EXPECT_EQ(TranscriptsOf("gene-OR4F5"), std::vector<std::string>{"rna-NM_001005484.2"});
    EXPECT_EQ(ListingLines("part", "rna-NM_001005484.2"), Or4f5Parts("rna-NM_001005484.2", "UTR", "UTR"));
    EXPECT_EQ(TranscriptsOf("gene-FAM138A").size(), 1u);  // an lnc_RNA
}

TEST_F(DialectTest, LegacyRefSeqGff3MinusStrandIsoforms) {
    Load("ncbi_refseq_legacy_ids_chr21.gff3", "gff3", "NC_000021.9");
    EXPECT_EQ(GeneCount(), 13u);
    EXPECT_EQ(TranscriptsOf("gene49527").size(), 4u);  // MRPL39
    EXPECT_EQ(TranscriptsOf("gene49531").size(), 7u);  // ATP5J
    for (const std::string& transcript : TranscriptsOf("gene49531")) {
        int id = Annotation().nameIds.at(transcript).id;
        const std::vector<StructurePart>& parts = Annotation().partsByTranscript[id];
        ASSERT_FALSE(parts.empty()) << transcript;
        for (size_t i = 1; i < parts.size(); ++i) EXPECT_LT(parts[i].start, parts[i - 1].start) << transcript;
        EXPECT_TRUE(std::any_of(parts.begin(), parts.end(), [](auto& p) { return p.type == kTypeCds; }));
        EXPECT_TRUE(std::any_of(parts.begin(), parts.end(), [](auto& p) { return p.type == kTypeUtr; }));
    }
}

TEST_F(DialectTest, GencodeGtfMinusStrandIsoforms) {
    Load("gencode_v29_human_chr1.gtf", "gtf", "chr1");
    EXPECT_EQ(GeneCount(), 14u);
    EXPECT_EQ(TranscriptsOf("ENSG00000188290.10").size(), 4u);  // HES4
    EXPECT_EQ(TranscriptsOf("ENSG00000188976.10").size(), 6u);  // NOC2L
    EXPECT_EQ(TranscriptsOf("ENSG00000187642.9").size(), 3u);   // PERM1
    std::vector<std::string> genes = ListingLines("gene", "");
    EXPECT_EQ(genes.back(), "gene\tENSG00000188290.10\t" +
                                std::to_string(Annotation().nameIds.at("ENSG00000188290.10").id) + "\t998961\t1000172\t-");
}

TEST_F(DialectTest, EnsemblGtf) {
    Load("ensembl_gtf_human_chr1.gtf", "gtf", "1");
    EXPECT_EQ(GeneCount(), 9u);
    EXPECT_EQ(TranscriptsOf("ENSG00000186092").size(), 2u);
}

TEST_F(DialectTest, UcscRefFlatReadsAChromosomeScatteredThroughTheFile) {
    Load("ucsc_refflat_hg19.txt", "refFlat", "chr1");
    // 74 chr1 lines; NR_028327 stands on two of them and, names being ids, is one transcript.
    EXPECT_EQ(ListingLines("transcript", "").size(), 73u);
    EXPECT_EQ(TranscriptsOf("MXRA8").size(), 5u);
    std::vector<std::string> parts = ListingLines("part", "NM_001282584");
    ASSERT_EQ(parts.size(), 11u);
    EXPECT_EQ(parts.front(), "part\tNM_001282584\t1288068\t1288983\tUTR\t-");
    EXPECT_EQ(parts[1], "part\tNM_001282584\t1288983\t1289009\tCDS\t-");
    EXPECT_EQ(parts[9], "part\tNM_001282584\t1293835\t1293884\tCDS\t-");
    EXPECT_EQ(parts.back(), "part\tNM_001282584\t1293884\t1294174\tUTR\t-");
    EXPECT_EQ(ListingLines("exonStart", "NM_001282584").front(), "exonStart\t1288068\tNM_001282584\t8");
    EXPECT_EQ(ListingLines("exonEnd", "NM_001282584").back(), "exonEnd\t1294174\tNM_001282584\t0");
}

}  // namespace
}  // namespace tallowby::test
