#include "genome/FaiIndex.h"

#include "genome/ByteSource.h"
#include "genome/LineReader.h"

#include <sys/stat.h>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <string_view>

namespace tallowby {

namespace {

bool ParseNumber(std::string_view text, uint64_t& value) {
    if (text.empty()) return false;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

// NAME TAB LENGTH TAB OFFSET TAB LINEBASES TAB LINEWIDTH [TAB QUALOFFSET]
bool ParseEntry(std::string_view line, FaiEntry& entry) {
    std::string_view fields[5];
    for (int i = 0; i < 5; ++i) {
        size_t tab = line.find('\t');
        if (tab == std::string_view::npos && i < 4) return false;
        fields[i] = line.substr(0, tab);
        line = tab == std::string_view::npos ? std::string_view() : line.substr(tab + 1);
    }
    entry.name.assign(fields[0]);
    return !entry.name.empty() && ParseNumber(fields[1], entry.length) && ParseNumber(fields[2], entry.offset) &&
           ParseNumber(fields[3], entry.lineBases) && ParseNumber(fields[4], entry.lineWidth);
}

bool FitsInFile(const FaiEntry& entry, uint64_t fileSize) {
    if (entry.length == 0) return entry.offset <= fileSize;
    if (entry.lineBases == 0 || entry.lineWidth < entry.lineBases) return false;
    if (entry.offset > fileSize) return false;
    return FaiSequenceBytes(entry) <= fileSize - entry.offset;
}

bool NewerThan(const struct stat& a, const struct stat& b) {
    if (a.st_mtim.tv_sec != b.st_mtim.tv_sec) return a.st_mtim.tv_sec > b.st_mtim.tv_sec;
    return a.st_mtim.tv_nsec > b.st_mtim.tv_nsec;
}

bool IsPlainFile(const std::string& path) {
    ByteSource source;
    return source.Open(path) && !source.Compressed();
}

}  // namespace

const FaiEntry* FaiIndex::Find(const std::string& name) const {
    auto found = byName.find(name);
    return found == byName.end() ? nullptr : &entries[found->second];
}

uint64_t FaiSequenceBytes(const FaiEntry& entry) {
    if (entry.length == 0 || entry.lineBases == 0) return 0;
    uint64_t fullLines = entry.length / entry.lineBases, rest = entry.length % entry.lineBases;
    return fullLines * entry.lineWidth + rest - (rest == 0 ? entry.lineWidth - entry.lineBases : 0);
}

std::optional<FaiIndex> TrustedFaiIndex(const std::string& fastaPath) {
    const std::string indexPath = fastaPath + ".fai";
    struct stat fasta {}, index {};
    if (::stat(indexPath.c_str(), &index) != 0 || !S_ISREG(index.st_mode)) return std::nullopt;
    if (::stat(fastaPath.c_str(), &fasta) != 0 || !S_ISREG(fasta.st_mode)) return std::nullopt;
    if (!NewerThan(index, fasta) || !IsPlainFile(fastaPath)) return std::nullopt;
    LineReader lines(1 << 16);
    if (!lines.Open(indexPath) || lines.Compressed()) return std::nullopt;
    FaiIndex result;
    for (std::string_view line; lines.Next(line);) {
        if (line.empty()) continue;
        FaiEntry entry;
        if (!ParseEntry(line, entry) || !FitsInFile(entry, static_cast<uint64_t>(fasta.st_size)))
            return std::nullopt;
        result.byName.emplace(entry.name, result.entries.size());
        result.entries.push_back(std::move(entry));
    }
    if (lines.Failed()) return std::nullopt;
    return result;
}

bool ReadFaiSequence(const std::string& fastaPath, const FaiEntry& entry, std::string& out) {
    out.clear();
    if (entry.length == 0) return true;
    const uint64_t bytes = FaiSequenceBytes(entry);
    ByteSource source;
    if (!source.OpenRange(fastaPath, entry.offset, entry.offset + bytes)) return false;
    // Read whole, then check the layout the index promises while squeezing out the line ends:
    // lineBases sequence bytes, then line-end bytes only, line after line.
    out.resize(bytes);
    size_t got = 0;
    while (got < bytes) {
        size_t more = source.Read(out.data() + got, bytes - got);
        if (more == 0) break;
        got += more;
    }
    const size_t lineEnd = entry.lineWidth - entry.lineBases;
    size_t from = 0, to = 0;
    bool layoutHolds = got == bytes;
    while (layoutHolds && from < bytes) {
        size_t run = std::min<uint64_t>(entry.lineBases, bytes - from);
        const char* start = out.data() + from;
        layoutHolds = !std::memchr(start, '\n', run) && !std::memchr(start, '\r', run) && !std::memchr(start, '>', run);
        std::memmove(out.data() + to, start, run);
        to += run;
        from += run;
        for (size_t i = 0; layoutHolds && i < lineEnd && from < bytes; ++i, ++from)
            layoutHolds = out[from] == '\n' || out[from] == '\r';
    }
    if (!layoutHolds || to != entry.length) {
        out.clear();
        return false;
    }
    out.resize(to);
    return true;
}

}  // namespace tallowby
