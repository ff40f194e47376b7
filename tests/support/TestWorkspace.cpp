#include "support/TestWorkspace.h"

#include "app/SharedState.h"
#include "app/Workspace.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace tallowby::test {

std::string MakeTempFolder(const std::string& label) {
    const char* scratch = std::getenv("TALLOWBY_TEST_SCRATCH");
    fs::path base = scratch && *scratch ? fs::path(scratch) : fs::temp_directory_path();
    fs::create_directories(base);
    std::string pattern = (base / (label + "-XXXXXX")).string();
    if (!mkdtemp(pattern.data())) ADD_FAILURE() << "cannot create a folder from " << pattern;
    return pattern + "/";
}

void WriteFile(const std::string& path, const std::string& text) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    ASSERT_TRUE(out.good()) << "cannot write " << path;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string ShellQuote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

CommandOutput RunShell(const std::string& command) {
    std::string folder = MakeTempFolder("shell");
    std::string outPath = folder + "out", errPath = folder + "err";
    std::string full = "( " + command + " ) >" + ShellQuote(outPath) + " 2>" + ShellQuote(errPath) + " </dev/null";
    CommandOutput result;
    int status = std::system(full.c_str());
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = ReadFile(outPath);
    result.err = ReadFile(errPath);
    fs::remove_all(folder);
    return result;
}

void WorkspaceTest::SetUp() {
    previousFolder = fs::current_path().string();
    workspace = MakeTempFolder("workspace");
    platform = &ScriptedPlatform::Install();
    platform->executableFolder = TALLOWBY_BIN_DIR "/";
    ResetSharedState();
    SetWorkspacePath(workspace);
    fs::current_path(workspace);
}

void WorkspaceTest::TearDown() {
    fs::current_path(previousFolder);
    std::error_code error;
    if (!HasFailure()) fs::remove_all(workspace, error);
}

}  // namespace tallowby::test
