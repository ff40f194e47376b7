// The reference store on real FASTA files and chromosome sets: names, lengths, loads, windows,
// caching, messages, and the .fai index it may trust.

#include "GenomeTest.h"
#include "app/SharedState.h"
#include "genome/ChromosomeNames.h"
#include "genome/ReferenceStore.h"

#include <sys/stat.h>

#include <filesystem>

namespace tallowby::test {
namespace {

const std::string kHg19Sub = kGenomeData + "reference/hg19sub.fa";
const std::string kChromSetList = kGenomeData + "reference/chromset/chromosomes.txt";
const std::string kSingleLine = kGenomeData + "reference/CFLAR_HIPK3.single_line.fa";
const std::string kCdr1as = kGenomeData + "reference/CDR1as_locus.fa";

const char kMissingInReference[] =
    "The target chrom \"%s\" doesn't exist in the reference file(%s),the reference file contains following "
    "chroms:%s";

std::string Missing(const std::string& chrom, const std::string& path, const std::string& names) {
    std::string text = kMissingInReference;
    for (const std::string& value : {chrom, path, names}) text.replace(text.find("%s"), 2, value);
    return text;
}

int StoredLength(const std::string& path, const std::string& chrom) {
    auto& index = Reference().chromLengthIndex;
    auto found = index.find({path, chrom});
    return found == index.end() ? -1 : found->second;
}

class ReferenceTest : public GenomeTest {
protected:
    std::string Fasta(const std::string& name, const std::string& text) {
        WriteFile(workspace + name, text);
        return workspace + name;
    }
};

struct LengthCase {
    std::string path;
    const char* chrom;
    int length;
};

class MeasuredLengths : public GenomeTest, public ::testing::WithParamInterface<LengthCase> {};

TEST_P(MeasuredLengths, MatchTheRealFiles) {
    ASSERT_TRUE(MeasureChromosome(GetParam().path, GetParam().chrom));
    EXPECT_EQ(StoredLength(GetParam().path, GetParam().chrom), GetParam().length);
    ASSERT_TRUE(LoadChromosome(GetParam().path, GetParam().chrom));
    EXPECT_EQ(Reference().chromSequences[GetParam().chrom].size(), static_cast<size_t>(GetParam().length));
    EXPECT_TRUE(platform->messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Files, MeasuredLengths,
                         ::testing::Values(LengthCase{kHg19Sub, "chr1", 40000}, LengthCase{kHg19Sub, "chr2", 10000},
                                           LengthCase{kHg19Sub, "chr3", 45000},
                                           // One line each, far beyond any line limit; the file is read on after it.
                                           LengthCase{kSingleLine, "CFLAR", 60582},
                                           LengthCase{kSingleLine, "HIPK3", 100351},
                                           // The header carries a description after a blank.
                                           LengthCase{kCdr1as, "CDR1as_locus", 2924}));

TEST_F(ReferenceTest, LoadedSequenceIsTheFileTextWithoutLineEnds) {
    ASSERT_TRUE(LoadChromosome(kGenomeData + "reference/chromset/chr2.fa", "chr2"));
    const std::string& sequence = Reference().chromSequences["chr2"];
    EXPECT_EQ(sequence.substr(0, 10), "TGTATTTTTG");
    EXPECT_EQ(sequence.substr(sequence.size() - 19), "TGGGCGGATCACCTGAGGT");
    EXPECT_EQ(sequence.find_first_of("\r\n>"), std::string::npos);
    // The chromosome-set file and the whole genome hold the same chr2.
    std::string fromGenome = sequence;
    Reference().chromSequences.clear();
    ASSERT_TRUE(LoadChromosome(kHg19Sub, "chr2"));
    EXPECT_EQ(Reference().chromSequences["chr2"], fromGenome);
}

TEST_F(ReferenceTest, WindowsLineEndsAndCaseAreHandledAsText) {
    std::string path = Fasta("crlf.fa", ">chrA note\r\nacGT\r\nNN\r\n>chrB\r\nTTTT\r\n");
    ASSERT_TRUE(LoadChromosome(path, "chrA"));
    EXPECT_EQ(Reference().chromSequences["chrA"], "acGTNN");
    std::vector<std::pair<std::string, int>> lengths;
    EXPECT_TRUE(ReadChromosomeLengths(path, lengths));
    EXPECT_EQ(lengths, (std::vector<std::pair<std::string, int>>{{"chrA", 6}, {"chrB", 4}}));
}

TEST_F(ReferenceTest, AWholeHeaderIsNoLongerAName) {
    Shared().databasePath = kCdr1as;
    EXPECT_FALSE(EnsureChromosomeLength(kCdr1as, "CDR1as_locus range=chrX:139864612-139867535"));
    ASSERT_EQ(platform->messages.size(), 1u);
    EXPECT_EQ(platform->messages[0].text,
              Missing("CDR1as_locus range=chrX:139864612-139867535", kCdr1as, "\tCDR1as_locus"));
    EXPECT_EQ(platform->messages[0].kind, MessageKind::Notice);
}

TEST_F(ReferenceTest, ChromosomeLengthsAreListedInFileOrder) {
    std::vector<std::pair<std::string, int>> lengths{{"kept", 1}};
    EXPECT_TRUE(ReadChromosomeLengths(kHg19Sub, lengths));
    EXPECT_EQ(lengths, (std::vector<std::pair<std::string, int>>{{"kept", 1}, {"chr1", 40000}, {"chr2", 10000},
                                                                  {"chr3", 45000}}));
    EXPECT_TRUE(ReadChromosomeLengths(workspace + "missing.fa", lengths));
    EXPECT_EQ(lengths.size(), 4u);
}

struct AliasCase {
    const char* requested;
    const char* fileText;
    const char* names;     // names text of the message
    const char* sentence;  // last sentence, "" for none
};

class AliasSentence : public ReferenceTest, public ::testing::WithParamInterface<AliasCase> {};

TEST_P(AliasSentence, NamesTheAliasFoundAndRenamesNothing) {
    std::string path = Fasta("genome.fa", GetParam().fileText);
    EXPECT_FALSE(EnsureChromosomeLength(path, GetParam().requested));
    ASSERT_EQ(platform->messages.size(), 1u);
    EXPECT_EQ(platform->messages[0].text, Missing(GetParam().requested, path, GetParam().names) + GetParam().sentence);
    EXPECT_TRUE(Reference().chromLengthIndex.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Names, AliasSentence,
    ::testing::Values(AliasCase{"chr1", ">1 dna:chromosome\nA\n>2\nC\n", "\t1\t2", " The file names this chromosome 1."},
                      AliasCase{"1", ">chr2\nA\n>chr1\nC\n", "\tchr2\tchr1", " The file names this chromosome chr1."},
                      AliasCase{"chrM", ">1\nA\n>MT\nC\n", "\t1\tMT", " The file names this chromosome MT."},
                      AliasCase{"MT", ">chrM\nA\n", "\tchrM", " The file names this chromosome chrM."},
                      AliasCase{"chrMT", ">M\nA\n", "\tM", " The file names this chromosome M."},
                      AliasCase{"chr1", ">chr10\nA\n>chr1_random\nC\n", "\tchr10\tchr1_random", ""},
                      AliasCase{"chrX", "", "", ""}));

TEST_F(ReferenceTest, MissingFileListsNoNames) {
    std::string path = workspace + "absent.fa";
    EXPECT_FALSE(EnsureChromosomeLength(path, "chr1"));
    ASSERT_EQ(platform->messages.size(), 1u);
    EXPECT_EQ(platform->messages[0].text, Missing("chr1", path, ""));
}

TEST_F(ReferenceTest, ANamesListKeepsWholeNamesUpTo4000Characters) {
    std::string text;
    std::vector<std::string> names;
    for (int i = 0; i < 600; ++i) {
        names.push_back("scaffold_" + std::to_string(100000 + i));  // 15 characters each
        text += ">" + names.back() + "\nA\n";
    }
    std::string path = Fasta("scaffolds.fa", text);
    EXPECT_FALSE(EnsureChromosomeLength(path, "chr1"));
    ASSERT_EQ(platform->messages.size(), 1u);
    std::string expectedNames;
    for (size_t i = 0; expectedNames.size() + 16 <= 4000; ++i) expectedNames += "\t" + names[i];
    EXPECT_EQ(platform->messages[0].text, Missing("chr1", path, expectedNames + "..."));
    EXPECT_EQ(NamesText({"a", "b"}, "", " "), "a b ");
}

TEST_F(ReferenceTest, RepeatedRequestsReadNothing) {
    std::string path = Fasta("g.fa", ">chr1\nACGTACGT\n>chr2\nGG\n");
    ASSERT_TRUE(EnsureChromosomeLength(path, "chr2"));
    ASSERT_TRUE(LoadReferenceChromosome(path, "chr1"));
    EXPECT_EQ(Reference().loadedReferencePath, path);
    std::filesystem::remove(path);
    EXPECT_TRUE(EnsureChromosomeLength(path, "chr2"));
    EXPECT_TRUE(LoadReferenceChromosome(path, "chr1"));
    EXPECT_EQ(Reference().chromSequences["chr1"], "ACGTACGT");
    EXPECT_EQ(StoredLength(path, "chr1"), 8);
    EXPECT_EQ(StoredLength(path, "chr2"), 2);
    EXPECT_TRUE(platform->messages.empty());
    // Another chromosome must be read, and the file is gone.
    EXPECT_FALSE(LoadReferenceChromosome(path, "chr2"));
    EXPECT_TRUE(Reference().chromSequences.empty());
    EXPECT_EQ(Reference().loadedReferencePath, "");
}

TEST_F(ReferenceTest, LoadingReplacesTheOneStoredChromosome) {
    std::string first = Fasta("a.fa", ">chr1\nAAAA\n>chr2\nCC\n");
    std::string second = Fasta("b.fa", ">chr1\nGGG\n");
    ASSERT_TRUE(LoadReferenceChromosome(first, "chr1"));
    ASSERT_TRUE(LoadReferenceChromosome(first, "chr2"));
    EXPECT_EQ(Reference().chromSequences.size(), 1u);
    ASSERT_TRUE(LoadReferenceChromosome(second, "chr1"));
    EXPECT_EQ(Reference().chromSequences, (std::map<std::string, std::string>{{"chr1", "GGG"}}));
    EXPECT_EQ(Reference().loadedReferencePath, second);
    EXPECT_EQ(StoredLength(first, "chr2"), 2);
    EXPECT_EQ(StoredLength(second, "chr1"), 3);
}

TEST_F(ReferenceTest, AChromosomeListedTwiceIsReadFromItsFirstRecord) {
    std::string path = Fasta("twice.fa", ">chr1\nAAAA\n>chr1\nCCCCCC\n");
    ASSERT_TRUE(MeasureChromosome(path, "chr1"));
    EXPECT_EQ(StoredLength(path, "chr1"), 4);
    ASSERT_TRUE(LoadChromosome(path, "chr1"));
    EXPECT_EQ(Reference().chromSequences["chr1"], "AAAA");
}

class ChromosomeSetTest : public ReferenceTest {
protected:
    void SetUp() override {
        ReferenceTest::SetUp();
        Shared().databaseFormat = 1;
    }
    const std::string question =
        "The chrom you queried is not on your list.Do you want to search listed files?\n\nQueried chrom: chrX\n"
        "Files on your list:\nchr1 chr2 chr3 ";
};

TEST_F(ChromosomeSetTest, TheFileNamedLikeTheChromosomeIsMeasuredWithoutAQuestion) {
    ASSERT_TRUE(EnsureChromosomeLength(kChromSetList, "chr2"));
    EXPECT_TRUE(platform->messages.empty());
    EXPECT_EQ(StoredLength(kChromSetList, "chr2"), 10000);
    EXPECT_EQ(StoredLength(kGenomeData + "reference/chromset/chr2.fa", "chr2"), 10000);
    EXPECT_EQ(Reference().chromosomesSeen, std::vector<std::string>{});
}

TEST_F(ChromosomeSetTest, AnotherChromosomeAsksAndCancelStopsSilently) {
    platform->answers.push_back(false);
    EXPECT_FALSE(EnsureChromosomeLength(kChromSetList, "chrX"));
    ASSERT_EQ(platform->messages.size(), 1u);
    EXPECT_EQ(platform->messages[0].kind, MessageKind::Question);
    EXPECT_EQ(platform->messages[0].text, question);
    EXPECT_TRUE(Reference().chromLengthIndex.empty());
}

TEST_F(ChromosomeSetTest, AfterOkEveryListedFileIsSearched) {
    platform->answers.push_back(true);
    EXPECT_FALSE(EnsureChromosomeLength(kChromSetList, "chrX"));
    ASSERT_EQ(platform->messages.size(), 2u);
    EXPECT_EQ(platform->messages[0].text, question);
    EXPECT_EQ(platform->messages[1].text, Missing("chrX", kChromSetList, "\tchr1\tchr2\tchr3"));
}

TEST_F(ChromosomeSetTest, AChromosomeInAFileOfAnotherNameIsFoundAfterOk) {
    WriteFile(workspace + "set/list.txt", "first.fa\r\n\r\nsecond.fa\n");
    WriteFile(workspace + "set/first.fa", ">chrA\nAAA\n");
    WriteFile(workspace + "set/second.fa", ">chrB\nCCCCC\n");
    const std::string list = workspace + "set/list.txt";
    platform->answers.push_back(true);
    ASSERT_TRUE(EnsureChromosomeLength(list, "chrB"));
    EXPECT_EQ(StoredLength(list, "chrB"), 5);
    EXPECT_EQ(platform->MessageTexts().size(), 1u);
    platform->answers.push_back(true);
    ASSERT_TRUE(LoadReferenceChromosome(list, "chrB"));
    EXPECT_EQ(Reference().chromSequences["chrB"], "CCCCC");
    EXPECT_EQ(Reference().loadedReferencePath, list);
}

TEST_F(ChromosomeSetTest, AMissingListedFileStopsBeforeAnyQuestion) {
    WriteFile(workspace + "set/list.txt", "chr1.fa\nnot here.fa\n");
    WriteFile(workspace + "set/chr1.fa", ">chr1\nA\n");
    EXPECT_FALSE(EnsureChromosomeLength(workspace + "set/list.txt", "chr1"));
    ASSERT_EQ(platform->messages.size(), 1u);
    EXPECT_EQ(platform->messages[0].text, "The input file on your list " + workspace + "set/not here.fa dosn't exists.");
    EXPECT_EQ(platform->messages[0].kind, MessageKind::Error);
    EXPECT_TRUE(Reference().chromLengthIndex.empty());
}

TEST_F(ChromosomeSetTest, LoadingFromTheSetRecordsTheListAsTheDatabase) {
    ASSERT_TRUE(LoadReferenceChromosome(kChromSetList, "chr3"));
    EXPECT_EQ(Reference().chromSequences["chr3"].size(), 45000u);
    EXPECT_EQ(Reference().loadedReferencePath, kChromSetList);
    EXPECT_EQ(StoredLength(kChromSetList, "chr3"), 45000);
}

class WindowsTest : public ReferenceTest {};

TEST_F(WindowsTest, CutFlanksOf52AndMarkWindowsThatDoNotFit) {
    std::string sequence;
    for (int i = 0; i < 200; ++i) sequence += "ACGT"[i % 4];
    std::string lines;
    for (size_t at = 0; at < sequence.size(); at += 60) lines += sequence.substr(at, 60) + "\n";
    std::string path = Fasta("w.fa", ">chr0\nTT\n>chr1\n" + lines + ">chr2\nGG\n");
    WindowRequests requests{{"chr1", {{52, 60}, {51, 60}, {100, 148}, {100, 149}, {60, 52}}}};
    auto windows = ExtractSequenceWindows(path, requests, 1);
    ASSERT_EQ(windows.size(), 1u);
    EXPECT_EQ(windows["chr1"], (std::vector<std::string>{sequence.substr(0, 112), "x", sequence.substr(48, 152), "x",
                                                        sequence.substr(8, 96)}));
    EXPECT_EQ(Reference().chromSequences, (std::map<std::string, std::string>{{"chr1", sequence}}));
    EXPECT_EQ(Reference().loadedReferencePath, path);
    EXPECT_EQ(Reference().chromosomesSeen, (std::vector<std::string>{"chr0", "chr1"}));
    EXPECT_TRUE(platform->messages.empty());
}

TEST_F(WindowsTest, AMissingChromosomeGivesNothingAndLeavesNoStaleCache) {
    std::string first = Fasta("a.fa", ">chr1\n" + std::string(200, 'A') + "\n");
    std::string second = Fasta("b.fa", ">chr1\n" + std::string(200, 'C') + "\n");
    ASSERT_TRUE(LoadReferenceChromosome(first, "chr1"));
    WindowRequests requests{{"chr1", {{60, 70}}}, {"chrZ", {{60, 70}}}};
    EXPECT_TRUE(ExtractSequenceWindows(second, requests, 2).empty());
    ASSERT_EQ(platform->messages.size(), 1u);
    EXPECT_EQ(platform->messages[0].text, Missing("chrZ", second, "\tchr1"));
    // The store now holds the second file's chr1, so the first file's must be read again.
    ASSERT_TRUE(LoadReferenceChromosome(first, "chr1"));
    EXPECT_EQ(Reference().chromSequences["chr1"], std::string(200, 'A'));
}

TEST_F(WindowsTest, AChromosomeListedTwiceCountsOnce) {
    std::string path = Fasta("dup.fa", ">chr1\n" + std::string(120, 'A') + "\n>chr1\n" + std::string(120, 'C') +
                                           "\n>chr2\n" + std::string(120, 'G') + "\n");
    WindowRequests requests{{"chr1", {{52, 53}}}, {"chr2", {{52, 53}}}};
    auto windows = ExtractSequenceWindows(path, requests, 2);
    EXPECT_EQ(windows, (std::map<std::string, std::vector<std::string>>{{"chr1", {std::string(105, 'A')}},
                                                                        {"chr2", {std::string(105, 'G')}}}));
}

class FaiTest : public ReferenceTest {
protected:
    // Sets a file's modification time, seconds from now.
    static void Age(const std::string& path, int seconds) {
        auto time = std::filesystem::file_time_type::clock::now() + std::chrono::seconds(seconds);
        std::filesystem::last_write_time(path, time);
    }
    std::string path;
    void SetUp() override {
        ReferenceTest::SetUp();
        // chr1: 10 bases in lines of 4 (offset 6); chr2: 3 bases (offset 25); 29 bytes.
        path = Fasta("g.fa", ">chr1\nACGT\nACGT\nAC\n>chr2\nTTT\n");
        Age(path, -100);
    }
    void Index(const std::string& text, int age = -10) {
        WriteFile(path + ".fai", text);
        Age(path + ".fai", age);
    }
};

TEST_F(FaiTest, ATrustedIndexIsUsedForLengthsAndSequences) {
    // The index tells lengths the scan could not: proof that it was used.
    Index("chr1\t9\t6\t4\t5\nchr2\t3\t25\t3\t4\n");
    ASSERT_TRUE(MeasureChromosome(path, "chr1"));
    EXPECT_EQ(StoredLength(path, "chr1"), 9);
    ASSERT_TRUE(LoadChromosome(path, "chr2"));
    EXPECT_EQ(Reference().chromSequences["chr2"], "TTT");
    EXPECT_EQ(Reference().chromosomesSeen, std::vector<std::string>{"chr1"});
    Reference().chromosomesSeen.clear();
    EXPECT_FALSE(MeasureChromosome(path, "chr3"));
    EXPECT_EQ(Reference().chromosomesSeen, (std::vector<std::string>{"chr1", "chr2"}));
    WindowRequests requests{{"chr2", {{52, 52}}}};
    EXPECT_EQ(ExtractSequenceWindows(path, requests, 1)["chr2"], std::vector<std::string>{"x"});
}

struct UntrustedCase {
    const char* index;
    int age;  // seconds from now; the FASTA is 100 seconds old
};

class UntrustedIndex : public FaiTest, public ::testing::WithParamInterface<UntrustedCase> {};

TEST_P(UntrustedIndex, IsIgnored) {
    Index(GetParam().index, GetParam().age);
    ASSERT_TRUE(MeasureChromosome(path, "chr1"));
    EXPECT_EQ(StoredLength(path, "chr1"), 10);
    ASSERT_TRUE(LoadChromosome(path, "chr1"));
    EXPECT_EQ(Reference().chromSequences["chr1"], "ACGTACGTAC");
}

INSTANTIATE_TEST_SUITE_P(
    Indexes, UntrustedIndex,
    ::testing::Values(UntrustedCase{"chr1\t9\t6\t4\t5\n", -200},                 // older than the FASTA
                      UntrustedCase{"chr1\t9\t6\t4\t5\nchr2\t5\t25\t3\t4\n", -10},  // runs past the end
                      UntrustedCase{"chr1\t9\t600\t4\t5\n", -10},                // offset past the end
                      UntrustedCase{"chr1\tnine\t6\t4\t5\n", -10},               // not a number
                      UntrustedCase{"chr1\t9\t6\n", -10},                        // too few columns
                      UntrustedCase{"chr1\t9\t6\t5\t4\n", -10}));                // line shorter than its bases

TEST_F(FaiTest, AnIndexWhoseBytesDoNotGiveItsBasesFallsBackToReading) {
    // Fits inside the file, but the bytes at the offset hold a header, not 10 bases.
    Index("chr1\t10\t0\t4\t5\n");
    ASSERT_TRUE(LoadChromosome(path, "chr1"));
    EXPECT_EQ(Reference().chromSequences["chr1"], "ACGTACGTAC");
}

}  // namespace
}  // namespace tallowby::test
