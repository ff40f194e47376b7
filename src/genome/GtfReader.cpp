// GTF lines: only exon and CDS lines are used; the building steps derive UTRs, spans and genes.

#include "genome/AnnotationColumns.h"
#include "genome/AnnotationReaders.h"
#include "genome/AttributeValue.h"

#include <climits>

namespace tallowby {

void ReadGtfLine(std::string_view line, AnnotationLine& fields) {
    fields.chromosome.clear();
    fields.type = kTypeOther;
    fields.ownId = fields.parentId = 0;
    auto columns = SplitColumns<9>(line);
    std::string_view typeName = columns[2];
    if (typeName == "exon") fields.type = kTypeExon;
    else if (typeName == "CDS") fields.type = kTypeCds;
    else return;
    fields.chromosome.assign(columns[0]);
    int start = DecimalValue(columns[3]);
    if (start != INT_MIN) --start;
    int end = DecimalValue(columns[4]);
    bool strand = PlusStrand(columns[6]);
    AttributeValueInto(columns[8], "gene_id", AttributeDialect::Gtf, fields.scratchA);
    AttributeValueInto(columns[8], "transcript_id", AttributeDialect::Gtf, fields.scratchB);
    int geneId = RegisterName(fields.scratchA, strand);
    fields.parentId = RegisterName(fields.scratchB, strand);
    AnnotationModel& model = Annotation();
    model.geneOfTranscript.try_emplace(fields.parentId, geneId);
    model.partsByTranscript[fields.parentId].push_back({start, end, fields.type, strand});
}

}  // namespace tallowby
