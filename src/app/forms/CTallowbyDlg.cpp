#include "app/forms/CTallowbyDlg.h"

#include "app/ViewerLoops.h"
#include "app/forms/FormCatalog.h"
#include "app/forms/FormDialog.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMenuBar>

namespace tallowby {

namespace {
const MenuCommand kMenuCommands[] = {
    {"build/blast index", "CDLGIndex"},
    {"draw/query/site", "CDLGDrawSite"},
    {"draw/query/seq", "CDLGDrawSeq"},
    {"draw/-", nullptr},
    {"draw/format/circle struct", "CDLGCircDrawFormat"},
    {"draw/format/linear struct", "CDLGLinerDrawFormat"},
    {"draw/format/sequence", "CDLGSeqDrawFormat"},
    {"blast/blast", "CDLGBlast"},
    {"tools/chrom length", "CDLGToolsChromLen"},
    {"tools/expression level", "CDLGToolsExpress"},
    {"tools/predict tools view", "CDLGToolsDistribution"},
    {"tools/custom circle struct", "CDLGToolsCustomCircStruct"},
    {"config/path", "CDLGConfigPath"},
    {"config/DB format", "CDLGConfigDBFormat"},
    {"help/about", "CDLGAbout"},
};
}  // namespace

std::span<const MenuCommand> MenuCommands() { return kMenuCommands; }

CTallowbyDlg::CTallowbyDlg(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("CTallowbyDlg"));
    setWindowTitle(QStringLiteral("Tallowby"));
    setWindowIcon(ProgramIcon());
    setCentralWidget(new QWidget);
    BuildMenu();
    resize(480, 325);
}

QMenu* CTallowbyDlg::MenuAt(const QStringList& path) {
    QMenu* menu = nullptr;
    for (const QString& name : path) {
        const QList<QAction*> actions = menu ? menu->actions() : menuBar()->actions();
        QMenu* found = nullptr;
        for (QAction* action : actions)
            if (action->menu() && action->text() == name) found = action->menu();
        if (!found) found = menu ? menu->addMenu(name) : menuBar()->addMenu(name);
        menu = found;
    }
    return menu;
}

void CTallowbyDlg::BuildMenu() {
    for (const MenuCommand& command : MenuCommands()) {
        QStringList path = QString::fromUtf8(command.path).split(QLatin1Char('/'));
        QString label = path.takeLast();
        QMenu* menu = MenuAt(path);
        if (!command.formClass) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(label);
        action->setObjectName(QString::fromUtf8(command.formClass));
        std::string formClass = command.formClass;
        action->setEnabled(FindForm(formClass) != nullptr);
        connect(action, &QAction::triggered, this, [formClass] { OpenForm(formClass); });
    }
}

void CTallowbyDlg::OpenForm(const std::string& formClass) { RunRegisteredForm(formClass); }

void CTallowbyDlg::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.addSeparator();
    QAction* about = menu.addAction(QStringLiteral("关于 Tallowby(&A)..."));
    connect(about, &QAction::triggered, this, [] { OpenForm("CAboutDlg"); });
    menu.exec(event->globalPos());
}

void CTallowbyDlg::closeEvent(QCloseEvent* event) {
    LeaveViewerLoops();
    event->accept();
}

}  // namespace tallowby
