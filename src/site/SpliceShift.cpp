#include "site/SpliceShift.h"

#include "app/Text.h"
#include "genome/ReferenceStore.h"

#include <algorithm>
#include <cctype>

namespace tallowby {

namespace {

class SequenceView {
public:
    explicit SequenceView(std::string_view sequence) : sequence_(sequence) {}
    int Length() const { return static_cast<int>(sequence_.size()); }
    // The upper-cased base at i, or 0 outside the sequence.
    char At(long long i) const {
        if (i < 0 || i >= static_cast<long long>(sequence_.size())) return 0;
        return static_cast<char>(std::toupper(static_cast<unsigned char>(sequence_[static_cast<size_t>(i)])));
    }
    bool Pair(long long i, const char* pair) const { return At(i) == pair[0] && At(i + 1) == pair[1]; }

private:
    std::string_view sequence_;
};

const std::vector<ExonRef>* Find(const std::map<int, std::vector<ExonRef>>& index, int position) {
    auto found = index.find(position);
    return found == index.end() ? nullptr : &found->second;
}

// The motif when the two bases before `before` and the two from `after` on form one.
void CheckMotif(const SequenceView& q, long long before, long long after, int shift, SpliceShiftResult& r) {
    if (!r.motif.empty()) return;
    if (q.Pair(before - 2, "AG") && q.Pair(after, "GT"))
        r.motif = "AG/GT";
    else if (q.Pair(before - 2, "AC") && q.Pair(after, "CT"))
        r.motif = "AC/CT";
    if (!r.motif.empty()) r.motifShift = shift;
}

struct Lookup {
    const std::map<int, std::vector<ExonRef>>* index;
    int position;
    int kind;
    bool startSide;
};

// Tries the look-ups in order; the first hit fills that side's refs and kind.
bool FirstBoundary(const Lookup (&lookups)[4], std::vector<ExonRef>& startRefs, int& startKind,
                   std::vector<ExonRef>& endRefs, int& endKind) {
    for (const Lookup& lookup : lookups) {
        const std::vector<ExonRef>* refs = Find(*lookup.index, lookup.position);
        if (!refs) continue;
        (lookup.startSide ? startRefs : endRefs) = *refs;
        (lookup.startSide ? startKind : endKind) = lookup.kind;
        return true;
    }
    return false;
}

int WalkForward(const SequenceView& q, int s, int e, int m, const BoundaryIndexes& b, SpliceShiftResult& r) {
    int i = 0;
    while (i < m) {
        CheckMotif(q, s - i, e - i, -i, r);
        if (r.forwardBoundaryShift < 0) {
            const Lookup lookups[4] = {{&b.exonEndIndex, s - i, kBoundaryFromEndIndex, true},
                                       {&b.exonStartIndex, s - i, kBoundaryFromStartIndex, true},
                                       {&b.exonStartIndex, e - i, kBoundaryFromStartIndex, false},
                                       {&b.exonEndIndex, e - i, kBoundaryFromEndIndex, false}};
            if (FirstBoundary(lookups, r.forwardStartRefs, r.forwardStartKind, r.forwardEndRefs, r.forwardEndKind))
                r.forwardBoundaryShift = i;
        }
        if (q.At(e - i - 1) != q.At(s - i - 1) || q.At(s - i - 1) == 0) break;
        ++i;
    }
    return i;
}

int WalkBackward(const SequenceView& q, int s, int e, int rLimit, const BoundaryIndexes& b, SpliceShiftResult& r) {
    int c = 0;
    while (c < rLimit) {
        CheckMotif(q, s + c, e + c, c, r);
        if (r.backwardBoundaryShift < 0) {
            const Lookup lookups[4] = {{&b.exonStartIndex, e + c, kBoundaryFromStartIndex, false},
                                       {&b.exonEndIndex, e + c, kBoundaryFromEndIndex, false},
                                       {&b.exonEndIndex, s + c, kBoundaryFromEndIndex, true},
                                       {&b.exonStartIndex, s + c, kBoundaryFromStartIndex, true}};
            if (FirstBoundary(lookups, r.backwardStartRefs, r.backwardStartKind, r.backwardEndRefs,
                              r.backwardEndKind))
                r.backwardBoundaryShift = c;
        }
        if (q.At(s + c) != q.At(e + c) || q.At(e + c) == 0) break;
        ++c;
    }
    return c;
}

// Both ends on exon boundaries at one common shift, from -j upward.
void FindCommonBoundary(int s, int e, int j, const BoundaryIndexes& b, SpliceShiftResult& r) {
    for (int k = -j; k <= j; ++k) {
        const std::vector<ExonRef>* startAsEnd = Find(b.exonEndIndex, s + k);
        const std::vector<ExonRef>* endAsStart = Find(b.exonStartIndex, e + k);
        bool firstPattern = startAsEnd && endAsStart;
        if (firstPattern) {
            r.bothBoundaries = true;
            r.bothShift = k;
            r.bothFirstRefs = *startAsEnd;
            r.bothFirstKind = kBoundaryFromEndIndex;
            r.bothSecondRefs = *endAsStart;
            r.bothSecondKind = kBoundaryFromStartIndex;
        }
        const std::vector<ExonRef>* startAsStart = Find(b.exonStartIndex, s + k);
        const std::vector<ExonRef>* endAsEnd = Find(b.exonEndIndex, e + k);
        if (startAsStart && endAsEnd) {
            r.bothBoundaries = true;
            r.bothShift = k;
            r.bothFirstRefs = *endAsEnd;
            r.bothFirstKind = kBoundaryFromStartIndex;
            r.bothSecondRefs = *startAsStart;
            r.bothSecondKind = kBoundaryFromEndIndex;
            return;
        }
        if (firstPattern) return;
    }
}

}  // namespace

SpliceShiftResult AnalyseSpliceShiftOn(std::string_view sequence, int start, int end, const BoundaryIndexes& boundaries) {
    const SequenceView q(sequence);
    SpliceShiftResult r;
    r.start = start;
    r.end = end;
    int m = std::min(end - start, 50);
    if (start - m - 2 < 0) m = start - 2;
    r.sameCircleForward = WalkForward(q, start, end, m, boundaries, r);
    int rLimit = std::min(end - start, 50);
    if (static_cast<long long>(end) + rLimit + 2 > q.Length()) rLimit = q.Length() - end - 2;
    r.sameCircleBackward = WalkBackward(q, start, end, rLimit, boundaries, r);
    int j = std::min({20, m, rLimit});
    FindCommonBoundary(start, end, j, boundaries, r);
    return r;
}

SpliceShiftResult AnalyseSpliceShift(int start, int end, const std::string& chrom) {
    auto found = Reference().chromSequences.find(chrom);
    std::string_view sequence = found == Reference().chromSequences.end() ? std::string_view() : found->second;
    const AnnotationModel& model = Annotation();
    SpliceShiftResult r = AnalyseSpliceShiftOn(sequence, start, end, {model.exonStartIndex, model.exonEndIndex});
    r.chrom = chrom;
    return r;
}

std::string BoundaryText(const std::vector<ExonRef>& refs, int kind) {
    if (refs.empty()) return "none";
    std::string text = kind == kBoundaryFromStartIndex ? "exon end site" : "exon start site";
    for (const ExonRef& ref : refs) {
        const std::string& name = NameOfId(ref.transcriptId);
        text += Format("\t%s(%s) No.%d exon; ", name.c_str(), StrandOfName(name, true) ? "+" : "-", ref.exonNumber);
    }
    return text;
}

}  // namespace tallowby
