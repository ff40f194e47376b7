#pragma once
// Values of the attribute column (column 8) of GFF3 and GTF lines.
//
// GFF3: "ID=gene:ENSG01;Name=X". The key includes its "=" and matches only at the start of the
// text or right after ";" (no blank in between); the value runs to the next ";" (a ":" is part of
// it, as in Ensembl's "transcript:ENST...").
// GTF: gene_id "ENSG01"; transcript_id "ENST01";. The key has no "="; blanks and double quotes are
// skipped everywhere, and the value runs to the next ";" or ":".
// In both, the first key match that is followed by at least one character wins; a key that does not
// occur gives an empty value.

#include <string>
#include <string_view>

namespace tallowby {

enum class AttributeDialect { Gff3, Gtf };

// Writes the value into out (reused by callers that read many lines).
void AttributeValueInto(std::string_view attributes, std::string_view key, AttributeDialect dialect,
                        std::string& out);

[[nodiscard]] std::string AttributeValue(std::string_view attributes, std::string_view key, AttributeDialect dialect);

}  // namespace tallowby
