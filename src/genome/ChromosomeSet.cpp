// A chromosome set: a list of FASTA files, each named after the chromosome it is expected to hold.
// The file named like the chromosome is searched first; only when that fails, and the user agrees,
// every other listed file is searched in list order.

#include "app/Checks.h"
#include "app/Messages.h"
#include "app/Paths.h"
#include "app/Text.h"
#include "genome/ChromosomeNames.h"
#include "genome/LineReader.h"
#include "genome/ReferenceStore.h"

#include <functional>

namespace tallowby {

namespace {

struct ListedFile {
    std::string path;
    std::string stem;  // the file name without its extension: the chromosome it should hold
    bool searched = false;
};

// The listed files, each checked to exist. Nothing when the list cannot be read or a listed file
// is missing (its message has been shown).
std::optional<std::vector<ListedFile>> ReadChromosomeList(const std::string& listPath) {
    std::vector<ListedFile> files;
    LineReader lines(1 << 16);
    if (!lines.Open(listPath)) return files;
    const std::string folder = PathPart(listPath, 1);
    for (std::string_view line; lines.Next(line);) {
        if (line.empty()) continue;
        std::string name(line);
        std::string path = name.front() == '/' ? name : folder + "/" + name;
        if (!CheckInput(path, "file on your list", InputKind::File)) return std::nullopt;
        files.push_back({path, PathPart(name, 4), false});
    }
    return files;
}

bool AskToSearchAllFiles(const std::string& chrom, const std::vector<ListedFile>& files) {
    std::vector<std::string> stems;
    for (const ListedFile& file : files) stems.push_back(file.stem);
    return AskQuestion(Format("%s\nQueried chrom: %s\nFiles on your list:\n%s",
                              "The chrom you queried is not on your list.Do you want to search listed files?\n",
                              chrom.c_str(), NamesText(stems, "", " ").c_str()));
}

// search(file) looks for the chromosome in one file; found(file) records a success.
bool SearchChromosomeSet(const std::string& listPath, const std::string& chrom, const std::string& purpose,
                         const std::function<bool(const std::string&)>& search,
                         const std::function<void(const std::string&)>& found) {
    std::optional<std::vector<ListedFile>> files = ReadChromosomeList(listPath);
    if (!files) return false;
    for (ListedFile& file : *files) {
        if (file.stem != chrom) continue;
        file.searched = true;
        if (search(file.path)) {
            found(file.path);
            return ReportChromosomeCheck(true, purpose, chrom, listPath);
        }
    }
    if (files->empty()) return ReportChromosomeCheck(false, purpose, chrom, listPath);
    if (!AskToSearchAllFiles(chrom, *files)) return false;
    for (ListedFile& file : *files) {
        if (file.searched || !search(file.path)) continue;
        found(file.path);
        return ReportChromosomeCheck(true, purpose, chrom, listPath);
    }
    return ReportChromosomeCheck(false, purpose, chrom, listPath);
}

}  // namespace

bool MeasureChromosomeInSet(const std::string& listPath, const std::string& chrom) {
    auto& lengths = Reference().chromLengthIndex;
    return SearchChromosomeSet(
        listPath, chrom, "reference_len", [&chrom](const std::string& file) { return MeasureChromosome(file, chrom); },
        [&](const std::string& file) { lengths[{listPath, chrom}] = lengths[{file, chrom}]; });
}

bool LoadChromosomeFromSet(const std::string& listPath, const std::string& chrom) {
    return SearchChromosomeSet(
        listPath, chrom, "reference", [&chrom](const std::string& file) { return LoadChromosome(file, chrom); },
        [](const std::string&) {});
}

}  // namespace tallowby
