#include "app/ExternalRun.h"

#include "app/Messages.h"
#include "app/Text.h"
#include "app/Workspace.h"
#include "platform/Platform.h"

namespace tallowby {

std::vector<std::string> SplitCommandLine(const std::string& command) {
    std::vector<std::string> arguments;
    std::string current;
    bool inArgument = false;
    bool quoted = false;
    for (char c : command) {
        if (c == '"') {
            quoted = !quoted;
            inArgument = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (inArgument) arguments.push_back(std::move(current));
            current.clear();
            inArgument = false;
        } else {
            current += c;
            inArgument = true;
        }
    }
    if (inArgument) arguments.push_back(std::move(current));
    return arguments;
}

bool RunCommand(const std::string& command) {
    std::vector<std::string> arguments = SplitCommandLine(command);
    if (arguments.empty()) return false;
    ProcessResult result = Plat().RunProgram(arguments, WorkspacePath());
    return result.started && result.exitStatus == 0;
}

void ReportRunFailure(const std::string& command) { ShowError(Format("Failed when running\n%s.", command.c_str())); }

void OpenWithDefaultViewer(const std::string& path) { Plat().OpenWithDefaultViewer(path); }

}  // namespace tallowby
