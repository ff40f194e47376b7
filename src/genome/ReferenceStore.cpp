#include "genome/ReferenceStore.h"

namespace tallowby {

ReferenceStore& Reference() {
    static ReferenceStore store;
    return store;
}

void ResetReferenceStore() { Reference() = ReferenceStore{}; }

}  // namespace tallowby
