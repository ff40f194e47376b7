#include "app/forms/CDLGErrCircConfig.h"

#include "app/NoticeActions.h"
#include "app/SharedState.h"
#include "app/forms/FormCatalog.h"

#include <QFont>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPalette>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace tallowby {

CDLGErrCircConfig::CDLGErrCircConfig(QWidget* parent)
    : FormDialog("CDLGErrCircConfig", QStringLiteral("Tallowby-Message"), parent) {
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::Base, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    textArea = new QTextEdit;
    textArea->setReadOnly(true);
    textArea->setFrameStyle(0);
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(9);
    textArea->setFont(font);
    textArea->setPlainText(QString::fromStdString(Shared().noticeText));

    okButton = new QPushButton(QString::fromStdString(Shared().noticeButtonText));
    cancelButton = new QPushButton(QStringLiteral("Cancel"));
    okButton->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(textArea, 1);
    layout->addLayout(buttons);
    connect(okButton, &QPushButton::clicked, this, &CDLGErrCircConfig::OnOk);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    setMinimumSize(460, 390);
    CenterOnScreen();
}

void CDLGErrCircConfig::OnOk() {
    accept();
    RunNoticeAction(Shared().noticeKind);
}

namespace {
const FormRegistration kRegistration{"CDLGErrCircConfig", [] { return new CDLGErrCircConfig; }};
}  // namespace

}  // namespace tallowby
