#pragma once
// The services a desktop gives a program (message boxes, file dialogs, running programs, opening
// results), behind one interface so that the core never opens a window itself. The GUI installs the
// Qt implementation, the CLI the console one, the tests the scripted one.
//
// Use: Plat().Message(MessageKind::Error, "Failed when running\n...");

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tallowby {

enum class MessageKind { Notice, Question, SettingsProblem, Error, Information };

enum class QuestionButtons { OkCancel, YesNo };

// What a message of each kind looks like: "Tallowby-Error" for errors, "Tallowby-Message" otherwise.
const char* MessageTitle(MessageKind kind);

struct FileDialogRequest {
    std::string filter;            // Qt form: "Files (*.fa);;All Files (*)"
    std::string defaultExtension;  // without the dot; empty for none
    std::string initialFolder;     // empty: wherever the dialog likes
    std::string initialName;       // text of the name field, e.g. "*.gff3"
};

// A form run modally through the platform. Forms wrap themselves in this so that a test can act
// inside a nested modal form instead of blocking in its event loop.
class ModalForm {
public:
    virtual ~ModalForm() = default;
    virtual std::string FormName() const = 0;  // the class name, "CDLGConfigPath"
    virtual int ExecModal() = 0;               // runs the real modal loop; returns the dialog result
};

struct ProcessResult {
    bool started = false;  // false: the program could not be started at all
    int exitStatus = -1;   // meaningful when started; a signal death counts as non-zero
};

class Platform {
public:
    virtual ~Platform() = default;

    // Shows one message box. For MessageKind::Question the return tells whether OK (or Yes) was
    // chosen; for the other kinds it is true.
    virtual bool Message(MessageKind kind, const std::string& text,
                         QuestionButtons buttons = QuestionButtons::OkCancel) = 0;

    // A chosen existing file, or nothing when the user cancelled. Never changes the current folder.
    virtual std::optional<std::string> ChooseOpenFile(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> ChooseSaveFile(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> BrowseFolder() = 0;

    // Opens a result (PDF, PNG, text) with the desktop's default viewer; the outcome is not reported.
    virtual void OpenWithDefaultViewer(const std::string& path) = 0;

    // Starts a program directly (no shell), waits for it, and reports how it ended.
    virtual ProcessResult RunProgram(const std::vector<std::string>& arguments,
                                     const std::string& workingFolder);

    virtual int RunModal(ModalForm& form) { return form.ExecModal(); }

    // The status line of the form in front. Forms install a sink while they are in front.
    virtual void SetStatus(const std::string& text);
    void SetStatusSink(std::function<void(const std::string&)> sink) { statusSink_ = std::move(sink); }

    // Folder of the running executable with a trailing '/'.
    virtual std::string ExecutableFolder();

private:
    std::function<void(const std::string&)> statusSink_;
};

// The platform in use; the console one until a front end installs another.
Platform& Plat();
// Installs a platform for the rest of the run (or of a test) and returns the previous one.
std::unique_ptr<Platform> InstallPlatform(std::unique_ptr<Platform> platform);

}  // namespace tallowby
