#pragma once
// The CLI's platform: every message goes to stderr as "TITLE: TEXT", a question is followed by
// the answer given ("-> OK" with --yes, "-> Cancel" without), dialogs cannot be shown.

#include "platform/Platform.h"

#include <iosfwd>

namespace tallowby {

class ConsolePlatform : public Platform {
public:
    explicit ConsolePlatform(bool answerYes = false, bool reallyOpen = false);

    bool Message(MessageKind kind, const std::string& text, QuestionButtons buttons) override;
    std::optional<std::string> ChooseOpenFile(const FileDialogRequest& request) override;
    std::optional<std::string> ChooseSaveFile(const FileDialogRequest& request) override;
    std::optional<std::string> BrowseFolder() override;
    void OpenWithDefaultViewer(const std::string& path) override;
    void SetStatus(const std::string& text) override;

private:
    bool answerYes_;
    bool reallyOpen_;
};

}  // namespace tallowby
