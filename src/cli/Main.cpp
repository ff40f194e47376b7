// tallowby-cli: the program's main paths without windows, on the same core operations.

#include "app/Workspace.h"
#include "cli/CliCommands.h"
#include "cli/CliGlobalsSlot.h"
#include "platform/ConsolePlatform.h"

#include <iostream>

using namespace tallowby;

int main(int argc, char** argv) {
    CLI::App root{"Tallowby batch front end: the program's analyses and drawings from the command line.",
                  "tallowby-cli"};
    root.set_version_flag("--version", "tallowby-cli 1.0");
    std::string workspace;
    root.add_option("--workspace", workspace, "Use DIR as the workspace instead of the program's folder")
        ->option_text("DIR")
        ->transform(AbsolutePath());
    CliGlobals& globals = MutableGlobals();
    root.add_flag("--yes", globals.yes, "Answer every question with OK (or Yes)");
    root.add_flag("--open", globals.open, "Open results with the desktop's default viewer");
    root.require_subcommand(1);
    root.fallthrough();

    CliRun chosen;
    for (const CliSetup& setup : RegisteredCliCommands()) setup(root, chosen);

    try {
        root.parse(argc, argv);
    } catch (const CLI::CallForHelp& help) {
        return root.exit(help);
    } catch (const CLI::CallForAllHelp& help) {
        return root.exit(help);
    } catch (const CLI::CallForVersion& version) {
        return root.exit(version);
    } catch (const CLI::ParseError& error) {
        std::cerr << error.what() << "\n\n" << root.help();
        return 2;
    }

    InstallPlatform(std::make_unique<ConsolePlatform>(globals.yes, globals.open));
    StartOptions options;
    if (!workspace.empty()) options.workspace = workspace;
    options.keepSettingsFiles = true;
    if (!StartWorkspace(options)) return 1;
    return chosen ? chosen() : 2;
}
