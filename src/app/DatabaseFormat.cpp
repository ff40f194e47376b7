#include "app/DatabaseFormat.h"

#include "app/SharedState.h"

namespace tallowby {

void ChooseDatabaseFormat(int format) {
    FormState& state = Shared();
    state.databaseFormat = format == 1 ? 1 : 0;
    state.databaseLabel = state.databaseFormat == 0 ? "Database(.fa)" : "Database list";
    state.databasePath.clear();
}

}  // namespace tallowby
