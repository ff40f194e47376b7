// tallowby-cli chrom-length: the length of one chromosome of a reference FASTA file or chromosome
// set, as the reference store measures it for the site checks.

#include "app/Checks.h"
#include "app/SharedState.h"
#include "cli/CliCommands.h"
#include "genome/ReferenceStore.h"

#include <iostream>
#include <string>

namespace tallowby {

namespace {

struct ChromLengthOptions {
    std::string database, chrom;
    bool chromosomeSet = false;
};

ChromLengthOptions& Options() {
    static ChromLengthOptions options;
    return options;
}

int RunChromLength() {
    const ChromLengthOptions& options = Options();
    if (!CheckInput(options.database, "database file", InputKind::File)) return 1;
    Shared().databaseFormat = options.chromosomeSet ? 1 : 0;
    Shared().databasePath = options.database;
    if (!EnsureChromosomeLength(options.database, options.chrom)) return 1;
    std::cout << Reference().chromLengthIndex.at({options.database, options.chrom}) << '\n';
    std::cout.flush();
    return std::cout.good() ? 0 : 1;
}

const CliRegistration kChromLength{[](CLI::App& root, CliRun& chosen) {
    ChromLengthOptions& options = Options();
    CLI::App* sub = root.add_subcommand("chrom-length", "Print the length of one chromosome of a reference");
    sub->add_option("--database", options.database, "Reference FASTA file, or chromosome-set list")
        ->required()
        ->transform(AbsolutePath());
    sub->add_flag("--chromosome-set", options.chromosomeSet, "The database is a list of per-chromosome FASTA files");
    sub->add_option("--chrom", options.chrom, "Chromosome to measure")->required();
    sub->callback([&chosen] { chosen = RunChromLength; });
}};

}  // namespace

}  // namespace tallowby
