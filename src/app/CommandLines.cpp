#include "app/CommandLines.h"

#include "app/Checks.h"
#include "app/Messages.h"
#include "app/Text.h"
#include "app/Workspace.h"

namespace tallowby {

std::optional<std::string> QuoteForCommand(const std::string& path) {
    if (path.find('"') != std::string::npos) {
        ShowError(Format("The path %s should not contain a double quote.", path.c_str()));
        return std::nullopt;
    }
    return "\"" + path + "\"";
}

std::optional<std::string> BuildRscriptCommand(const std::string& program, const std::vector<std::string>& arguments) {
    std::string command = program;
    for (const std::string& argument : arguments) {
        std::optional<std::string> quoted = QuoteForCommand(argument);
        if (!quoted) return std::nullopt;
        command += "  " + *quoted;
    }
    return command;
}

std::optional<std::string> BuildMakeBlastDbCommand(const std::string& program, const std::string& subfolder,
                                                   const std::string& fileName) {
    std::string relative = "database/" + (subfolder.empty() ? fileName : subfolder + "/" + fileName);
    std::string input = HasNoSpace(WorkspacePath()) ? WorkspaceFile(relative) : relative;
    std::optional<std::string> quoted = QuoteForCommand(input);
    if (!quoted) return std::nullopt;
    return program + " -in " + *quoted + " -dbtype nucl -parse_seqids";
}

std::optional<std::string> BuildBlastSearchCommand(const std::string& program, const BlastSearchRequest& request) {
    std::optional<std::string> database = QuoteForCommand(request.database);
    std::optional<std::string> query = database ? QuoteForCommand(request.query) : std::nullopt;
    std::optional<std::string> output = query ? QuoteForCommand(request.output) : std::nullopt;
    if (!output) return std::nullopt;
    const char* numberOption = request.numberAsMaxTargets ? "-max_target_seqs" : "-num_descriptions";
    std::string command = Format("%s -db  %s -query  %s -out %s -evalue %s %s %s -penalty %s -word_size 20",
                                 program.c_str(), database->c_str(), query->c_str(), output->c_str(),
                                 request.evalue.c_str(), numberOption, request.number.c_str(),
                                 request.penalty.c_str());
    if (request.tableLayout) command += " -outfmt \"10 qacc sacc evalue length pident qstart qend sstart send\" ";
    return command;
}

std::optional<std::string> BuildSequenceBlastCommand(const std::string& program, const std::string& database,
                                                     const std::string& query, const std::string& output) {
    std::optional<std::string> quotedDatabase = QuoteForCommand(database);
    std::optional<std::string> quotedQuery = quotedDatabase ? QuoteForCommand(query) : std::nullopt;
    std::optional<std::string> quotedOutput = quotedQuery ? QuoteForCommand(output) : std::nullopt;
    if (!quotedOutput) return std::nullopt;
    return Format("%s -db  %s -query  %s -out %s -outfmt \"10 qseqid sseqid pident length mismatch gapopen qstart "
                  "qend sstart send evalue bitscore qseq sseq\" -word_size 20 -penalty -5 -gapopen 15 -gapextend 3",
                  program.c_str(), quotedDatabase->c_str(), quotedQuery->c_str(), quotedOutput->c_str());
}

std::optional<std::string> BuildCopyCommand(const std::string& source, const std::string& folder) {
    std::optional<std::string> quotedSource = QuoteForCommand(source);
    std::string target = folder.empty() || folder.back() == '/' ? folder : folder + "/";
    std::optional<std::string> quotedTarget = quotedSource ? QuoteForCommand(target) : std::nullopt;
    if (!quotedTarget) return std::nullopt;
    return "cp " + *quotedSource + " " + *quotedTarget;
}

}  // namespace tallowby
