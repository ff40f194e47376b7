#include "app/ToolPaths.h"

#include "app/Checks.h"
#include "app/Messages.h"
#include "app/SharedState.h"
#include "app/Text.h"
#include "app/Workspace.h"

namespace tallowby {

const char* const kToolPathHelp =
    "Blast used:\nbuild -> blast index\nblast -> blast\ndraw -> query -> seq\n\n"
    "R used:\ndraw -> query -> site (type: circle)\nblast -> blast\ndraw -> query -> seq (draw circle/seq)\n"
    "tools -> custom circle struct\n\n"
    "Circos used:\ntools -> predicted tools view\n\n";

namespace {
std::string InFolder(const std::string& folder, const std::string& program) {
    if (!folder.empty() && folder.back() == '/') return folder + program;
    return folder + "/" + program;
}
}  // namespace

std::optional<std::string> ResolveBlastTool(const std::string& tool) {
    const FormState& state = Shared();
    if (state.blastPathMode == 1) return tool;
    if (state.blastPathMode == 0) {
        if (!HasNoSpace(WorkspacePath())) return "blast_bin/" + tool;
        return WorkspaceFile("blast_bin/" + tool);
    }
    std::string program = InFolder(state.blastBinPath, tool);
    if (!RequireFile(program, "config") || !CheckNoSpace(program, "blast")) return std::nullopt;
    return program;
}

std::optional<std::string> ResolveRscript() {
    const FormState& state = Shared();
    if (state.rPathMode == 0) return std::string("Rscript");
    std::string program = InFolder(state.rBinPath, "Rscript");
    if (!RequireFile(program, "config") || !CheckNoSpace(program, "R")) return std::nullopt;
    return program;
}

std::optional<std::string> ResolveCircos() {
    const FormState& state = Shared();
    if (state.circosPathMode == 0) return std::string("circos");
    std::string program = InFolder(state.circosBinPath, "circos");
    if (!RequireFile(program, "config")) return std::nullopt;
    return program;
}

ApplyOutcome ApplyToolPaths(const ToolPathChoice& choice) {
    FormState& state = Shared();
    const ToolPathChoice before{state.blastPathMode, state.rPathMode, state.circosPathMode,
                                state.blastBinPath,  state.rBinPath,  state.circosBinPath};
    state.blastPathMode = choice.blastPathMode;
    state.rPathMode = choice.rPathMode;
    state.circosPathMode = choice.circosPathMode;

    state.blastBinPath = choice.blastBinPath;
    if (state.blastPathMode == 2 &&
        (!CheckInput(state.blastBinPath, "blast bin", InputKind::Dir) || !CheckNoSpace(state.blastBinPath, "blast")))
        return ApplyOutcome::Failed;
    state.rBinPath = choice.rBinPath;
    if (state.rPathMode == 1 &&
        (!CheckInput(state.rBinPath, "R bin", InputKind::Dir) || !CheckNoSpace(state.rBinPath, "R")))
        return ApplyOutcome::Failed;
    state.circosBinPath = choice.circosBinPath;
    if (state.circosPathMode == 1 && !CheckInput(state.circosBinPath, "circos bin", InputKind::Dir))
        return ApplyOutcome::Failed;

    bool changed = before.blastPathMode != state.blastPathMode || before.rPathMode != state.rPathMode ||
                   before.circosPathMode != state.circosPathMode || before.blastBinPath != state.blastBinPath ||
                   before.rBinPath != state.rBinPath || before.circosBinPath != state.circosBinPath;
    ShowInformation(changed ? "Saved!" : "Not changed!");
    return changed ? ApplyOutcome::Saved : ApplyOutcome::NotChanged;
}

}  // namespace tallowby
