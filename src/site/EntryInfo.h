#pragma once
// The isoform chooser's info text for one entry, lines ending in CR LF.

#include <string>

namespace tallowby {

enum class EntryInfoMode {
    AllStruct = 0,   // every part of every isoform of the entry, "*" on those touching the site
    DrawStruct = 1,  // the first isoform's parts that touch the site, clipped to it
    ProStruct = 2,   // the entry's structure text
};

[[nodiscard]] std::string BuildEntryInfo(EntryInfoMode mode, const std::string& entry);

}  // namespace tallowby
