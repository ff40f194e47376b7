#pragma once
// The GUI's platform: Qt message boxes and file dialogs, the desktop's opener.

#include "platform/Platform.h"

namespace tallowby {

class QtPlatform : public Platform {
public:
    bool Message(MessageKind kind, const std::string& text, QuestionButtons buttons) override;
    std::optional<std::string> ChooseOpenFile(const FileDialogRequest& request) override;
    std::optional<std::string> ChooseSaveFile(const FileDialogRequest& request) override;
    std::optional<std::string> BrowseFolder() override;
    void OpenWithDefaultViewer(const std::string& path) override;
};

}  // namespace tallowby
