#pragma once
// Pictures of every form for documentation and review: one PNG per form, named by its class.

#include <string>

namespace tallowby {

// Saves CTallowbyDlg.png and <class>.png of every registered form into the folder (created when
// missing). False when a picture cannot be written.
bool GrabForms(const std::string& folder);

}  // namespace tallowby
