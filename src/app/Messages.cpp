#include "app/Messages.h"

#include "app/Text.h"

namespace tallowby {

void ReportWriteFailure(const std::string& path) { ShowError(Format("Failed to write %s.", path.c_str())); }

}  // namespace tallowby
