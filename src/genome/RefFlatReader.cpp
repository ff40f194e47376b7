// refFlat lines: one transcript per line with its exon lists; the exon boundary indexes and the
// CDS and UTR pieces come straight from the line.

#include "genome/AnnotationColumns.h"
#include "genome/AnnotationReaders.h"

namespace tallowby {

namespace {

// Values each ended by a comma; text after the last comma is ignored.
std::vector<int> CommaTerminatedValues(std::string_view list) {
    std::vector<int> values;
    for (size_t comma; (comma = list.find(',')) != std::string_view::npos; list.remove_prefix(comma + 1))
        values.push_back(DecimalValue(list.substr(0, comma)));
    return values;
}

// The exon [s, e) cut at the coding range [cs, ce), in genomic order.
void AppendExonParts(std::vector<StructurePart>& parts, int s, int e, int cs, int ce, bool strand) {
    auto add = [&](int from, int to, short type) { parts.push_back({from, to, type, strand}); };
    if (s >= ce || e <= cs) {
        add(s, e, kTypeUtr);
    } else if (s < cs && ce < e) {
        add(s, cs, kTypeUtr);
        add(cs, ce, kTypeCds);
        add(ce, e, kTypeUtr);
    } else if (s < cs) {
        add(s, cs, kTypeUtr);
        add(cs, e, kTypeCds);
    } else if (ce >= e) {
        add(s, e, kTypeCds);
    } else {
        add(s, ce, kTypeCds);
        add(ce, e, kTypeUtr);
    }
}

}  // namespace

void ReadRefFlatLine(std::string_view line, AnnotationLine& fields) {
    fields.chromosome.clear();
    fields.type = kTypeOther;
    fields.ownId = fields.parentId = 0;
    auto columns = SplitColumns<11>(line);
    fields.chromosome.assign(columns[2]);
    bool strand = PlusStrand(columns[3]);
    int cdsStart = DecimalValue(columns[6]);
    int cdsEnd = DecimalValue(columns[7]);
    int geneId = RegisterName(columns[0], strand);
    int transcriptId = RegisterName(columns[1], strand);
    fields.ownId = transcriptId;
    fields.parentId = geneId;
    AnnotationModel& model = Annotation();
    model.geneOfTranscript[transcriptId] = geneId;
    std::vector<int> starts = CommaTerminatedValues(columns[9]);
    std::vector<int> ends = CommaTerminatedValues(columns[10]);
    if (ends.empty()) return;
    std::vector<StructurePart>& parts = model.partsByTranscript[transcriptId];
    const int count = static_cast<int>(ends.size());
    for (int i = 0; i < count; ++i) {
        int s = i < static_cast<int>(starts.size()) ? starts[static_cast<size_t>(i)] : 0;
        int e = ends[static_cast<size_t>(i)];
        int number = strand ? i : count - 1 - i;
        model.exonStartIndex[s].push_back({transcriptId, number});
        model.exonEndIndex[e].push_back({transcriptId, number});
        AppendExonParts(parts, s, e, cdsStart, cdsEnd, strand);
    }
}

}  // namespace tallowby
