#pragma once
// State that outlives a form: what one form chose and another reads. It starts with fixed values at
// every run and is never saved. One record, reached through Shared(); ResetSharedState() restores
// the start values (tests call it).

#include <string>

namespace tallowby {

struct FormState {
    std::string databasePath;             // reference FASTA file or chromosome-set list last chosen
    std::string annotationPath;           // annotation file last chosen
    std::string annotationType = "gff3";  // "gff3", "gtf" or "refFlat"
    int databaseFormat = 0;               // 0 one FASTA file, 1 chromosome set
    std::string databaseLabel = "Database(.fa)";
    bool autoSiteCut = true;              // cut a pasted site text into chromosome, start and end
    bool blastOverlapAdjust = true;       // adjust overlapping BLAST hits when drawing queries

    int blastPathMode = 0;                // 0 workspace blast_bin, 1 search path, 2 blastBinPath
    int rPathMode = 0;                    // 0 search path, 1 rBinPath
    int circosPathMode = 0;               // 0 search path, 1 circosBinPath
    std::string blastBinPath, rBinPath, circosBinPath;

    std::string noticeText;               // text of the notice form
    std::string noticeButtonText;         // caption of its OK button
    std::string noticeKind;               // what OK does ("adjust_input_site")
};

// The current site, written by the site forms and the sequence result pages.
struct CurrentSite {
    std::string siteChrom;
    std::string siteStartText;
    std::string siteEndText;
    int siteStart = 0;
    int siteEnd = 0;
};

FormState& Shared();
CurrentSite& Site();
void ResetSharedState();

}  // namespace tallowby
