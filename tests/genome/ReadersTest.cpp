// The byte-level readers: lines of any length and line end, plain or gzip; FASTA pieces that never
// hold a line end, wherever the buffer's chunks cut the text.

#include "genome/FastaReader.h"
#include "genome/LineReader.h"
#include "support/TestWorkspace.h"

#include <zlib.h>

#include <gtest/gtest.h>

namespace tallowby::test {
namespace {

std::vector<std::string> AllLines(LineReader& reader) {
    std::vector<std::string> lines;
    for (std::string_view line; reader.Next(line);) lines.emplace_back(line);
    return lines;
}

struct LinesCase {
    const char* text;
    std::vector<std::string> lines;
};

class LineReaderCases : public ::testing::TestWithParam<LinesCase> {};

// Buffers from tiny (every line crosses chunks, the buffer must grow) to ample.
TEST_P(LineReaderCases, GiveTheSameLinesWhateverTheBufferSize) {
    for (size_t bufferSize : {16u, 17u, 64u, 1u << 20}) {
        LineReader reader(bufferSize);
        reader.OpenMemory(GetParam().text);
        EXPECT_EQ(AllLines(reader), GetParam().lines) << "buffer " << bufferSize;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LineReaderCases,
    ::testing::Values(LinesCase{"a\nb\n", {"a", "b"}}, LinesCase{"a\r\nb\r\n", {"a", "b"}},
                      LinesCase{"no final line feed", {"no final line feed"}}, LinesCase{"a\r", {"a"}},
                      LinesCase{"\n\n", {"", ""}}, LinesCase{"", {}},
                      LinesCase{"a\rb\n", {"a\rb"}},
                      LinesCase{"0123456789012345678901234567890123456789\nx\n",
                                {"0123456789012345678901234567890123456789", "x"}}));

TEST(LineReader, TellsWhereEachLineStands) {
    LineReader reader(16);
    reader.OpenMemory("ab\r\ncde\n\nf");
    std::vector<std::pair<uint64_t, uint64_t>> offsets;
    for (std::string_view line; reader.Next(line);) offsets.emplace_back(reader.LineStart(), reader.LineEnd());
    EXPECT_EQ(offsets, (std::vector<std::pair<uint64_t, uint64_t>>{{0, 4}, {4, 8}, {8, 9}, {9, 10}}));
}

TEST(LineReader, ReadsALineOfTenMegabytesWhole) {
    std::string text(10'000'000, 'A');
    text += "\nnext\n";
    LineReader reader(1024);
    reader.OpenMemory(text);
    std::vector<std::string> lines = AllLines(reader);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].size(), 10'000'000u);
    EXPECT_EQ(lines[1], "next");
}

TEST(LineReader, DecompressesGzipFilesAndReadsRangesOfPlainOnes) {
    std::string folder = MakeTempFolder("lines");
    const std::string text = "chr1\tx\r\nchr2\ty\nchr3\tz\n";
    WriteFile(folder + "plain.gtf", text);
    gzFile gz = gzopen((folder + "packed.gtf.gz").c_str(), "wb");
    ASSERT_NE(gz, nullptr);
    gzwrite(gz, text.data(), static_cast<unsigned>(text.size()));
    gzclose(gz);

    LineReader packed;
    ASSERT_TRUE(packed.Open(folder + "packed.gtf.gz"));
    EXPECT_TRUE(packed.Compressed());
    EXPECT_EQ(AllLines(packed), (std::vector<std::string>{"chr1\tx", "chr2\ty", "chr3\tz"}));

    LineReader range;
    ASSERT_TRUE(range.OpenRange(folder + "plain.gtf", 8, 15));
    EXPECT_EQ(AllLines(range), (std::vector<std::string>{"chr2\ty"}));
    EXPECT_FALSE(range.OpenRange(folder + "packed.gtf.gz", 0, 5));
    EXPECT_FALSE(range.Open(folder + "missing.gtf"));
}

struct Record {
    std::string name, header, sequence;
    bool operator==(const Record&) const = default;
};

std::vector<Record> AllRecords(FastaReader& fasta) {
    std::vector<Record> records;
    while (fasta.NextHeader()) {
        Record record{std::string(fasta.Name()), fasta.Header(), {}};
        for (std::string_view piece; fasta.NextPiece(piece);) {
            EXPECT_EQ(piece.find_first_of("\r\n"), std::string_view::npos) << "piece holds a line end";
            record.sequence.append(piece);
        }
        records.push_back(record);
    }
    return records;
}

struct FastaCase {
    const char* text;
    std::vector<Record> records;
};

class FastaReaderCases : public ::testing::TestWithParam<FastaCase> {};

TEST_P(FastaReaderCases, GiveTheSameRecordsWhateverTheBufferSize) {
    for (size_t bufferSize : {16u, 17u, 19u, 64u, 1u << 20}) {
        FastaReader fasta(bufferSize);
        fasta.OpenMemory(GetParam().text);
        EXPECT_EQ(AllRecords(fasta), GetParam().records) << "buffer " << bufferSize;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FastaReaderCases,
    ::testing::Values(
        FastaCase{">chr1\nACGT\nacgt\n>chr2\nNN\n", {{"chr1", "chr1", "ACGTacgt"}, {"chr2", "chr2", "NN"}}},
        // Windows line ends, and a carriage return that a chunk boundary separates from its line feed.
        FastaCase{">chr1 desc\r\nACGTACGTACGTACG\r\nTT\r\n>chr2\r\nGG",
                  {{"chr1", "chr1 desc", "ACGTACGTACGTACGTT"}, {"chr2", "chr2", "GG"}}},
        // The name ends at a blank or a TAB; the header is kept whole.
        FastaCase{">1 dna:chromosome chromosome:GRCh38:1:1:10:1 REF\nAC\n>2\tx\nG\n",
                  {{"1", "1 dna:chromosome chromosome:GRCh38:1:1:10:1 REF", "AC"}, {"2", "2\tx", "G"}}},
        // Text before the first header is ignored; empty lines add nothing.
        FastaCase{"junk line\nAAAA\n>chrM\n\nAC\n\nGT\n", {{"chrM", "chrM", "ACGT"}}},
        // A '>' inside a line is sequence, not a header.
        FastaCase{">a\nAC>GT\n>b\n", {{"a", "a", "AC>GT"}, {"b", "b", ""}}},
        FastaCase{">long header that is longer than the smallest buffer\nA\n",
                  {{"long", "long header that is longer than the smallest buffer", "A"}}},
        FastaCase{"", {}}));

TEST(FastaReader, ReadsAChromosomeWrittenOnOneLineInBoundedPieces) {
    std::string text = ">one\n" + std::string(5'000'000, 'C') + "\n>two\nA\n";
    FastaReader fasta(4096);
    fasta.OpenMemory(text);
    ASSERT_TRUE(fasta.NextHeader());
    size_t bases = 0, largest = 0;
    for (std::string_view piece; fasta.NextPiece(piece);) {
        bases += piece.size();
        largest = std::max(largest, piece.size());
    }
    EXPECT_EQ(bases, 5'000'000u);
    EXPECT_LE(largest, 4096u);
    ASSERT_TRUE(fasta.NextHeader());
    EXPECT_EQ(fasta.Name(), "two");
}

}  // namespace
}  // namespace tallowby::test
