// GFF3 lines: genes (gene-level types), transcripts (mRNA and every other feature whose Parent is a
// gene of the chromosome), their CDS and UTR pieces, and exons kept aside.

#include "genome/AnnotationColumns.h"
#include "genome/AnnotationReaders.h"
#include "genome/AttributeValue.h"

#include <climits>

namespace tallowby {

namespace {

constexpr AttributeDialect kGff3 = AttributeDialect::Gff3;

bool IsPieceType(std::string_view type) {
    return type == "exon" || type == "CDS" || type == "five_prime_UTR" || type == "three_prime_UTR" ||
           type == "UTR" || type == "intron" || type == "start_codon" || type == "stop_codon";
}

short TypeOf(std::string_view name) {
    const auto& index = Annotation().typeIndex;
    auto found = index.find(name);
    return found == index.end() ? static_cast<short>(kTypeOther) : found->second;
}

int ZeroBasedStart(std::string_view text) {
    int value = DecimalValue(text);
    return value == INT_MIN ? value : value - 1;
}

}  // namespace

bool IsGff3GeneType(std::string_view type) {
    constexpr std::string_view kSuffix = "_gene";
    return type == "gene" || type == "pseudogene" ||
           (type.size() > kSuffix.size() && type.substr(type.size() - kSuffix.size()) == kSuffix);
}

bool Gff3Chromosome::IsTranscriptLine(std::string_view type, std::string_view id, std::string_view parent) const {
    if (type == "mRNA") return true;
    return !id.empty() && !IsPieceType(type) && !IsGff3GeneType(type) && geneIds_.count(parent) != 0;
}

void Gff3Chromosome::LearnIds(const std::vector<std::string_view>& lines) {
    std::string id, parent;
    for (std::string_view line : lines) {
        auto columns = SplitColumns<9>(line);
        if (!IsGff3GeneType(columns[2])) continue;
        AttributeValueInto(columns[8], "ID=", kGff3, id);
        geneIds_.insert(id);
    }
    for (std::string_view line : lines) {
        auto columns = SplitColumns<9>(line);
        bool strand = PlusStrand(columns[6]);
        AttributeValueInto(columns[8], "ID=", kGff3, id);
        if (IsGff3GeneType(columns[2])) {
            RegisterName(id, strand);
            continue;
        }
        AttributeValueInto(columns[8], "Parent=", kGff3, parent);
        if (IsTranscriptLine(columns[2], id, parent)) transcriptIds_.insert(RegisterName(id, strand));
    }
}

void ReadGff3Line(std::string_view line, Gff3Chromosome& chromosome, AnnotationLine& fields) {
    fields.chromosome.clear();
    fields.type = kTypeOther;
    fields.ownId = fields.parentId = 0;
    auto columns = SplitColumns<9>(line);
    fields.chromosome.assign(columns[0]);
    std::string_view typeName = columns[2];
    fields.type = TypeOf(typeName);
    int start = ZeroBasedStart(columns[3]);
    int end = DecimalValue(columns[4]);
    bool strand = PlusStrand(columns[6]);
    std::string& id = fields.scratchA;
    std::string& parent = fields.scratchB;
    AttributeValueInto(columns[8], "Parent=", kGff3, parent);
    AnnotationModel& model = Annotation();
    if (fields.type == kTypeExon) {
        // Exons only count for transcripts that turn out to have no CDS or UTR lines.
        auto found = model.nameIds.find(parent);
        if (found != model.nameIds.end() && chromosome.IsTranscriptId(found->second.id))
            chromosome.ExonsByTranscript()[found->second.id].push_back({start, end, kTypeExon, strand});
        return;
    }
    fields.parentId = parent.empty() ? 0 : LookUpNameId(parent);
    AttributeValueInto(columns[8], "ID=", kGff3, id);
    if (IsGff3GeneType(typeName)) {
        fields.ownId = RegisterName(id, strand);
        model.genesByChrom[fields.chromosome].push_back({start, end, fields.ownId, strand});
    } else if (chromosome.IsTranscriptLine(typeName, id, parent)) {
        fields.ownId = RegisterName(id, strand);
        model.transcriptsByGene[fields.parentId].push_back({start, end, fields.ownId, strand});
    } else if (fields.type == kTypeCds || fields.type == kTypeFivePrimeUtr || fields.type == kTypeThreePrimeUtr) {
        model.partsByTranscript[fields.parentId].push_back({start, end, fields.type, strand});
    }
}

}  // namespace tallowby
