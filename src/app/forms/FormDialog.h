#pragma once
// Base of every form: its class name (used by tests and the form pictures), the program icon, a
// centred position, and running it modally through the platform so a test can act inside it.

#include "platform/Platform.h"

#include <QDialog>
#include <QIcon>
#include <string>

namespace tallowby {

QIcon ProgramIcon();

class FormDialog : public QDialog {
public:
    FormDialog(const char* className, const QString& title, QWidget* parent = nullptr);

    const std::string& ClassName() const { return className_; }
    // Runs the form modally through the platform; returns the dialog result.
    int RunModally();

protected:
    void CenterOnScreen();

private:
    std::string className_;
};

// The platform's view of a form run modally; tests reach the form through Dialog().
class DialogModal : public ModalForm {
public:
    explicit DialogModal(FormDialog& dialog) : dialog_(dialog) {}
    std::string FormName() const override { return dialog_.ClassName(); }
    int ExecModal() override { return dialog_.exec(); }
    FormDialog& Dialog() { return dialog_; }

private:
    FormDialog& dialog_;
};

}  // namespace tallowby
