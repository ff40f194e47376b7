#pragma once
// Every external command line the program runs, built in one place. Paths are passed inside double
// quotes; a path holding a double quote cannot be, so it is refused with an error before anything
// runs (the builders then return nothing).

#include <optional>
#include <string>
#include <vector>

namespace tallowby {

// "\"path\"", or nothing after "The path %s should not contain a double quote.".
[[nodiscard]] std::optional<std::string> QuoteForCommand(const std::string& path);

// program  "arg1"  "arg2" ... (two blanks before each quoted argument).
[[nodiscard]] std::optional<std::string> BuildRscriptCommand(const std::string& program,
                                                             const std::vector<std::string>& arguments);

// makeblastdb on database/<subfolder/>fileName of the workspace; relative to the workspace when its
// path holds a blank. subfolder may be empty.
[[nodiscard]] std::optional<std::string> BuildMakeBlastDbCommand(const std::string& program,
                                                                 const std::string& subfolder,
                                                                 const std::string& fileName);

struct BlastSearchRequest {
    std::string database, query, output;
    std::string evalue, number, penalty;  // as typed, passed unquoted
    bool tableLayout = false;             // comma-separated table instead of the pairwise report
    bool numberAsMaxTargets = false;      // pass the number as -max_target_seqs (table searches)
};
[[nodiscard]] std::optional<std::string> BuildBlastSearchCommand(const std::string& program,
                                                                 const BlastSearchRequest& request);

// The sequence query search: fourteen comma-separated columns per alignment.
[[nodiscard]] std::optional<std::string> BuildSequenceBlastCommand(const std::string& program,
                                                                   const std::string& database,
                                                                   const std::string& query,
                                                                   const std::string& output);

// cp "source" "folder/": copies a file into a folder.
[[nodiscard]] std::optional<std::string> BuildCopyCommand(const std::string& source, const std::string& folder);

}  // namespace tallowby
