#include "app/Workspace.h"

#include "app/Messages.h"
#include "app/Text.h"
#include "platform/Platform.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace tallowby {

namespace {
std::string& WorkspaceSlot() {
    static std::string path;
    return path;
}

std::string WithTrailingSlash(std::string path) {
    if (path.empty() || path.back() != '/') path += '/';
    return path;
}

const char* const kWorkspaceTree[] = {
    "R_script",
    "R_script/Scripts",
    "R_script/Setting",
    "database",
    "output",
    "output/blast_result",
    "output/OpenGL",
    "output/R_result",
    "output/SiteInfo_result",
    "output/tools",
    "output/tools/chrom_len",
    "output/tools/circle_distribution",
    "output/tools/circle_distribution/made_file",
    "output/tools/circle_distribution/png",
};

// Resources the build places beside the executable, copied into another workspace.
const char* const kWorkspaceResources[] = {
    "blast_bin",
    "R_script/Scripts",
    "output/tools/circle_distribution/circos.conf",
};

void WriteTextFile(const std::string& path, const char* text, bool onlyWhereMissing) {
    std::error_code error;
    if (onlyWhereMissing && fs::exists(path, error)) return;
    fs::create_directories(fs::path(path).parent_path(), error);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

void CopyMissing(const fs::path& from, const fs::path& to) {
    std::error_code error;
    fs::file_status status = fs::symlink_status(from, error);
    if (error || !fs::exists(status)) return;
    if (fs::is_directory(status)) {
        fs::create_directories(to, error);
        for (const fs::directory_entry& entry : fs::directory_iterator(from, error))
            CopyMissing(entry.path(), to / entry.path().filename());
        return;
    }
    if (fs::exists(fs::symlink_status(to, error))) return;
    fs::create_directories(to.parent_path(), error);
    fs::copy(from, to, fs::copy_options::copy_symlinks, error);
}
}  // namespace

const char* const kCircleFormatFile = "R_script/Setting/circ_format.txt";
const char* const kSequenceFormatFile = "R_script/Setting/seq_format.txt";
const char* const kDefaultCircleFormat = "Blue\n10_4\t5_5\nunclockwise\nshow_UTR\nno_gene_direction\n3D\n";
const char* const kDefaultSequenceFormat = "green_yellow\n2_2\nshow_mis\nshow_gap\n0.8\n";

const std::string& WorkspacePath() { return WorkspaceSlot(); }
void SetWorkspacePath(std::string path) { WorkspaceSlot() = WithTrailingSlash(std::move(path)); }

std::string WorkspaceFile(const std::string& relative) { return WorkspacePath() + relative; }

std::string GetWorkspacePath(const std::optional<std::string>& override) {
    std::string chosen;
    if (override && !override->empty()) {
        chosen = *override;
    } else if (const char* fromEnvironment = std::getenv("TALLOWBY_WORKSPACE"); fromEnvironment && *fromEnvironment) {
        chosen = fromEnvironment;
    } else {
        return WithTrailingSlash(Plat().ExecutableFolder());
    }
    std::error_code error;
    fs::path absolute = fs::absolute(chosen, error);
    return WithTrailingSlash(error ? chosen : absolute.lexically_normal().string());
}

void MakeWorkspaceDir(const std::string& relative) {
    std::error_code error;
    fs::path path = WorkspaceFile(relative);
    if (!fs::exists(path, error)) fs::create_directory(path, error);
}

void CreateWorkspaceTree() {
    if (const char* home = std::getenv("HOME"); home && *home) {
        std::string ncbirc = WithTrailingSlash(home) + ".ncbirc";
        std::error_code error;
        if (fs::exists(ncbirc, error))
            ShowNotice(Format("You would better delete %s or local blast may break down.", ncbirc.c_str()));
    }
    for (const char* folder : kWorkspaceTree) MakeWorkspaceDir(folder);
}

void WriteDefaultFormatFiles(bool onlyWhereMissing) {
    WriteTextFile(WorkspaceFile(kCircleFormatFile), kDefaultCircleFormat, onlyWhereMissing);
    WriteTextFile(WorkspaceFile(kSequenceFormatFile), kDefaultSequenceFormat, onlyWhereMissing);
}

void CopyWorkspaceResources(const std::string& resourceFolder) {
    std::error_code error;
    if (fs::equivalent(resourceFolder, WorkspacePath(), error)) return;
    for (const char* resource : kWorkspaceResources)
        CopyMissing(fs::path(resourceFolder) / resource, fs::path(WorkspacePath()) / resource);
}

bool StartWorkspace(const StartOptions& options) {
    std::string path = GetWorkspacePath(options.workspace);
    std::error_code error;
    fs::create_directories(path, error);
    fs::current_path(path, error);
    if (error) {
        ShowError(Format("The workspace %s cannot be used: %s.", path.c_str(), error.message().c_str()));
        return false;
    }
    SetWorkspacePath(path);
    CreateWorkspaceTree();
    CopyWorkspaceResources(Plat().ExecutableFolder());
    WriteDefaultFormatFiles(options.keepSettingsFiles);
    return true;
}

}  // namespace tallowby
