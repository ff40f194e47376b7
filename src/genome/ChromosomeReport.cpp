// The outcome of a chromosome search, shared by the reference and the annotation readers.

#include "app/Messages.h"
#include "app/Text.h"
#include "genome/AnnotationModel.h"
#include "genome/ChromosomeNames.h"
#include "genome/ReferenceStore.h"

namespace tallowby {

namespace {

const char* MissingChromosomeFormat(const std::string& purpose) {
    if (purpose == "site")
        return "Input chrom \"%s\" doesn't exist in the annotation file(%s).The annotation file contains following "
               "chroms:%s";
    if (purpose == "seq")
        return "The target chrom \"%s\" in reference file doesn't exist in the anontation file(%s),the annotation "
               "file contains following chroms:%s";
    return "The target chrom \"%s\" doesn't exist in the reference file(%s),the reference file contains following "
           "chroms:%s";
}

void RecordFound(const std::string& purpose, const std::string& path) {
    if (purpose == "site" || purpose == "seq") Annotation().loadedAnnotationPath = path;
    else if (purpose == "reference") Reference().loadedReferencePath = path;
}

}  // namespace

bool ReportChromosomeCheck(bool found, const std::string& purpose, const std::string& chrom, const std::string& path) {
    if (found) {
        RecordFound(purpose, path);
        return true;
    }
    const std::vector<std::string>& seen = Reference().chromosomesSeen;
    std::string text = Format(MissingChromosomeFormat(purpose), chrom.c_str(), path.c_str(),
                              NamesText(seen, "\t", "").c_str());
    // Different naming conventions between files are the usual cause; say so, rename nothing.
    if (std::optional<std::string> alias = FindChromosomeAlias(chrom, seen))
        text += Format(" The file names this chromosome %s.", alias->c_str());
    ShowNotice(text);
    return false;
}

}  // namespace tallowby
