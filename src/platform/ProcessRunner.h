#pragma once
// Starting an external program without a shell: nothing in an argument is ever interpreted.

#include "platform/Platform.h"

#include <string>
#include <vector>

namespace tallowby {

// Runs arguments[0] (searched on PATH when it has no '/') with the given arguments in
// workingFolder (the current folder when empty) and waits for it. Standard input is /dev/null;
// output goes where the program's own output goes.
ProcessResult RunProcess(const std::vector<std::string>& arguments, const std::string& workingFolder);

}  // namespace tallowby
