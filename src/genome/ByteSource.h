#pragma once
// Bytes of a file, a byte range of a plain file, or a text in memory, handed out in chunks. A file
// that starts with the gzip magic bytes is decompressed on the fly, so every reader built on this
// reads x.gtf and x.gtf.gz alike. A compressed file cannot be entered in the middle: OpenRange
// refuses it.
//
// Use: ByteSource source; if (source.Open(path)) while (size_t n = source.Read(buffer, size)) ...

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tallowby {

class ByteSource {
public:
    ByteSource() = default;
    ByteSource(const ByteSource&) = delete;
    ByteSource& operator=(const ByteSource&) = delete;
    ~ByteSource();

    // False when the file cannot be opened (nothing is read then).
    [[nodiscard]] bool Open(const std::string& path);
    // Only the bytes [begin, end) of a plain (uncompressed) file; false for a compressed one.
    [[nodiscard]] bool OpenRange(const std::string& path, uint64_t begin, uint64_t end);
    // Reads from a text that must outlive the source (tests and fuzzers call readers this way).
    void OpenMemory(std::string_view text);

    // Copies up to size bytes into buffer; 0 at the end (or after a read error, see Failed).
    [[nodiscard]] size_t Read(char* buffer, size_t size);

    bool Compressed() const { return gz_ != nullptr; }
    // A read error happened (the data handed out so far is all there is).
    bool Failed() const { return failed_; }
    void Close();

private:
    int fd_ = -1;
    void* gz_ = nullptr;  // gzFile, kept opaque so zlib's header stays out of every reader
    std::string_view memory_;
    bool inMemory_ = false;
    uint64_t position_ = 0;
    uint64_t end_ = UINT64_MAX;
    bool failed_ = false;
};

}  // namespace tallowby
