#include "app/Checks.h"

#include "app/Messages.h"
#include "app/SharedState.h"
#include "app/Text.h"

#include <sys/stat.h>

#include <climits>
#include <cctype>

namespace tallowby {

int ParseSiteNumber(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX) return negative ? INT_MIN : INT_MAX;
    }
    return static_cast<int>(negative ? -value : value);
}

bool CheckNotEmpty(const std::string& label, const std::string& text) {
    if (!text.empty()) return true;
    ShowNotice(Format("Please input %s.", label.c_str()));
    return false;
}

bool CheckSiteNumber(const std::string& text, const std::string& which) {
    bool valid = !text.empty() && (text[0] == '+' || std::isdigit(static_cast<unsigned char>(text[0])));
    for (size_t i = 1; valid && i < text.size(); ++i) valid = std::isdigit(static_cast<unsigned char>(text[i]));
    if (valid) return true;
    if (which == "start")
        ShowNotice(Format("The start site(%s) should be a non negative integer number.", text.c_str()));
    else
        ShowNotice(Format("The end site(%s) should be a positive integer number.", text.c_str()));
    return false;
}

bool CheckSite(const std::string& chrom, const std::string& startText, const std::string& endText, int start,
               int end) {
    Site().siteStart = start;
    Site().siteEnd = end;
    if (!CheckNotEmpty("chrom name", chrom) || !CheckNotEmpty("start site", startText) ||
        !CheckNotEmpty("end site", endText))
        return false;
    if (!CheckSiteNumber(startText, "start") || !CheckSiteNumber(endText, "end")) return false;
    if (start == INT_MAX) {
        ShowNotice(Format("The start site(%s) is out of int range.", startText.c_str()));
        return false;
    }
    if (end == INT_MAX) {
        ShowNotice(Format("The end site(%s) is out of int range.", endText.c_str()));
        return false;
    }
    if (start < end) {
        long long distance = static_cast<long long>(end) - start;
        if (distance < 10001) return true;
        return AskQuestion(Format("The distance between your start site(%d) and end site(%d) is %lld.\nAre you sure?",
                                  start, end, distance));
    }
    ShowNotice(Format("The start site(%d) should be smaller than the end site(%d).", start, end));
    return false;
}

bool CheckInput(const std::string& value, const std::string& label, InputKind kind) {
    if (value.empty()) {
        if (kind != InputKind::NoMessageFile) ShowError(Format("Please input %s.", label.c_str()));
        return false;
    }
    if (kind == InputKind::Sequence) return true;
    struct stat status {};
    if (::stat(value.c_str(), &status) != 0) {
        ShowError(Format("The input %s %s dosn't exists.", label.c_str(), value.c_str()));
        return false;
    }
    bool isDirectory = S_ISDIR(status.st_mode);
    if ((kind == InputKind::File || kind == InputKind::NoMessageFile) && isDirectory) {
        ShowError(Format("The input %s %s is not a file but a directory.", label.c_str(), value.c_str()));
        return false;
    }
    if (kind == InputKind::Dir && !isDirectory) {
        ShowError(Format("The input %s %s is not a directory.", label.c_str(), value.c_str()));
        return false;
    }
    return true;
}

namespace {
bool PathExists(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0;
}
}  // namespace

bool CheckBlastIndex(const std::string& databasePath) {
    for (const char* extension : {".nhr", ".nin", ".nsq"}) {
        std::string indexFile = databasePath + extension;
        if (PathExists(indexFile)) continue;
        ShowNotice(Format("Blast index file %s doesn't exist. %s", indexFile.c_str(),
                          "Please go to menu->build->blast index to make blast database."));
        return false;
    }
    return true;
}

bool RequireFile(const std::string& path, const std::string& hint) {
    if (PathExists(path)) return true;
    std::string text = hint == "fail" ? std::string("Failed!") : Format("%s does not exist.\n", path.c_str());
    if (hint == "circ_format")
        text += "Please go to menu->draw->format->circle struct to make it.";
    else if (hint == "seq_format")
        text += "Please go to menu->draw->format->sequence to make it.";
    else if (hint == "site")
        text += "Please go to menu->draw->site to make it.";
    else if (hint == "config")
        text += "Please go to menu->config->path to reset it.";
    ShowSettingsProblem(text);
    return false;
}

bool HasNoSpace(const std::string& path) { return path.find(' ') == std::string::npos; }

bool CheckNoSpace(const std::string& path, const std::string& label) {
    if (HasNoSpace(path)) return true;
    ShowSettingsProblem(Format("The %s path %s should not contain space.", label.c_str(), path.c_str()));
    return false;
}

}  // namespace tallowby
