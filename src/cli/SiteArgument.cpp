#include "cli/SiteArgument.h"

#include "app/Messages.h"
#include "app/Text.h"

namespace tallowby {

bool SplitSiteArgument(const std::string& text, std::string& chrom, std::string& start, std::string& end) {
    size_t colon = text.rfind(':');
    size_t dash = colon == std::string::npos ? std::string::npos : text.find('-', colon + 1);
    if (dash == std::string::npos) {
        ShowError(Format("The site %s should read CHROM:START-END.", text.c_str()));
        return false;
    }
    chrom = text.substr(0, colon);
    start = text.substr(colon + 1, dash - colon - 1);
    end = text.substr(dash + 1);
    return true;
}

}  // namespace tallowby
