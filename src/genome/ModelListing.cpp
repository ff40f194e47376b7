#include "genome/ModelListing.h"

#include "genome/AnnotationModel.h"

namespace tallowby {

namespace {

const char* StrandText(bool strand) { return strand ? "+" : "-"; }

class Listing {
public:
    Listing& operator<<(const std::string& text) { return Add(text); }
    Listing& operator<<(const char* text) { return Add(text); }
    Listing& operator<<(int number) { return Add(std::to_string(number)); }
    Listing& Add(std::string_view text) {
        text_ += text;
        return *this;
    }
    std::string Take() { return std::move(text_); }

private:
    std::string text_;
};

void ListBoundaries(Listing& out, const char* label, const std::map<int, std::vector<ExonRef>>& index) {
    for (const auto& [position, exons] : index)
        for (const ExonRef& exon : exons)
            out << label << "\t" << position << "\t" << NameOfId(exon.transcriptId) << "\t" << exon.exonNumber << "\n";
}

}  // namespace

std::string ModelListing() {
    const AnnotationModel& model = Annotation();
    Listing out;
    for (const auto& [chrom, genes] : model.genesByChrom)
        for (const FeatureSpan& gene : genes)
            out << "gene\t" << NameOfId(gene.id) << "\t" << gene.id << "\t" << gene.start << "\t" << gene.end << "\t"
                << StrandText(gene.strand) << "\n";
    for (const auto& [geneId, transcripts] : model.transcriptsByGene)
        for (const FeatureSpan& transcript : transcripts)
            out << "transcript\t" << NameOfId(transcript.id) << "\t" << transcript.id << "\t" << geneId << "\t"
                << transcript.start << "\t" << transcript.end << "\t" << StrandText(transcript.strand) << "\n";
    for (const auto& [transcriptId, parts] : model.partsByTranscript)
        for (const StructurePart& part : parts)
            out << "part\t" << NameOfId(transcriptId) << "\t" << part.start << "\t" << part.end << "\t"
                << TypeNameOf(part.type) << "\t" << StrandText(part.strand) << "\n";
    ListBoundaries(out, "exonStart", model.exonStartIndex);
    ListBoundaries(out, "exonEnd", model.exonEndIndex);
    return out.Take();
}

}  // namespace tallowby
