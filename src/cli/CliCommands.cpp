#include "cli/CliCommands.h"

#include <filesystem>

namespace tallowby {

namespace {
std::vector<CliSetup>& Registry() {
    static std::vector<CliSetup> registry;
    return registry;
}
}  // namespace

CliRegistration::CliRegistration(CliSetup setup) { Registry().push_back(std::move(setup)); }

const std::vector<CliSetup>& RegisteredCliCommands() { return Registry(); }

CLI::Validator AbsolutePath() {
    return CLI::Validator(
        [](std::string& path) {
            if (!path.empty()) {
                std::error_code error;
                std::filesystem::path absolute = std::filesystem::absolute(path, error);
                if (!error) path = absolute.lexically_normal().string();
            }
            return std::string();
        },
        "PATH");
}

}  // namespace tallowby

#include "cli/CliGlobalsSlot.h"

namespace tallowby {

CliGlobals& MutableGlobals() {
    static CliGlobals globals;
    return globals;
}

const CliGlobals& Globals() { return MutableGlobals(); }

}  // namespace tallowby
