// tallowby-cli workspace: prepares the workspace (folders, resources, settings files where
// missing) and prints where it is.

#include "app/Workspace.h"
#include "cli/CliCommands.h"

#include <iostream>

namespace tallowby {

namespace {
int RunWorkspace() {
    std::cout << "workspace\t" << WorkspacePath() << '\n';
    return 0;
}

const CliRegistration kWorkspace{[](CLI::App& root, CliRun& chosen) {
    CLI::App* sub = root.add_subcommand("workspace", "Prepare the workspace and print its folder");
    sub->callback([&chosen] { chosen = RunWorkspace; });
}};
}  // namespace

}  // namespace tallowby
