#pragma once
// A FASTA file read record by record: each header, then the record's sequence in pieces. Lines
// before the first header are ignored; a header is a line starting with '>'. Sequence pieces never
// hold a line end (a carriage return before a line feed is dropped too); case and every other byte
// are kept. A piece lies within one line but a line may come in several pieces, so a chromosome
// written on one line of hundreds of megabases reads in bounded memory.
//
// Use: FastaReader fasta; if (fasta.Open(path)) while (fasta.NextHeader()) {
//          if (fasta.Name() == wanted) for (std::string_view piece; fasta.NextPiece(piece);) ... }

#include "genome/ByteSource.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tallowby {

class FastaReader {
public:
    explicit FastaReader(size_t bufferSize = 1 << 20);

    [[nodiscard]] bool Open(const std::string& path);
    // Sequence lines only: the bytes [begin, end) of a plain file, read as the body of one record
    // (begin is the first byte after a header line). Used to reread a record found earlier.
    [[nodiscard]] bool OpenRecordBody(const std::string& path, uint64_t begin, uint64_t end);
    void OpenMemory(std::string_view text);

    // Skips the rest of the current record and reads the next header; false at the end of the file.
    [[nodiscard]] bool NextHeader();
    // The sequence name: the header up to its first blank or TAB.
    std::string_view Name() const { return name_; }
    // The whole header line without '>' and without its line end.
    const std::string& Header() const { return header_; }
    uint64_t HeaderStart() const { return headerStart_; }  // offset of the header's '>'
    uint64_t BodyStart() const { return bodyStart_; }      // offset just after the header line
    // After NextHeader returned false: the size of the (decompressed) data.
    uint64_t DataEnd() const { return dataEnd_; }

    // The next piece of the current record's sequence; false at the end of the record.
    [[nodiscard]] bool NextPiece(std::string_view& piece);

    bool Compressed() const { return source_.Compressed(); }

private:
    bool Refill();  // drops the buffer's content and reads the next chunk; false at the end
    uint64_t Offset() const { return bufferOffset_ + pos_; }
    bool ReadHeaderLine();

    ByteSource source_;
    std::vector<char> buffer_;
    size_t pos_ = 0, end_ = 0;
    uint64_t bufferOffset_ = 0;
    bool atLineStart_ = true;  // pos_ is the first byte of a line
    bool inRecord_ = false;
    bool pendingReturn_ = false;  // a chunk ended with '\r' whose line feed is not read yet
    bool atEnd_ = false;
    std::string header_;
    std::string_view name_;
    uint64_t headerStart_ = 0, bodyStart_ = 0, dataEnd_ = 0;
};

// The sequence name of a header text (without '>'): up to the first blank or TAB.
[[nodiscard]] std::string_view FastaName(std::string_view header);

}  // namespace tallowby
