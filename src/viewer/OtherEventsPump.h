#pragma once
// Lets the program's other windows (the Qt forms) handle their events while a viewer loop runs.

namespace tallowby {

// Handles the pending events of the forms, if a Qt application exists; returns at once otherwise.
void PumpOtherEvents();

}  // namespace tallowby
