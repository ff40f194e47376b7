#include "app/forms/FormDialog.h"

#include <QGuiApplication>
#include <QScreen>

namespace tallowby {

QIcon ProgramIcon() { return QIcon(QStringLiteral(":/icons/tallowby.svg")); }

FormDialog::FormDialog(const char* className, const QString& title, QWidget* parent)
    : QDialog(parent), className_(className) {
    setObjectName(QString::fromUtf8(className));
    setWindowTitle(title);
    setWindowIcon(ProgramIcon());
}

int FormDialog::RunModally() {
    DialogModal modal(*this);
    return Plat().RunModal(modal);
}

void FormDialog::CenterOnScreen() {
    adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect available = screen->availableGeometry();
        move(available.center() - rect().center());
    }
}

}  // namespace tallowby
