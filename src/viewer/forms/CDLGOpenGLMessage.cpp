#include "viewer/forms/CDLGOpenGLMessage.h"

#include "app/forms/FormCatalog.h"
#include "viewer/ViewerScene.h"

#include <QCheckBox>
#include <QFont>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallowby {

CDLGOpenGLMessage::CDLGOpenGLMessage(QWidget* parent)
    : FormDialog("CDLGOpenGLMessage", QStringLiteral("Tallowby-Message"), parent) {
    helpText = new QLabel;
    helpText->setWordWrap(true);
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(9);
    helpText->setFont(font);
    helpText->setText(QStringLiteral("Press keyboard 's' to save the image, '\u2191' and '\u2193' to enlarge and "
                                     "shrink, '\u2190' and '\u2192' to move to left and right."));
    notShowAgainBox = new QCheckBox(QStringLiteral("Not show again"));
    notShowAgainBox->setChecked(Scene().viewerHelpSuppressed != 0);
    okButton = new QPushButton(QStringLiteral("OK"));
    okButton->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(notShowAgainBox);
    buttons->addStretch();
    buttons->addWidget(okButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(helpText);
    layout->addLayout(buttons);
    setMinimumWidth(420);
    connect(okButton, &QPushButton::clicked, this, &CDLGOpenGLMessage::OnOk);
    CenterOnScreen();
}

int CDLGOpenGLMessage::exec() {
    if (Scene().viewerHelpSuppressed) return QDialog::Accepted;
    return FormDialog::exec();
}

void CDLGOpenGLMessage::OnOk() {
    Scene().viewerHelpSuppressed = notShowAgainBox->isChecked() ? 1 : 0;
    accept();
}

namespace {
const FormRegistration kRegistration{"CDLGOpenGLMessage", [] { return new CDLGOpenGLMessage; }};
}  // namespace

}  // namespace tallowby
