#pragma once
// Applying the circle format: reading the three width lists (whose values may be typed), and
// mirroring the format into R_script/Setting/circ_format.txt, which every circle drawing hands to R.
//
// The file has seven lines, each ended by a line feed:
//   colour name
//   single width "_4" TAB site width "_" interval      (the default reads 10_4<TAB>5_5)
//   "clockwise" | "unclockwise"
//   "show_UTR" | "no_UTR"
//   "show_gene_direction" | "no_gene_direction"
//   "3D" | "2D"
//   (empty)

#include "formats/CircleFormat.h"

#include <optional>
#include <string>
#include <vector>

namespace tallowby {

// One editable list as the form shows it: the selected item, or -1 when the shown text is typed.
struct WidthListEntry {
    int selectedIndex = -1;
    std::string text;
};

struct CircleWidthLists {
    WidthListEntry singleWidth, siteWidth, interval;
};

struct CircleWidthTexts {
    std::string singleWidth, siteWidth, interval;
};

// Everything the form shows, read from its controls.
struct CircleFormatChoice {
    int colourIndex = 0;
    int clockwise = 0;
    int showUtr = 1;
    int showDirection = 0;
    int draw2D = 0;
    CircleWidthLists lists;
};

// The choice the state stands for (the width lists show their stored items).
[[nodiscard]] CircleFormatChoice ChoiceFromState(const CircleFormat& format);

// The radio buttons and check boxes of a choice into the state, as a click on the 3D/2D pair does
// (the swatch previews the state's drawing mode).
void StoreCircleToggles(const CircleFormatChoice& choice, CircleFormat& format);

// Reads the lists in the order single width, site width, interval into `format`: a selected item
// stores its index; a typed text equal to an item selects that item (in `lists` too); any other
// typed text must pass the typed-value check and is used as it stands. Sets circleSpaceFraction.
// Nothing in `format` changes when a typed value is refused (its notice is shown).
[[nodiscard]] std::optional<CircleWidthTexts> ReadCircleWidths(CircleWidthLists& lists, CircleFormat& format);

// The first six lines of the file for a format and its width texts.
[[nodiscard]] std::vector<std::string> CircleFormatLines(const CircleFormat& format, const CircleWidthTexts& widths);

enum class CircleSaveMode { Apply, Default, Quiet };
enum class CircleSaveOutcome {
    Refused,      // a typed value was refused; nothing changed
    Unchanged,    // the file already said the same
    Written,
    WriteFailed,  // reported; the state was left as it was
};

// Applies a choice: the state takes it and the file is rewritten when one of its first six lines
// differs. Apply and Default say "Saved!" after a write; Apply says "Not changed!" when nothing
// differed; Quiet says nothing unless the write fails. `choice.lists` comes back with typed texts
// that equal an item selected.
CircleSaveOutcome SaveCircleFormat(CircleFormatChoice& choice, CircleSaveMode mode);

}  // namespace tallowby
