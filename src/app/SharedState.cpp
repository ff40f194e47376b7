#include "app/SharedState.h"

namespace tallowby {

FormState& Shared() {
    static FormState state;
    return state;
}

CurrentSite& Site() {
    static CurrentSite site;
    return site;
}

void ResetSharedState() {
    Shared() = FormState{};
    Site() = CurrentSite{};
}

}  // namespace tallowby
