#include "genome/AnnotationModel.h"

#include <iterator>

namespace tallowby {

namespace {
const char* const kTypeNames[] = {"OOO",          "gene",            "mRNA", "CDS",   "five_prime_UTR",
                                  "three_prime_UTR", "exon",         "intron", "UTR"};

AnnotationModel MakeEmptyModel() {
    AnnotationModel model;
    for (short type = 0; type < static_cast<short>(std::size(kTypeNames)); ++type) {
        model.typeNames.emplace_back(kTypeNames[type]);
        model.typeIndex.emplace(kTypeNames[type], type);
    }
    return model;
}
}  // namespace

AnnotationModel& Annotation() {
    static AnnotationModel model = MakeEmptyModel();
    return model;
}

void ResetAnnotationModel() { Annotation() = MakeEmptyModel(); }

int LookUpNameId(std::string_view name) {
    const auto& ids = Annotation().nameIds;
    auto found = ids.find(name);
    return found == ids.end() ? 0 : found->second.id;
}

int RegisterName(std::string_view name, bool strand) {
    AnnotationModel& model = Annotation();
    auto found = model.nameIds.find(name);
    if (found != model.nameIds.end()) return found->second.id;
    model.nameIds.emplace(std::string(name), NameId{model.nextNameId, strand});
    model.idNames.emplace_back(name);
    return model.nextNameId++;
}

int GeneOfTranscript(int transcriptId) {
    const auto& genes = Annotation().geneOfTranscript;
    auto found = genes.find(transcriptId);
    return found == genes.end() ? 0 : found->second;
}

bool StrandOfId(int id, bool fallback) {
    const AnnotationModel& model = Annotation();
    if (id < 0 || static_cast<size_t>(id) >= model.idNames.size()) return fallback;
    auto found = model.nameIds.find(model.idNames[static_cast<size_t>(id)]);
    return found == model.nameIds.end() ? fallback : found->second.strand;
}

}  // namespace tallowby
