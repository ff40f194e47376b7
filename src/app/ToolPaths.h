#pragma once
// Where BLAST+, Rscript and circos are found, by the modes and folders of the Tool Path form.

#include <optional>
#include <string>

namespace tallowby {

// The program text that starts a command line, or nothing after a message (custom folder without
// the program, or with a blank in its path).
// tool: "blastn" or "makeblastdb".
[[nodiscard]] std::optional<std::string> ResolveBlastTool(const std::string& tool);
[[nodiscard]] std::optional<std::string> ResolveRscript();
[[nodiscard]] std::optional<std::string> ResolveCircos();

struct ToolPathChoice {
    int blastPathMode = 0, rPathMode = 0, circosPathMode = 0;
    std::string blastBinPath, rBinPath, circosBinPath;
};

enum class ApplyOutcome { Saved, NotChanged, Failed };

// Takes the form's choice into the shared state in order (modes, then each path with its checks),
// and says "Saved!" or "Not changed!". A failed check ends it: what was taken over stays, later
// paths keep their old values.
ApplyOutcome ApplyToolPaths(const ToolPathChoice& choice);

// The Tool Path form's help text.
extern const char* const kToolPathHelp;

}  // namespace tallowby
