#include "app/forms/FormGrabber.h"

#include "app/forms/CTallowbyDlg.h"
#include "app/forms/FormCatalog.h"
#include "app/forms/FormDialog.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <iostream>
#include <memory>

namespace tallowby {

namespace {
bool SavePicture(QWidget& widget, const QString& path) {
    widget.show();
    QApplication::processEvents();
    bool saved = widget.grab().save(path, "PNG");
    widget.hide();
    if (!saved) std::cerr << "Cannot write " << path.toStdString() << '\n';
    return saved;
}
}  // namespace

bool GrabForms(const std::string& folder) {
    QDir dir(QString::fromStdString(folder));
    if (!dir.mkpath(QStringLiteral("."))) {
        std::cerr << "Cannot create " << folder << '\n';
        return false;
    }
    bool allSaved = true;
    CTallowbyDlg window;
    allSaved &= SavePicture(window, dir.filePath(QStringLiteral("CTallowbyDlg.png")));
    for (const FormEntry& entry : RegisteredForms()) {
        std::unique_ptr<FormDialog> form(entry.make());
        allSaved &= SavePicture(*form, dir.filePath(QString::fromStdString(entry.className) + QStringLiteral(".png")));
    }
    return allSaved;
}

}  // namespace tallowby
