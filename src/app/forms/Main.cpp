// The GUI: start-up, then the main window until it closes.

#include "app/Workspace.h"
#include "app/forms/CTallowbyDlg.h"
#include "app/forms/FormDialog.h"
#include "app/forms/FormGrabber.h"
#include "platform/ConsolePlatform.h"
#include "platform/qt/QtPlatform.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <iostream>

using namespace tallowby;

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallowby"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    QApplication::setWindowIcon(ProgramIcon());

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Tallowby, a workbench for circular RNA research"));
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption workspaceOption(QStringLiteral("workspace"),
                                       QStringLiteral("Use DIR as the workspace instead of the program's folder."),
                                       QStringLiteral("DIR"));
    QCommandLineOption grabOption(QStringLiteral("grab-forms"),
                                  QStringLiteral("Save a picture of every form into DIR, then exit."),
                                  QStringLiteral("DIR"));
    parser.addOption(workspaceOption);
    parser.addOption(grabOption);
    parser.process(application);

    // Paths on the command line are taken from where the user stands, before start-up moves into
    // the workspace.
    auto absolute = [](const QString& path) { return QDir(path).absolutePath().toStdString(); };
    StartOptions options;
    if (parser.isSet(workspaceOption)) options.workspace = absolute(parser.value(workspaceOption));
    std::string grabFolder = parser.isSet(grabOption) ? absolute(parser.value(grabOption)) : std::string();

    // Forms pictured unattended must not wait on a message box.
    if (grabFolder.empty())
        InstallPlatform(std::make_unique<QtPlatform>());
    else
        InstallPlatform(std::make_unique<ConsolePlatform>());
    if (!StartWorkspace(options)) return 1;

    if (!grabFolder.empty()) return GrabForms(grabFolder) ? 0 : 1;

    CTallowbyDlg window;
    window.show();
    return QApplication::exec();
}
