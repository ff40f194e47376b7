// Speed and memory of the genome readers on gigabyte inputs the benchmark writes itself:
//   genome_bench FOLDER        writes FOLDER/bench.gtf (GENCODE-shaped, 25 chromosomes), bench.fa
//                              (25 chromosomes, 60 columns) and bench_single.fa (one line per
//                              chromosome) when they are missing, then prints every figure.
// Times are medians of five runs with the page cache warm (each command runs once first) and are
// printed beside the time `wc -l` takes on the same file in the same run. Memory is the peak
// resident size of a fresh process minus its size before the load.

#include "app/SharedState.h"
#include "genome/AnnotationLoad.h"
#include "genome/AnnotationModel.h"
#include "genome/AnnotationScan.h"
#include "genome/ReferenceStore.h"
#include "platform/Platform.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

using namespace tallowby;

namespace {

// Human chromosome lengths in megabases (1-22, X, Y) and a 25th, scaled to about 1 GB in all.
const double kMegabases[25] = {248, 242, 198, 190, 181, 171, 159, 145, 138, 134, 135, 133, 114,
                               107, 102, 90,  83,  80,  59,  64,  47,  51,  156, 57,  40};

std::string ChromName(int i) { return "chr" + std::to_string(i + 1); }

uint64_t BasesOf(int i) { return static_cast<uint64_t>(kMegabases[i] / 3099.0 * 1.0e9); }

void WriteFasta(const std::string& path, bool singleLine) {
    std::ofstream out(path, std::ios::binary);
    std::string line(60, 'A');
    std::string big(1 << 20, 'A');
    const char bases[] = "ACGTacgtNACGTTGCA";
    for (size_t k = 0; k < big.size(); ++k) big[k] = bases[(k * 7 + k / 61) % 17];
    for (int c = 0; c < 25; ++c) {
        out << ">" << ChromName(c) << " bench chromosome " << c + 1 << "\n";
        uint64_t left = BasesOf(c);
        if (singleLine) {
            for (; left > 0;) {
                uint64_t n = std::min<uint64_t>(left, big.size());
                out.write(big.data(), static_cast<std::streamsize>(n));
                left -= n;
            }
            out << "\n";
            continue;
        }
        for (uint64_t at = 0; left > 0; at += 60) {
            uint64_t n = std::min<uint64_t>(left, 60);
            out.write(big.data() + (at % (big.size() - 60)), static_cast<std::streamsize>(n)) << '\n';
            left -= n;
        }
    }
}

// One gene: two coding transcripts of eight exons each, lines as GENCODE writes them.
void WriteGene(std::ostream& out, const std::string& chrom, int gene, int start, uint64_t& bytes) {
    char geneId[32], text[1024];
    std::snprintf(geneId, sizeof geneId, "ENSG%011d.5", gene);
    auto line = [&](const char* type, int from, int to, const char* strand, const std::string& attributes) {
        int n = std::snprintf(text, sizeof text, "%s\tHAVANA\t%s\t%d\t%d\t.\t%s\t.\t%s\n", chrom.c_str(), type, from,
                              to, strand, attributes.c_str());
        out.write(text, n);
        bytes += static_cast<uint64_t>(n);
    };
    const char* strand = gene % 2 ? "+" : "-";
    std::string geneAttributes = std::string("gene_id \"") + geneId + "\"; gene_type \"protein_coding\"; gene_name \"G" +
                                 std::to_string(gene) + "\"; level 2; hgnc_id \"HGNC:" + std::to_string(gene % 50000) +
                                 "\"; havana_gene \"OTTHUMG00000000961.2\";";
    line("gene", start, start + 16000, strand, geneAttributes);
    for (int t = 0; t < 2; ++t) {
        char transcriptId[32];
        std::snprintf(transcriptId, sizeof transcriptId, "ENST%011d.2", gene * 2 + t);
        std::string common = std::string("gene_id \"") + geneId + "\"; transcript_id \"" + transcriptId +
                             "\"; gene_type \"protein_coding\"; gene_name \"G" + std::to_string(gene) +
                             "\"; transcript_type \"protein_coding\"; transcript_name \"G" + std::to_string(gene) +
                             "-20" + std::to_string(t + 1) + "\";";
        line("transcript", start, start + 16000, strand, common + " level 2; tag \"basic\"; transcript_support_level \"1\";");
        for (int e = 0; e < 8; ++e) {
            int exonStart = start + e * 2000 + t * 50, exonEnd = exonStart + 400;
            std::string exon = common + " exon_number " + std::to_string(e + 1) + "; exon_id \"ENSE" +
                               std::to_string(gene * 16 + t * 8 + e) + ".1\"; level 2; tag \"basic\";";
            line("exon", exonStart, exonEnd, strand, exon);
            if (e == 0) line("UTR", exonStart, exonStart + 99, strand, exon);
            line("CDS", e == 0 ? exonStart + 100 : exonStart, e == 7 ? exonEnd - 100 : exonEnd, strand, exon);
            if (e == 7) line("UTR", exonEnd - 99, exonEnd, strand, exon);
        }
    }
}

std::vector<uint64_t> WriteGtf(const std::string& path) {
    std::ofstream out(path, std::ios::binary);
    out << "##description: benchmark annotation shaped like GENCODE\n##provider: bench\n";
    std::vector<uint64_t> bytes(25, 0);
    uint64_t geneBytes = 0;
    std::ostringstream sample;
    WriteGene(sample, "chr10", 1, 10000, geneBytes);
    const double totalGenes = 1.08e9 / static_cast<double>(geneBytes);  // a little over 1 GB in all
    int gene = 0;
    for (int c = 0; c < 25; ++c) {
        int genes = static_cast<int>(kMegabases[c] / 3099.0 * totalGenes);
        for (int g = 0; g < genes; ++g) WriteGene(out, ChromName(c), ++gene, 10000 + g * 20000, bytes[c]);
    }
    return bytes;
}

double Seconds(const std::function<void()>& action) {
    auto start = std::chrono::steady_clock::now();
    action();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Median of five timed runs after one untimed one.
double Median(const std::function<void()>& action) {
    action();
    std::vector<double> times;
    for (int i = 0; i < 5; ++i) times.push_back(Seconds(action));
    std::sort(times.begin(), times.end());
    return times[2];
}

double WcTime(const std::string& path) {
    std::string command = "wc -l '" + path + "' > /dev/null";
    return Median([&] {
        if (std::system(command.c_str()) != 0) std::cerr << "wc failed\n";
    });
}

long StatusKilobytes(const char* key) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(key, 0) == 0) return std::atol(line.c_str() + std::string(key).size());
    return -1;
}

// In a fresh process: prints the peak resident growth of one load, in bytes.
int ChildLoad(const std::string& what, const std::string& path, const std::string& chrom) {
    long before = StatusKilobytes("VmRSS:");
    bool ok = false;
    if (what == "gtf") ok = LoadAnnotation(path, "gtf", chrom, "site");
    else ok = LoadChromosome(path, chrom);
    long peak = StatusKilobytes("VmHWM:");
    std::cout << (ok ? (peak - before) * 1024L : -1L) << "\n";
    return ok ? 0 : 1;
}

long PeakGrowth(const std::string& what, const std::string& path, const std::string& chrom) {
    std::string command = "'" + std::filesystem::read_symlink("/proc/self/exe").string() + "' --child " + what + " '" +
                          path + "' " + chrom;
    FILE* pipe = popen(command.c_str(), "r");
    long growth = -1;
    if (pipe && std::fscanf(pipe, "%ld", &growth) != 1) growth = -1;
    if (pipe) pclose(pipe);
    return growth;
}

void WriteFai(const std::string& fasta) {
    std::ofstream out(fasta + ".fai");
    uint64_t offset = 0;
    for (int c = 0; c < 25; ++c) {
        std::string header = ">" + ChromName(c) + " bench chromosome " + std::to_string(c + 1) + "\n";
        offset += header.size();
        uint64_t bases = BasesOf(c);
        out << ChromName(c) << '\t' << bases << '\t' << offset << "\t60\t61\n";
        offset += bases + (bases + 59) / 60;
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 5 && std::string(argv[1]) == "--child") return ChildLoad(argv[2], argv[3], argv[4]);
    if (argc != 2) {
        std::cerr << "usage: genome_bench FOLDER (about 3.2 GB of inputs are written there)\n";
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    std::filesystem::create_directories(folder);
    const std::string gtf = folder + "bench.gtf", fasta = folder + "bench.fa", single = folder + "bench_single.fa";
    std::vector<uint64_t> chromBytes;
    if (!std::filesystem::exists(gtf)) {
        chromBytes = WriteGtf(gtf);
        std::ofstream(folder + "bench.gtf.bytes") << [&] {
            std::string text;
            for (uint64_t b : chromBytes) text += std::to_string(b) + "\n";
            return text;
        }();
    } else {
        std::ifstream in(folder + "bench.gtf.bytes");
        for (uint64_t b; in >> b;) chromBytes.push_back(b);
    }
    if (!std::filesystem::exists(fasta)) WriteFasta(fasta, false);
    if (!std::filesystem::exists(single)) WriteFasta(single, true);
    std::filesystem::remove(fasta + ".fai");
    std::filesystem::remove(single + ".fai");

    const std::string last = ChromName(24), first = ChromName(0);
    uint64_t gtfSize = std::filesystem::file_size(gtf);
    std::printf("inputs: %s %.2f GB, %s %.2f GB, %s %.2f GB\n", gtf.c_str(), gtfSize / 1e9, fasta.c_str(),
                std::filesystem::file_size(fasta) / 1e9, single.c_str(), std::filesystem::file_size(single) / 1e9);

    double wcGtf = WcTime(gtf);
    double firstLoad = Median([&] {
        ResetAnnotationBlocks();
        ResetAnnotationModel();
        if (!LoadAnnotation(gtf, "gtf", last, "site")) std::exit(1);
    });
    std::printf("gtf  wc -l %.3f s; first load of %s %.3f s = %.2f x wc -l\n", wcGtf, last.c_str(), firstLoad,
                firstLoad / wcGtf);
    for (const std::string& chrom : {first, last}) {
        int c = chrom == first ? 0 : 24;
        double share = static_cast<double>(chromBytes[static_cast<size_t>(c)]) / static_cast<double>(gtfSize);
        double later = Median([&] {
            ResetAnnotationModel();
            if (!LoadAnnotation(gtf, "gtf", chrom, "site")) std::exit(1);
        });
        std::printf("gtf  later load of %s (%.1f%% of the bytes) %.3f s = %.2f x (share x wc -l)\n", chrom.c_str(),
                    share * 100, later, later / (share * wcGtf));
    }

    Shared().databaseFormat = 0;
    for (const std::string& path : {fasta, single}) {
        double wc = WcTime(path);
        double measure = Median([&] {
            ResetReferenceStore();
            if (!MeasureChromosome(path, last)) std::exit(1);
        });
        std::printf("fasta %s: wc -l %.3f s; measuring %s %.3f s = %.2f x wc -l\n",
                    path == fasta ? "60 columns" : "one line", wc, last.c_str(), measure, measure / wc);
    }
    WriteFai(fasta);
    double indexed = Median([&] {
        ResetReferenceStore();
        if (!MeasureChromosome(fasta, last)) std::exit(1);
    });
    double indexedLoad = Median([&] {
        ResetReferenceStore();
        if (!LoadChromosome(fasta, last)) std::exit(1);
    });
    std::printf("fasta with .fai: measuring %s %.2f ms; loading it %.3f s\n", last.c_str(), indexed * 1000, indexedLoad);
    std::filesystem::remove(fasta + ".fai");

    for (const std::string& chrom : {first, last}) {
        int c = chrom == first ? 0 : 24;
        long gtfGrowth = PeakGrowth("gtf", gtf, chrom);
        long fastaGrowth = PeakGrowth("fasta", fasta, chrom);
        long singleGrowth = PeakGrowth("fasta", single, chrom);
        std::printf("memory %s: gtf %.1f MB = %.2f x its lines; fasta %.1f MB = %.2f x its bases; one-line fasta "
                    "%.1f MB = %.2f x\n",
                    chrom.c_str(), gtfGrowth / 1e6, gtfGrowth / static_cast<double>(chromBytes[static_cast<size_t>(c)]),
                    fastaGrowth / 1e6, fastaGrowth / static_cast<double>(BasesOf(c)), singleGrowth / 1e6,
                    singleGrowth / static_cast<double>(BasesOf(c)));
    }
    return 0;
}
