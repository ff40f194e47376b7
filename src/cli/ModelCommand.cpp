// tallowby-cli model: loads one chromosome of an annotation file and prints the gene model the
// program understood, as TAB-separated lines in five blocks (genes, transcripts, parts, exon starts,
// exon ends).

#include "app/Checks.h"
#include "cli/CliCommands.h"
#include "genome/AnnotationLoad.h"
#include "genome/AnnotationModel.h"

#include <iostream>
#include <string>

namespace tallowby {

namespace {

struct ModelOptions {
    std::string annotation, type, chrom;
};

ModelOptions& Options() {
    static ModelOptions options;
    return options;
}

const std::string& NameOf(int id) {
    static const std::string kNoName;
    const auto& names = Annotation().idNames;
    return id >= 0 && static_cast<size_t>(id) < names.size() ? names[static_cast<size_t>(id)] : kNoName;
}

const char* StrandText(bool strand) { return strand ? "+" : "-"; }

const std::string& TypeName(short type) {
    static const std::string kOther = "OOO";
    const auto& names = Annotation().typeNames;
    return type >= 0 && static_cast<size_t>(type) < names.size() ? names[static_cast<size_t>(type)] : kOther;
}

void PrintBoundaries(std::ostream& out, const char* label, const std::map<int, std::vector<ExonRef>>& index) {
    for (const auto& [position, exons] : index)
        for (const ExonRef& exon : exons)
            out << label << '\t' << position << '\t' << NameOf(exon.transcriptId) << '\t' << exon.exonNumber << '\n';
}

void PrintModel(std::ostream& out) {
    const AnnotationModel& model = Annotation();
    for (const auto& [chrom, genes] : model.genesByChrom)
        for (const FeatureSpan& gene : genes)
            out << "gene\t" << NameOf(gene.id) << '\t' << gene.id << '\t' << gene.start << '\t' << gene.end << '\t'
                << StrandText(gene.strand) << '\n';
    for (const auto& [geneId, transcripts] : model.transcriptsByGene)
        for (const FeatureSpan& transcript : transcripts)
            out << "transcript\t" << NameOf(transcript.id) << '\t' << transcript.id << '\t' << geneId << '\t'
                << transcript.start << '\t' << transcript.end << '\t' << StrandText(transcript.strand) << '\n';
    for (const auto& [transcriptId, parts] : model.partsByTranscript)
        for (const StructurePart& part : parts)
            out << "part\t" << NameOf(transcriptId) << '\t' << part.start << '\t' << part.end << '\t'
                << TypeName(part.type) << '\t' << StrandText(part.strand) << '\n';
    PrintBoundaries(out, "exonStart", model.exonStartIndex);
    PrintBoundaries(out, "exonEnd", model.exonEndIndex);
}

int RunModel() {
    const ModelOptions& options = Options();
    if (!CheckInput(options.annotation, "gene annotation file", InputKind::File)) return 1;
    if (!CheckAnnotationFileType(options.type, AnnotationFileExtension(options.annotation))) return 1;
    if (!LoadAnnotation(options.annotation, options.type, options.chrom, "site")) return 1;
    PrintModel(std::cout);
    std::cout.flush();
    return std::cout.good() ? 0 : 1;
}

const CliRegistration kModel{[](CLI::App& root, CliRun& chosen) {
    ModelOptions& options = Options();
    CLI::App* sub = root.add_subcommand("model", "Load one chromosome of an annotation file and print its gene model");
    sub->add_option("--annotation", options.annotation, "Annotation file (GFF3, GTF or refFlat; .gz too)")
        ->required()
        ->transform(AbsolutePath());
    sub->add_option("--type", options.type, "File type: gff3, gtf or refFlat")
        ->required()
        ->check(CLI::IsMember({"gff3", "gtf", "refFlat"}));
    sub->add_option("--chrom", options.chrom, "Chromosome to load")->required();
    sub->callback([&chosen] { chosen = RunModel; });
}};

}  // namespace

}  // namespace tallowby
