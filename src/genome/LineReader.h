#pragma once
// Text lines of a file (plain or gzip-compressed), one per call, through one big reused buffer.
// A line is handed out without its line feed and without a carriage return before it; it may be of
// any length (the buffer grows to hold it). The view is valid until the next call.
//
// Use: LineReader lines; if (lines.Open(path)) for (std::string_view line; lines.Next(line);) ...

#include "genome/ByteSource.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tallowby {

class LineReader {
public:
    explicit LineReader(size_t bufferSize = 1 << 20);

    [[nodiscard]] bool Open(const std::string& path) { return Reset(source_.Open(path), 0); }
    // The lines of the byte range [begin, end) of a plain file; begin must be a line start.
    [[nodiscard]] bool OpenRange(const std::string& path, uint64_t begin, uint64_t end) {
        return Reset(source_.OpenRange(path, begin, end), begin);
    }
    void OpenMemory(std::string_view text) { Reset((source_.OpenMemory(text), true), 0); }

    // The next line; false at the end of the data.
    [[nodiscard]] bool Next(std::string_view& line);

    // Offsets in the (decompressed) data: where the line last handed out starts, and where the
    // line after it starts.
    uint64_t LineStart() const { return lineStart_; }
    uint64_t LineEnd() const { return lineEnd_; }

    bool Compressed() const { return source_.Compressed(); }
    bool Failed() const { return source_.Failed(); }

private:
    bool Reset(bool opened, uint64_t offset);
    bool Refill();

    ByteSource source_;
    std::vector<char> buffer_;
    size_t begin_ = 0, end_ = 0;  // unread bytes of the buffer
    uint64_t bufferOffset_ = 0;   // data offset of buffer_[0]
    uint64_t lineStart_ = 0, lineEnd_ = 0;
    bool atEnd_ = true;
};

}  // namespace tallowby
