#include "genome/AnnotationScan.h"

#include "genome/AnnotationColumns.h"
#include "genome/LineReader.h"
#include "genome/ReferenceStore.h"

#include <sys/stat.h>

#include <map>
#include <set>
#include <vector>

namespace tallowby {

namespace {

struct ByteRange {
    uint64_t begin = 0, end = 0;
};

struct FileIdentity {
    uint64_t size = 0;
    int64_t seconds = 0, nanoseconds = 0;
    bool operator==(const FileIdentity&) const = default;
};

// Where every chromosome's lines stand in one file, learnt by a whole read of it.
struct FileBlocks {
    FileIdentity identity;
    int chromColumn = 0;
    std::vector<std::string> names;                       // first appearance order
    std::map<std::string, std::vector<ByteRange>> ranges;
};

// A file whose chromosomes alternate line by line would need a range per line: past this many, the
// file is simply read whole each time.
constexpr size_t kMaxRanges = 1'000'000;

std::map<std::string, FileBlocks>& RememberedFiles() {
    static std::map<std::string, FileBlocks> files;
    return files;
}

bool IdentityOf(const std::string& path, FileIdentity& identity) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return false;
    identity = {static_cast<uint64_t>(status.st_size), status.st_mtim.tv_sec, status.st_mtim.tv_nsec};
    return true;
}

bool IsSkipped(std::string_view line) { return line.empty() || line.front() == '#'; }

// The names up to the requested chromosome (all of them when the file lacks it), empty ones left out.
void ReportNamesSeen(const std::vector<std::string>& names, const std::string& chrom) {
    std::vector<std::string>& seen = Reference().chromosomesSeen;
    for (const std::string& name : names) {
        if (name == chrom) break;
        if (!name.empty()) seen.push_back(name);
    }
}

// Reads the whole file, handing over the chromosome's lines and learning where every chromosome
// stands. Remembers the file when it is plain and did not change while it was read.
ChromosomeScan ScanWholeFile(const std::string& path, int chromColumn, const std::string& chrom,
                             const std::function<void(std::string_view)>& onLine) {
    ChromosomeScan scan;
    FileIdentity before;
    LineReader lines;
    if (!IdentityOf(path, before) || !lines.Open(path)) return scan;
    scan.opened = true;
    FileBlocks blocks;
    blocks.chromColumn = chromColumn;
    std::set<std::string, std::less<>> known;
    std::vector<ByteRange>* run = nullptr;
    std::string_view runName;
    size_t rangeCount = 0;
    for (std::string_view line; lines.Next(line);) {
        if (IsSkipped(line)) continue;
        // Most lines continue the run of the line before: a prefix test settles them.
        bool sameRun = run && chromColumn == 0 && line.size() > runName.size() &&
                       line[runName.size()] == '\t' && line.compare(0, runName.size(), runName) == 0;
        std::string_view name = sameRun ? runName : ColumnAt(line, chromColumn);
        if (!run || name != runName) {
            auto [entry, added] = known.emplace(name);
            if (added) blocks.names.emplace_back(name);
            run = &blocks.ranges[*entry];
            runName = *entry;
            run->push_back({lines.LineStart(), lines.LineEnd()});
            ++rangeCount;
        }
        run->back().end = lines.LineEnd();
        if (name == chrom) {
            scan.found = true;
            onLine(line);
        }
    }
    ReportNamesSeen(blocks.names, chrom);
    FileIdentity after;
    bool unchanged = IdentityOf(path, after) && after == before && !lines.Failed();
    if (!lines.Compressed() && unchanged && rangeCount <= kMaxRanges) {
        blocks.identity = after;
        RememberedFiles()[path] = std::move(blocks);
    } else {
        RememberedFiles().erase(path);
    }
    return scan;
}

ChromosomeScan ScanRemembered(const std::string& path, const FileBlocks& blocks, const std::string& chrom,
                              const std::function<void(std::string_view)>& onLine) {
    ChromosomeScan scan;
    scan.opened = true;
    ReportNamesSeen(blocks.names, chrom);
    auto ranges = blocks.ranges.find(chrom);
    if (ranges == blocks.ranges.end()) return scan;
    LineReader lines;
    for (const ByteRange& range : ranges->second) {
        if (!lines.OpenRange(path, range.begin, range.end)) return scan;
        for (std::string_view line; lines.Next(line);) {
            if (IsSkipped(line) || ColumnAt(line, blocks.chromColumn) != chrom) continue;
            scan.found = true;
            onLine(line);
        }
    }
    return scan;
}

}  // namespace

ChromosomeScan ScanChromosomeLines(const std::string& path, int chromColumn, const std::string& chrom,
                                   const std::function<void(std::string_view)>& onLine) {
    auto remembered = RememberedFiles().find(path);
    FileIdentity now;
    if (remembered != RememberedFiles().end() && remembered->second.chromColumn == chromColumn &&
        IdentityOf(path, now) && now == remembered->second.identity)
        return ScanRemembered(path, remembered->second, chrom, onLine);
    return ScanWholeFile(path, chromColumn, chrom, onLine);
}

void ResetAnnotationBlocks() { RememberedFiles().clear(); }

}  // namespace tallowby
