#include "genome/FastaReader.h"

#include <cstring>

namespace tallowby {

std::string_view FastaName(std::string_view header) {
    size_t cut = header.find_first_of(" \t");
    return cut == std::string_view::npos ? header : header.substr(0, cut);
}

FastaReader::FastaReader(size_t bufferSize) : buffer_(bufferSize < 16 ? 16 : bufferSize) {}

bool FastaReader::Open(const std::string& path) {
    pos_ = end_ = 0;
    bufferOffset_ = 0;
    atLineStart_ = true;
    inRecord_ = pendingReturn_ = false;
    atEnd_ = !source_.Open(path);
    return !atEnd_;
}

bool FastaReader::OpenRecordBody(const std::string& path, uint64_t begin, uint64_t end) {
    pos_ = end_ = 0;
    bufferOffset_ = begin;
    atLineStart_ = true;
    pendingReturn_ = false;
    atEnd_ = !source_.OpenRange(path, begin, end);
    inRecord_ = !atEnd_;
    return !atEnd_;
}

void FastaReader::OpenMemory(std::string_view text) {
    pos_ = end_ = 0;
    bufferOffset_ = 0;
    atLineStart_ = true;
    inRecord_ = pendingReturn_ = atEnd_ = false;
    source_.OpenMemory(text);
}

bool FastaReader::Refill() {
    if (atEnd_) return false;
    if (end_ > 0) atLineStart_ = buffer_[end_ - 1] == '\n';
    bufferOffset_ += end_;
    pos_ = end_ = 0;
    size_t got = source_.Read(buffer_.data(), buffer_.size());
    if (got == 0) {
        atEnd_ = true;
        dataEnd_ = bufferOffset_;
        return false;
    }
    end_ = got;
    return true;
}

bool FastaReader::NextHeader() {
    inRecord_ = false;
    pendingReturn_ = false;
    for (;;) {
        if (pos_ == end_ && !Refill()) return false;
        // Sequence lines never hold '>', so the next header is found by searching for it alone.
        const char* at = buffer_.data() + pos_;
        const char* stop = buffer_.data() + end_;
        while (at < stop) {
            const char* hit = static_cast<const char*>(std::memchr(at, '>', stop - at));
            if (!hit) break;
            bool lineStart = hit == buffer_.data() + pos_ ? atLineStart_ : hit[-1] == '\n';
            if (lineStart) {
                pos_ = hit - buffer_.data();
                headerStart_ = Offset();
                ++pos_;
                return ReadHeaderLine();
            }
            at = hit + 1;
        }
        atLineStart_ = buffer_[end_ - 1] == '\n';
        pos_ = end_;
    }
}

// Reads the rest of the header line, which may span chunks.
bool FastaReader::ReadHeaderLine() {
    header_.clear();
    for (;;) {
        if (pos_ == end_ && !Refill()) break;
        const char* start = buffer_.data() + pos_;
        const void* feed = std::memchr(start, '\n', end_ - pos_);
        if (feed) {
            size_t length = static_cast<const char*>(feed) - start;
            header_.append(start, length);
            pos_ += length + 1;
            atLineStart_ = true;
            break;
        }
        header_.append(start, end_ - pos_);
        pos_ = end_;
    }
    if (!header_.empty() && header_.back() == '\r') header_.pop_back();
    name_ = FastaName(header_);
    bodyStart_ = Offset();
    inRecord_ = true;
    return true;
}

bool FastaReader::NextPiece(std::string_view& piece) {
    static const char kReturn = '\r';
    while (inRecord_) {
        if (pos_ == end_ && !Refill()) {
            inRecord_ = pendingReturn_ = false;  // a '\r' at the very end closes the last line
            return false;
        }
        char first = buffer_[pos_];
        if (pendingReturn_) {
            pendingReturn_ = false;
            if (first != '\n') {
                piece = std::string_view(&kReturn, 1);  // a '\r' inside a line is sequence
                return true;
            }
        }
        if (first == '\n') {
            ++pos_;
            atLineStart_ = true;
            continue;
        }
        if (atLineStart_ && first == '>') {
            inRecord_ = false;
            return false;
        }
        const char* start = buffer_.data() + pos_;
        const void* feed = std::memchr(start, '\n', end_ - pos_);
        size_t length = feed ? static_cast<const char*>(feed) - start : end_ - pos_;
        pos_ += length;
        atLineStart_ = false;
        if (length > 0 && start[length - 1] == '\r') {
            --length;
            if (!feed) pendingReturn_ = true;
        }
        if (length == 0) continue;
        piece = std::string_view(start, length);
        return true;
    }
    return false;
}

}  // namespace tallowby
