#include "platform/ConsolePlatform.h"

#include "platform/ProcessRunner.h"

#include <iostream>

namespace tallowby {

ConsolePlatform::ConsolePlatform(bool answerYes, bool reallyOpen)
    : answerYes_(answerYes), reallyOpen_(reallyOpen) {}

bool ConsolePlatform::Message(MessageKind kind, const std::string& text, QuestionButtons buttons) {
    std::cerr << MessageTitle(kind) << ": " << text << '\n';
    if (kind != MessageKind::Question) return true;
    const bool okCancel = buttons == QuestionButtons::OkCancel;
    const char* answer = answerYes_ ? (okCancel ? "OK" : "Yes") : (okCancel ? "Cancel" : "No");
    std::cerr << "-> " << answer << '\n';
    return answerYes_;
}

std::optional<std::string> ConsolePlatform::ChooseOpenFile(const FileDialogRequest&) { return std::nullopt; }
std::optional<std::string> ConsolePlatform::ChooseSaveFile(const FileDialogRequest&) { return std::nullopt; }
std::optional<std::string> ConsolePlatform::BrowseFolder() { return std::nullopt; }

void ConsolePlatform::OpenWithDefaultViewer(const std::string& path) {
    if (reallyOpen_) RunProcess({"xdg-open", path}, {});
}

void ConsolePlatform::SetStatus(const std::string& text) {
    if (!text.empty()) std::cerr << "status: " << text << '\n';
    Platform::SetStatus(text);
}

}  // namespace tallowby
