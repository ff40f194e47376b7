#include "app/forms/CAboutDlg.h"

#include "app/forms/FormCatalog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace tallowby {

AboutForm::AboutForm(const char* className, QWidget* parent)
    : FormDialog(className, QStringLiteral("About Tallowby"), parent) {
    auto* icon = new QLabel;
    icon->setPixmap(ProgramIcon().pixmap(48, 48));
    auto* text = new QLabel(QStringLiteral("Tallowby，version 1.0 "));
    text->setObjectName(QStringLiteral("aboutText"));
    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addSpacing(12);
    row->addWidget(text, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    setMinimumSize(255, 100);
}

namespace {
const FormRegistration kAbout{"CAboutDlg", [] { return new CAboutDlg; }};
const FormRegistration kHelpAbout{"CDLGAbout", [] { return new CDLGAbout; }};
}  // namespace

}  // namespace tallowby
