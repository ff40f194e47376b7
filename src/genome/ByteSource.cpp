#include "genome/ByteSource.h"

#include <fcntl.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace tallowby {

namespace {
bool StartsWithGzipMagic(int fd) {
    unsigned char magic[2] = {0, 0};
    ssize_t got = ::pread(fd, magic, 2, 0);
    return got == 2 && magic[0] == 0x1f && magic[1] == 0x8b;
}
}  // namespace

ByteSource::~ByteSource() { Close(); }

void ByteSource::Close() {
    if (gz_) gzclose(static_cast<gzFile>(gz_));
    else if (fd_ >= 0) ::close(fd_);
    gz_ = nullptr;
    fd_ = -1;
    inMemory_ = false;
    position_ = 0;
    end_ = UINT64_MAX;
}

bool ByteSource::Open(const std::string& path) {
    Close();
    failed_ = false;
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) return false;
    if (!StartsWithGzipMagic(fd_)) {
        ::posix_fadvise(fd_, 0, 0, POSIX_FADV_SEQUENTIAL);
        return true;
    }
    gzFile gz = gzdopen(fd_, "rb");
    if (!gz) {
        ::close(fd_);
        fd_ = -1;
        return false;
    }
    gzbuffer(gz, 1 << 20);
    gz_ = gz;
    return true;
}

bool ByteSource::OpenRange(const std::string& path, uint64_t begin, uint64_t end) {
    Close();
    failed_ = false;
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) return false;
    if (StartsWithGzipMagic(fd_)) {
        Close();
        return false;
    }
    position_ = begin;
    end_ = std::max(begin, end);
    return true;
}

void ByteSource::OpenMemory(std::string_view text) {
    Close();
    failed_ = false;
    memory_ = text;
    inMemory_ = true;
}

size_t ByteSource::Read(char* buffer, size_t size) {
    if (inMemory_) {
        size_t count = std::min<uint64_t>(size, memory_.size() - position_);
        std::memcpy(buffer, memory_.data() + position_, count);
        position_ += count;
        return count;
    }
    if (gz_) {
        unsigned ask = static_cast<unsigned>(std::min<size_t>(size, 1u << 30));
        int got = gzread(static_cast<gzFile>(gz_), buffer, ask);
        if (got < 0) {
            failed_ = true;
            return 0;
        }
        return static_cast<size_t>(got);
    }
    if (fd_ < 0 || position_ >= end_) return 0;
    size_t ask = static_cast<size_t>(std::min<uint64_t>(size, end_ - position_));
    for (;;) {
        ssize_t got = ::pread(fd_, buffer, ask, static_cast<off_t>(position_));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            failed_ = true;
            return 0;
        }
        position_ += static_cast<uint64_t>(got);
        return static_cast<size_t>(got);
    }
}

}  // namespace tallowby
