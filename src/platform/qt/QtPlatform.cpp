#include "platform/qt/QtPlatform.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace tallowby {

namespace {
QString ToQt(const std::string& text) { return QString::fromStdString(text); }

QMessageBox::Icon IconOf(MessageKind kind) {
    switch (kind) {
        case MessageKind::Notice:
        case MessageKind::Question:
            return QMessageBox::Warning;
        case MessageKind::SettingsProblem:
        case MessageKind::Error:
            return QMessageBox::Critical;
        case MessageKind::Information:
            break;
    }
    return QMessageBox::NoIcon;
}

std::optional<std::string> RunFileDialog(const FileDialogRequest& request, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(nullptr, QString(), ToQt(request.initialFolder), ToQt(request.filter));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (!request.defaultExtension.empty()) dialog.setDefaultSuffix(ToQt(request.defaultExtension));
    if (!request.initialName.empty()) dialog.selectFile(ToQt(request.initialName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}
}  // namespace

bool QtPlatform::Message(MessageKind kind, const std::string& text, QuestionButtons buttons) {
    QMessageBox box(IconOf(kind), QString::fromUtf8(MessageTitle(kind)), ToQt(text));
    if (kind == MessageKind::Question) {
        bool okCancel = buttons == QuestionButtons::OkCancel;
        box.setStandardButtons(okCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Yes | QMessageBox::No);
        int answer = box.exec();
        return answer == QMessageBox::Ok || answer == QMessageBox::Yes;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return true;
}

std::optional<std::string> QtPlatform::ChooseOpenFile(const FileDialogRequest& request) {
    return RunFileDialog(request, QFileDialog::AcceptOpen);
}

std::optional<std::string> QtPlatform::ChooseSaveFile(const FileDialogRequest& request) {
    return RunFileDialog(request, QFileDialog::AcceptSave);
}

std::optional<std::string> QtPlatform::BrowseFolder() {
    QString folder = QFileDialog::getExistingDirectory(nullptr, QString(), QString(), QFileDialog::ShowDirsOnly);
    if (folder.isEmpty()) return std::nullopt;
    return folder.toStdString();
}

void QtPlatform::OpenWithDefaultViewer(const std::string& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(ToQt(path)));
}

}  // namespace tallowby
