#pragma once
// What the notice form's OK button does, by noticeKind. The subsystem that owns an action
// registers it; a kind without an action just closes the form.

#include <functional>
#include <string>

namespace tallowby {

void RegisterNoticeAction(const std::string& kind, std::function<void()> action);
// Runs the action registered for the kind; false when there is none.
bool RunNoticeAction(const std::string& kind);

}  // namespace tallowby
