#include "genome/LineReader.h"

#include <cstring>

namespace tallowby {

LineReader::LineReader(size_t bufferSize) : buffer_(bufferSize < 16 ? 16 : bufferSize) {}

bool LineReader::Reset(bool opened, uint64_t offset) {
    begin_ = end_ = 0;
    bufferOffset_ = lineStart_ = lineEnd_ = offset;
    atEnd_ = !opened;
    return opened;
}

// Moves the unread bytes to the front, grows the buffer when they fill it, and reads more.
// False when nothing more could be read.
bool LineReader::Refill() {
    if (atEnd_) return false;
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        bufferOffset_ += begin_;
        end_ -= begin_;
        begin_ = 0;
    }
    if (end_ == buffer_.size()) buffer_.resize(buffer_.size() * 2);
    size_t got = source_.Read(buffer_.data() + end_, buffer_.size() - end_);
    if (got == 0) {
        atEnd_ = true;
        return false;
    }
    end_ += got;
    return true;
}

bool LineReader::Next(std::string_view& line) {
    size_t searched = 0;  // bytes of the pending line already known to hold no line feed
    for (;;) {
        const char* start = buffer_.data() + begin_;
        const void* feed = std::memchr(start + searched, '\n', end_ - begin_ - searched);
        if (feed) {
            size_t length = static_cast<const char*>(feed) - start;
            lineStart_ = bufferOffset_ + begin_;
            lineEnd_ = lineStart_ + length + 1;
            begin_ += length + 1;
            if (length > 0 && start[length - 1] == '\r') --length;
            line = std::string_view(start, length);
            return true;
        }
        searched = end_ - begin_;
        if (!Refill()) break;
    }
    if (begin_ == end_) return false;
    // The last line of a file without a final line feed.
    const char* start = buffer_.data() + begin_;
    size_t length = end_ - begin_;
    lineStart_ = bufferOffset_ + begin_;
    lineEnd_ = lineStart_ + length;
    begin_ = end_;
    if (start[length - 1] == '\r') --length;
    line = std::string_view(start, length);
    return true;
}

}  // namespace tallowby
