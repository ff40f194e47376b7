#pragma once
// The five kinds of message box, as the rest of the core calls them.

#include "platform/Platform.h"

#include <string>

namespace tallowby {

inline void ShowNotice(const std::string& text) { Plat().Message(MessageKind::Notice, text); }
inline void ShowSettingsProblem(const std::string& text) { Plat().Message(MessageKind::SettingsProblem, text); }
inline void ShowError(const std::string& text) { Plat().Message(MessageKind::Error, text); }
inline void ShowInformation(const std::string& text) { Plat().Message(MessageKind::Information, text); }
// True when OK (or Yes) was chosen.
inline bool AskQuestion(const std::string& text, QuestionButtons buttons = QuestionButtons::OkCancel) {
    return Plat().Message(MessageKind::Question, text, buttons);
}
inline void SetStatusText(const std::string& text) { Plat().SetStatus(text); }

// A file the program writes for a later step or for the user could not be written.
void ReportWriteFailure(const std::string& path);

}  // namespace tallowby
