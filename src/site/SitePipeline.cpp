#include "site/SitePipeline.h"

namespace tallowby {

SitePipelineState& SitePipeline() {
    static SitePipelineState state;
    return state;
}

void ResetSitePipeline() { SitePipeline() = SitePipelineState{}; }

}  // namespace tallowby
