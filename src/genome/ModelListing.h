#pragma once
// The gene model as TAB-separated text lines, each ending with a line feed, in five blocks:
//   gene        name id start end strand          (genesByChrom order)
//   transcript  name id geneId start end strand   (transcriptsByGene key, then list order)
//   part        transcriptName start end typeName strand
//   exonStart   position transcriptName exonNumber
//   exonEnd     position transcriptName exonNumber
// Names come from idNames (an id without a name lists as an empty name); strands are + or -.

#include <string>

namespace tallowby {

[[nodiscard]] std::string ModelListing();

}  // namespace tallowby
