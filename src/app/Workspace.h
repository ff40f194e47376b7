#pragma once
// The workspace: the folder every relative path of the program is taken from and every result is
// written under. Paths here always end with '/'.

#include <optional>
#include <string>

namespace tallowby {

// The workspace path of this run ("" before start-up).
const std::string& WorkspacePath();
void SetWorkspacePath(std::string path);

// workspacePath followed by a relative path ("database/x.fa").
std::string WorkspaceFile(const std::string& relative);

// The workspace to use: the given override, else $TALLOWBY_WORKSPACE, else the executable's folder;
// made absolute, ending with '/'.
std::string GetWorkspacePath(const std::optional<std::string>& override);

// Creates workspacePath + relative as one folder when it is missing; failures are ignored.
void MakeWorkspaceDir(const std::string& relative);

// The NCBI configuration warning, then the fourteen folders of the tree in order.
void CreateWorkspaceTree();

// The relative paths of the two drawing-settings files and their default texts.
extern const char* const kCircleFormatFile;    // "R_script/Setting/circ_format.txt"
extern const char* const kSequenceFormatFile;  // "R_script/Setting/seq_format.txt"
extern const char* const kDefaultCircleFormat;
extern const char* const kDefaultSequenceFormat;

// Writes both settings files with their defaults. With onlyWhereMissing an existing file is kept.
// A file that cannot be written is passed over silently.
void WriteDefaultFormatFiles(bool onlyWhereMissing);

// Copies what the build placed beside the executable (blast_bin links, R_script/Scripts,
// circos.conf) into the workspace where it is missing; nothing existing is overwritten.
void CopyWorkspaceResources(const std::string& resourceFolder);

struct StartOptions {
    std::optional<std::string> workspace;  // --workspace
    bool keepSettingsFiles = false;        // the CLI writes settings files only where missing
};

// The whole start-up: workspace path, current folder, tree, resources, settings files.
// False (after a message) when the workspace cannot be made the current folder.
[[nodiscard]] bool StartWorkspace(const StartOptions& options);

}  // namespace tallowby
