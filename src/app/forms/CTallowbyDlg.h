#pragma once
// The main window: an empty client area under the command menu. Each command opens its form
// modally; a command whose form does not exist yet is shown disabled.

#include <QMainWindow>
#include <span>
#include <string>

class QMenu;

namespace tallowby {

struct MenuCommand {
    const char* path;       // "draw/query/site"
    const char* formClass;  // "CDLGDrawSite"
};

// The menu bar in order; an entry without a form class is a separator ("draw/-").
std::span<const MenuCommand> MenuCommands();

class CTallowbyDlg : public QMainWindow {
public:
    explicit CTallowbyDlg(QWidget* parent = nullptr);

    // Opens a registered form modally and destroys it afterwards.
    static void OpenForm(const std::string& formClass);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QMenu* MenuAt(const QStringList& path);
    void BuildMenu();
};

}  // namespace tallowby
