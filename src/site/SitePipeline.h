#pragma once
// The circle pipeline's state for one site: the isoforms that overlap it, the circle each forms
// (its structure text), which circles to draw in which order, and the genes the linear viewer
// draws around it. One process-wide record, reached through SitePipeline(); ResetSitePipeline()
// restores the start values (tests call it).
//
// Coordinates are the gene model's: starts 0-based, ends as in the file, a record covers
// [start, end). A site covers [site start, site end) and is compared with the model as it stands.

#include "genome/AnnotationModel.h"

#include <climits>
#include <map>
#include <string>
#include <vector>

namespace tallowby {

struct SiteRange {
    std::string chrom;
    int start = 0;
    int end = 0;
};

struct SitePipelineState {
    SiteRange lookupSite;                     // the site the last search ran for
    std::vector<FeatureSpan> overlapTranscripts;  // transcripts of the overlapping genes, gene by gene
    // Entry name (isoform names joined by "&") -> structure text ("CDS\t120\nintron\t300\n...").
    std::map<std::string, std::string> structureByEntry;
    // Transcript name -> its parts that overlap the site, unclipped, in walk order.
    std::map<std::string, std::vector<StructurePart>> overlapPartsByTranscript;
    std::map<std::string, int> drawOrder;     // entry name -> draw position; -1: not drawn
    SiteRange drawSite;                       // the site the current drawing was prepared for
    float chooserStatus = -1;                 // -1 while choosing or after Cancel, 0 after OK

    // Around the site, for the linear structure viewer.
    std::vector<FeatureSpan> viewerGenes;
    std::map<int, std::vector<StructurePart>> viewerParts;  // transcript id -> parts with introns inserted
    int rangeLo = INT_MAX;
    int rangeHi = 0;
};

SitePipelineState& SitePipeline();
void ResetSitePipeline();

// Index of the last gene whose start lies before end, or -1 when there is none (genes sorted by start).
[[nodiscard]] int LastGeneStartingBefore(const std::vector<FeatureSpan>& genes, int end);

// The site's circles for every overlapping isoform: fills lookupSite, overlapTranscripts,
// structureByEntry and overlapPartsByTranscript (isoforms giving the same circle share one entry).
// The annotation model must hold the chromosome. annotationType "gff3" reverses a minus-strand
// transcript's parts, which that reader keeps in transcript order.
bool FindSiteStructures(const std::string& annotationType, const std::string& chrom, int start, int end);

// drawSite := the site; every entry gets draw order 1.
bool PrepareDrawOrder(const std::string& chrom, int start, int end);

// The genes around a site for the linear viewer: the overlapping ones, `neighbours` on each side of
// the site, and all within `margin` bases; their transcripts with intron parts in every gap.
bool FindSiteLocus(const std::string& annotationType, const std::string& chrom, int start, int end, int margin,
                   int neighbours);

}  // namespace tallowby
