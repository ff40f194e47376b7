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
    return StrandOfName(model.idNames[static_cast<size_t>(id)], fallback);
}

bool StrandOfName(std::string_view name, bool fallback) {
    const auto& ids = Annotation().nameIds;
    auto found = ids.find(name);
    return found == ids.end() ? fallback : found->second.strand;
}

const std::string& NameOfId(int id) {
    static const std::string kNoName;
    const auto& names = Annotation().idNames;
    return id >= 0 && static_cast<size_t>(id) < names.size() ? names[static_cast<size_t>(id)] : kNoName;
}

const std::string& TypeNameOf(short type) {
    static const std::string kOther = "OOO";
    const auto& names = Annotation().typeNames;
    return type >= 0 && static_cast<size_t>(type) < names.size() ? names[static_cast<size_t>(type)] : kOther;
}

}  // namespace tallowby
