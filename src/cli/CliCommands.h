#pragma once
// The CLI's subcommands. Each lives in its own file and registers itself:
//
//   static const CliRegistration kModel{[](CLI::App& root, CliRun& chosen) {
//       CLI::App* sub = root.add_subcommand("model", "...");
//       sub->add_option("--annotation", options.annotation)->transform(AbsolutePath())->required();
//       sub->callback([&chosen] { chosen = RunModel; });
//   }};
//
// A run function is called after start-up and returns the exit status (0 success, 1 failure).
// It writes only its result lines to stdout; messages reach stderr through the platform.

#include <CLI/CLI.hpp>

#include <functional>
#include <vector>

namespace tallowby {

using CliRun = std::function<int()>;
using CliSetup = std::function<void(CLI::App& root, CliRun& chosen)>;

struct CliRegistration {
    explicit CliRegistration(CliSetup setup);
};

const std::vector<CliSetup>& RegisteredCliCommands();

// Makes a path option absolute while the command line is read, before start-up changes the
// current folder.
CLI::Validator AbsolutePath();

// Global options every subcommand may read.
struct CliGlobals {
    bool yes = false;   // answer every question with OK / Yes
    bool open = false;  // really open results with the desktop's viewer
};
const CliGlobals& Globals();

}  // namespace tallowby
