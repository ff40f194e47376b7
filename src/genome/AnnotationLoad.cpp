#include "genome/AnnotationLoad.h"

#include "app/Messages.h"
#include "app/Paths.h"
#include "app/Text.h"
#include "genome/AnnotationModel.h"
#include "genome/AnnotationReaders.h"
#include "genome/AnnotationScan.h"
#include "genome/GeneModelBuild.h"
#include "genome/ReferenceStore.h"

namespace tallowby {

namespace {

constexpr int kChromColumnGffGtf = 0;
constexpr int kChromColumnRefFlat = 2;

bool LoadGff3Chromosome(const std::string& path, const std::string& chrom) {
    // Parents are resolved against the whole chromosome, so its lines are kept until all are seen.
    std::string text;
    ChromosomeScan scan = ScanChromosomeLines(path, kChromColumnGffGtf, chrom, [&text](std::string_view line) {
        text.append(line);
        text += '\n';
    });
    std::vector<std::string_view> lines;
    for (size_t at = 0; at < text.size();) {
        size_t feed = text.find('\n', at);
        lines.emplace_back(text.data() + at, feed - at);
        at = feed + 1;
    }
    Gff3Chromosome chromosome;
    chromosome.LearnIds(lines);
    AnnotationLine fields;
    for (std::string_view line : lines) ReadGff3Line(line, chromosome, fields);
    FinishGff3Transcripts(chromosome.ExonsByTranscript());
    BuildGff3Model();
    SortGenesByStart();
    return scan.found;
}

bool LoadGtfChromosome(const std::string& path, const std::string& chrom) {
    AnnotationLine fields;
    ChromosomeScan scan = ScanChromosomeLines(path, kChromColumnGffGtf, chrom,
                                              [&fields](std::string_view line) { ReadGtfLine(line, fields); });
    BuildGtfExonIndex();
    BuildGtfModel(chrom);
    return scan.found;
}

bool LoadRefFlatChromosome(const std::string& path, const std::string& chrom) {
    AnnotationLine fields;
    ChromosomeScan scan = ScanChromosomeLines(path, kChromColumnRefFlat, chrom,
                                              [&fields](std::string_view line) { ReadRefFlatLine(line, fields); });
    BuildRefFlatModel(chrom);
    return scan.found;
}

}  // namespace

std::string AnnotationFileExtension(const std::string& path) {
    constexpr std::string_view kCompressed = ".gz";
    std::string extension = PathPart(path, 3);
    if (extension != kCompressed) return extension;
    return PathPart(path.substr(0, path.size() - kCompressed.size()), 3);
}

bool CheckAnnotationFileType(const std::string& fileType, const std::string& extension) {
    const char* format = nullptr;
    if (fileType == "gff3") {
        if (extension == ".gff3") return true;
        format = "The gff3 annotation file should be *.gff3. Your input annotation file is *%s, please check the file type.";
    } else if (fileType == "gtf") {
        if (extension == ".gtf") return true;
        format = "The gtf annotation file should be *.gtf. Your input annotation file is *%s, please check the file type.";
    } else if (fileType == "refFlat") {
        if (extension == ".txt") return true;
        format = "The refFlat annotation file should be *.txt. Your input annotation file is *%s, please check the file "
                 "type.";
    } else {
        return false;
    }
    ShowError(Format(format, extension.c_str()));
    return false;
}

bool LoadAnnotation(const std::string& path, const std::string& fileType, const std::string& chrom,
                    const std::string& purpose) {
    Reference().chromosomesSeen.clear();
    const AnnotationModel& model = Annotation();
    if (path == model.loadedAnnotationPath && model.genesByChrom.count(chrom)) return true;
    ResetAnnotationModel();
    bool found = false;
    if (fileType == "gff3") found = LoadGff3Chromosome(path, chrom);
    else if (fileType == "gtf") found = LoadGtfChromosome(path, chrom);
    else if (fileType == "refFlat") found = LoadRefFlatChromosome(path, chrom);
    return ReportChromosomeCheck(found, purpose, chrom, path);
}

}  // namespace tallowby
