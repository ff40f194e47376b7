#include "platform/Platform.h"

#include "platform/ConsolePlatform.h"
#include "platform/ProcessRunner.h"

#include <unistd.h>

#include <climits>
#include <filesystem>

namespace tallowby {

const char* MessageTitle(MessageKind kind) {
    return kind == MessageKind::Error ? "Tallowby-Error" : "Tallowby-Message";
}

ProcessResult Platform::RunProgram(const std::vector<std::string>& arguments,
                                   const std::string& workingFolder) {
    return RunProcess(arguments, workingFolder);
}

void Platform::SetStatus(const std::string& text) {
    if (statusSink_) statusSink_(text);
}

std::string Platform::ExecutableFolder() {
    std::error_code error;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return "./";
    std::string folder = exe.parent_path().string();
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

namespace {
std::unique_ptr<Platform>& Current() {
    static std::unique_ptr<Platform> current = std::make_unique<ConsolePlatform>();
    return current;
}
}  // namespace

Platform& Plat() { return *Current(); }

std::unique_ptr<Platform> InstallPlatform(std::unique_ptr<Platform> platform) {
    std::unique_ptr<Platform> previous = std::move(Current());
    Current() = std::move(platform);
    return previous;
}

}  // namespace tallowby
