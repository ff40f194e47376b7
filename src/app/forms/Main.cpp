// The GUI: start-up, then the main window until it closes.

#include "app/SharedState.h"
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
    QCommandLineOption annotationOption(QStringLiteral("annotation"),
                                        QStringLiteral("Start with FILE as the gene annotation file."),
                                        QStringLiteral("FILE"));
    QCommandLineOption typeOption(QStringLiteral("annotation-type"),
                                  QStringLiteral("Type of the annotation file: gff3 (the default), gtf or refFlat."),
                                  QStringLiteral("TYPE"));
    QCommandLineOption databaseOption(QStringLiteral("database"),
                                      QStringLiteral("Start with FILE as the reference genome (FASTA)."),
                                      QStringLiteral("FILE"));
    parser.addOptions({workspaceOption, grabOption, annotationOption, typeOption, databaseOption});
    parser.process(application);
    const QString type = parser.value(typeOption);
    if (parser.isSet(typeOption) && type != QStringLiteral("gff3") && type != QStringLiteral("gtf") &&
        type != QStringLiteral("refFlat")) {
        std::cerr << "tallowby: --annotation-type must be gff3, gtf or refFlat, not " << type.toStdString() << '\n';
        return 2;
    }

    // Paths on the command line are taken from where the user stands, before start-up moves into
    // the workspace.
    auto absolute = [](const QString& path) { return QDir(path).absolutePath().toStdString(); };
    StartOptions options;
    if (parser.isSet(workspaceOption)) options.workspace = absolute(parser.value(workspaceOption));
    std::string grabFolder = parser.isSet(grabOption) ? absolute(parser.value(grabOption)) : std::string();
    const std::string annotationPath = absolute(parser.value(annotationOption));
    const std::string databasePath = absolute(parser.value(databaseOption));

    // Forms pictured unattended must not wait on a message box.
    if (grabFolder.empty())
        InstallPlatform(std::make_unique<QtPlatform>());
    else
        InstallPlatform(std::make_unique<ConsolePlatform>());
    if (!StartWorkspace(options)) return 1;

    // Start values the user asked for; without options the shared state starts empty.
    if (parser.isSet(annotationOption)) Shared().annotationPath = annotationPath;
    if (parser.isSet(typeOption)) Shared().annotationType = type.toStdString();
    if (parser.isSet(databaseOption)) Shared().databasePath = databasePath;

    if (!grabFolder.empty()) return GrabForms(grabFolder) ? 0 : 1;

    CTallowbyDlg window;
    window.show();
    return QApplication::exec();
}
