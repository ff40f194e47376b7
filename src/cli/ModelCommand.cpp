// tallowby-cli model: loads one chromosome of an annotation file and prints the gene model the
// program understood, as TAB-separated lines in five blocks (genes, transcripts, parts, exon starts,
// exon ends).

#include "app/Checks.h"
#include "cli/CliCommands.h"
#include "genome/AnnotationLoad.h"
#include "genome/ModelListing.h"

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

int RunModel() {
    const ModelOptions& options = Options();
    if (!CheckInput(options.annotation, "gene annotation file", InputKind::File)) return 1;
    if (!CheckAnnotationFileType(options.type, AnnotationFileExtension(options.annotation))) return 1;
    if (!LoadAnnotation(options.annotation, options.type, options.chrom, "site")) return 1;
    std::cout << ModelListing();
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
