#pragma once
// How far a back-splice site can slide without changing its circle, the nearest canonical splice
// motif pair, and the exon boundaries its ends meet on the way.
//
// A circle is the sequence [start, end) joined end to start. Shifting both ends one base toward
// smaller positions ("forward") keeps it when the base before the start equals the last base of
// the site; toward larger positions ("backward") when the first base equals the base at end.
// Positions are 0-based indexes into the chromosome sequence; a position outside it is never part
// of a motif.

#include "genome/AnnotationModel.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tallowby {

struct SpliceShiftResult {
    std::string chrom;
    int start = 0, end = 0;
    int sameCircleForward = 0;
    int sameCircleBackward = 0;
    std::string motif;  // "AG/GT", "AC/CT" or empty
    int motifShift = 0; // <= 0 from the forward walk, > 0 from the backward walk
    int forwardBoundaryShift = -1;
    std::vector<ExonRef> forwardStartRefs, forwardEndRefs;
    int forwardStartKind = 0, forwardEndKind = 0;
    int backwardBoundaryShift = -1;
    std::vector<ExonRef> backwardStartRefs, backwardEndRefs;
    int backwardStartKind = 0, backwardEndKind = 0;
    bool bothBoundaries = false;
    int bothShift = 0;
    std::vector<ExonRef> bothFirstRefs, bothSecondRefs;
    int bothFirstKind = 0, bothSecondKind = 0;
};

// Boundary kinds: a position found in exonEndIndex is kind 5, one in exonStartIndex kind 3.
constexpr int kBoundaryFromEndIndex = 5;
constexpr int kBoundaryFromStartIndex = 3;

struct BoundaryIndexes {
    const std::map<int, std::vector<ExonRef>>& exonStartIndex;
    const std::map<int, std::vector<ExonRef>>& exonEndIndex;
};

// The analysis on any sequence text (a whole chromosome, or a window cut out of one with positions
// given relative to it).
[[nodiscard]] SpliceShiftResult AnalyseSpliceShiftOn(std::string_view sequence, int start, int end,
                                                     const BoundaryIndexes& boundaries);

// The analysis on the loaded chromosome of the reference store, with the loaded gene model.
[[nodiscard]] SpliceShiftResult AnalyseSpliceShift(int start, int end, const std::string& chrom);

// "exon end site\tNAME(+) No.2 exon; ..." for a list of refs, "none" for an empty one.
[[nodiscard]] std::string BoundaryText(const std::vector<ExonRef>& refs, int kind);

}  // namespace tallowby
