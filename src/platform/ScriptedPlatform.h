#pragma once
// The tests' platform: records every message, status text, open and program run; answers
// questions and dialogs from queues; lets a test act inside a form run modally.
//
// Use: auto& scripted = ScriptedPlatform::Install(); scripted.answers.push_back(true); ...

#include "platform/Platform.h"

#include <deque>
#include <map>

namespace tallowby {

struct RecordedMessage {
    MessageKind kind;
    std::string title;
    std::string text;
    QuestionButtons buttons;
};

class ScriptedPlatform : public Platform {
public:
    // Installs a fresh scripted platform and returns it (owned by the platform slot).
    static ScriptedPlatform& Install();

    bool Message(MessageKind kind, const std::string& text, QuestionButtons buttons) override;
    std::optional<std::string> ChooseOpenFile(const FileDialogRequest& request) override;
    std::optional<std::string> ChooseSaveFile(const FileDialogRequest& request) override;
    std::optional<std::string> BrowseFolder() override;
    void OpenWithDefaultViewer(const std::string& path) override;
    ProcessResult RunProgram(const std::vector<std::string>& arguments,
                             const std::string& workingFolder) override;
    int RunModal(ModalForm& form) override;
    void SetStatus(const std::string& text) override;
    std::string ExecutableFolder() override;

    // Texts of the recorded messages, in order.
    std::vector<std::string> MessageTexts() const;
    void Clear();

    std::vector<RecordedMessage> messages;
    std::deque<bool> answers;  // questions take these in order; an empty queue answers Cancel/No
    std::deque<std::optional<std::string>> openFiles, saveFiles, folders;  // empty queue: cancelled
    std::vector<FileDialogRequest> openRequests, saveRequests;
    std::vector<std::string> opened;
    std::vector<std::vector<std::string>> programRuns;
    std::vector<std::string> statuses;
    bool runProgramsForReal = true;  // false: record only, and report the exit status below
    int fakeExitStatus = 0;
    std::string executableFolder;    // empty: the real one

    // A form run modally is handed to the first handler queued for its class name; the handler
    // acts on it (fills controls, clicks) and returns the dialog result. Without a handler the
    // form runs its real modal loop.
    std::map<std::string, std::deque<std::function<int(ModalForm&)>>> modalHandlers;
    std::vector<std::string> modalForms;  // class names of the forms run, in order
};

}  // namespace tallowby
