#pragma once
// The About form, opened from the window's context menu (CAboutDlg) and from help -> about (CDLGAbout).

#include "app/forms/FormDialog.h"

namespace tallowby {

class AboutForm : public FormDialog {
public:
    explicit AboutForm(const char* className, QWidget* parent = nullptr);
};

class CAboutDlg : public AboutForm {
public:
    explicit CAboutDlg(QWidget* parent = nullptr) : AboutForm("CAboutDlg", parent) {}
};

class CDLGAbout : public AboutForm {
public:
    explicit CDLGAbout(QWidget* parent = nullptr) : AboutForm("CDLGAbout", parent) {}
};

}  // namespace tallowby
