#include "platform/ScriptedPlatform.h"

namespace tallowby {

ScriptedPlatform& ScriptedPlatform::Install() {
    auto scripted = std::make_unique<ScriptedPlatform>();
    ScriptedPlatform& reference = *scripted;
    InstallPlatform(std::move(scripted));
    return reference;
}

bool ScriptedPlatform::Message(MessageKind kind, const std::string& text, QuestionButtons buttons) {
    messages.push_back({kind, MessageTitle(kind), text, buttons});
    if (kind != MessageKind::Question) return true;
    if (answers.empty()) return false;
    bool answer = answers.front();
    answers.pop_front();
    return answer;
}

namespace {
std::optional<std::string> Take(std::deque<std::optional<std::string>>& queue) {
    if (queue.empty()) return std::nullopt;
    std::optional<std::string> value = queue.front();
    queue.pop_front();
    return value;
}
}  // namespace

std::optional<std::string> ScriptedPlatform::ChooseOpenFile(const FileDialogRequest& request) {
    openRequests.push_back(request);
    return Take(openFiles);
}

std::optional<std::string> ScriptedPlatform::ChooseSaveFile(const FileDialogRequest& request) {
    saveRequests.push_back(request);
    return Take(saveFiles);
}

std::optional<std::string> ScriptedPlatform::BrowseFolder() { return Take(folders); }

void ScriptedPlatform::OpenWithDefaultViewer(const std::string& path) { opened.push_back(path); }

ProcessResult ScriptedPlatform::RunProgram(const std::vector<std::string>& arguments,
                                           const std::string& workingFolder) {
    programRuns.push_back(arguments);
    if (runProgramsForReal) return Platform::RunProgram(arguments, workingFolder);
    return {true, fakeExitStatus};
}

int ScriptedPlatform::RunModal(ModalForm& form) {
    modalForms.push_back(form.FormName());
    auto found = modalHandlers.find(form.FormName());
    if (found == modalHandlers.end() || found->second.empty()) return form.ExecModal();
    std::function<int(ModalForm&)> handler = std::move(found->second.front());
    found->second.pop_front();
    return handler(form);
}

void ScriptedPlatform::SetStatus(const std::string& text) {
    statuses.push_back(text);
    Platform::SetStatus(text);
}

std::string ScriptedPlatform::ExecutableFolder() {
    return executableFolder.empty() ? Platform::ExecutableFolder() : executableFolder;
}

std::vector<std::string> ScriptedPlatform::MessageTexts() const {
    std::vector<std::string> texts;
    for (const RecordedMessage& message : messages) texts.push_back(message.text);
    return texts;
}

void ScriptedPlatform::Clear() {
    messages.clear();
    opened.clear();
    programRuns.clear();
    statuses.clear();
    modalForms.clear();
}

}  // namespace tallowby
