#pragma once
// The analyses of the Site Info form on the current site: its sequence, the bases around its ends,
// and the search for an equivalent site on a splice motif or on exon boundaries.

#include <optional>
#include <string>

namespace tallowby {

struct SiteInfoState {
    std::string inputSiteText;  // "Input site: chr1:100..200", heading every result
    int adjustedStart = 0;      // the site the last search proposed
    int adjustedEnd = 0;
};

SiteInfoState& SiteInfo();
void ResetSiteInfo();

// inputSiteText := "Input site: %s:%d..%d" of the current site.
void RefreshInputSiteText();

// Checks the database file and loads the site's chromosome, with a status text while it reads.
[[nodiscard]] bool LoadSiteReference();

// Writes output/SiteInfo_result/SiteInfo_seq.txt with the site's bases; its path, or nothing after
// a message (a missing chromosome, a site beyond its end, a failed write).
[[nodiscard]] std::optional<std::string> WriteSiteSequence();

// The message of Get splicing site: the two bases before the start and the two after the end, as
// stored, "none" at a chromosome edge.
[[nodiscard]] std::optional<std::string> SpliceSiteText();

struct SiteSearchResult {
    std::string text;     // the result; with an offer, the notice text that asks for it
    bool offer = false;   // a motif at another shift: noticeText/noticeButtonText/noticeKind are set
};

// Search: loads annotation and reference, analyses the site, builds the texts.
[[nodiscard]] std::optional<SiteSearchResult> SearchSiteShift();

// The user accepted the offer: the current site becomes the adjusted one.
void ApplyAdjustedSite();

}  // namespace tallowby
