#pragma once
// Write access to the global options, for the CLI's main only.

#include "cli/CliCommands.h"

namespace tallowby {

CliGlobals& MutableGlobals();

}  // namespace tallowby
