// The main window's menu and the forms it opens, run modally through the platform.

#include "app/SharedState.h"
#include "app/ViewerLoops.h"
#include "app/forms/CDLGConfigPath.h"
#include "app/forms/CTallowbyDlg.h"
#include "app/forms/FormCatalog.h"
#include "support/QtApp.h"
#include "support/TestWorkspace.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

namespace tallowby::test {
namespace {

class MainWindowTest : public WorkspaceTest {
protected:
    void SetUp() override {
        EnsureQtApplication();
        WorkspaceTest::SetUp();
    }
};

// "build/blast index" style paths of every menu entry, with "-" for separators.
void CollectMenu(QMenu* menu, const QString& prefix, QStringList& entries) {
    for (QAction* action : menu->actions()) {
        if (action->isSeparator())
            entries << prefix + QStringLiteral("-");
        else if (action->menu())
            CollectMenu(action->menu(), prefix + action->text() + QStringLiteral("/"), entries);
        else
            entries << prefix + action->text();
    }
}

TEST_F(MainWindowTest, MenuBarAsTabled) {
    CTallowbyDlg window;
    EXPECT_EQ(window.windowTitle().toStdString(), "Tallowby");
    QStringList entries;
    for (QAction* top : window.menuBar()->actions()) CollectMenu(top->menu(), top->text() + QStringLiteral("/"), entries);
    QStringList expected;
    for (const MenuCommand& command : MenuCommands()) expected << QString::fromUtf8(command.path);
    EXPECT_EQ(entries.join(QLatin1Char('|')).toStdString(), expected.join(QLatin1Char('|')).toStdString());
    QStringList tops;
    for (QAction* top : window.menuBar()->actions()) tops << top->text();
    EXPECT_EQ(tops.join(QLatin1Char(' ')).toStdString(), "build draw blast tools config help");
}

TEST_F(MainWindowTest, OnlyCommandsWithAFormAreEnabled) {
    CTallowbyDlg window;
    for (const MenuCommand& command : MenuCommands()) {
        if (!command.formClass) continue;
        auto* action = window.findChild<QAction*>(QString::fromUtf8(command.formClass));
        ASSERT_NE(action, nullptr) << command.path;
        EXPECT_EQ(action->isEnabled(), FindForm(command.formClass) != nullptr) << command.path;
    }
    for (const char* existing : {"CDLGConfigPath", "CDLGConfigDBFormat", "CDLGAbout"})
        EXPECT_TRUE(window.findChild<QAction*>(QString::fromUtf8(existing))->isEnabled()) << existing;
}

TEST_F(MainWindowTest, CommandRunsItsFormModallyAndATestActsInsideNestedBoxes) {
    CTallowbyDlg window;
    bool handled = false;
    platform->modalHandlers["CDLGConfigPath"].push_back([&](ModalForm& modal) {
        auto* form = dynamic_cast<CDLGConfigPath*>(&static_cast<DialogModal&>(modal).Dialog());
        EXPECT_NE(form, nullptr);
        form->blast.modes[1]->click();
        form->applyButton->click();
        handled = true;
        return int(QDialog::Accepted);
    });
    window.findChild<QAction*>(QStringLiteral("CDLGConfigPath"))->trigger();
    EXPECT_TRUE(handled);
    EXPECT_EQ(platform->modalForms, std::vector<std::string>{"CDLGConfigPath"});
    EXPECT_EQ(platform->MessageTexts(), std::vector<std::string>{"Saved!"});
    EXPECT_EQ(Shared().blastPathMode, 1);
}

TEST_F(MainWindowTest, AboutFormsShowTheVersionText) {
    for (const char* about : {"CAboutDlg", "CDLGAbout"}) {
        const FormEntry* entry = FindForm(about);
        ASSERT_NE(entry, nullptr);
        std::unique_ptr<FormDialog> form(entry->make());
        EXPECT_EQ(form->windowTitle().toStdString(), "About Tallowby");
        EXPECT_EQ(form->findChild<QLabel*>(QStringLiteral("aboutText"))->text().toStdString(),
                  "Tallowby，version 1.0 ");
    }
}

TEST_F(MainWindowTest, ClosingLeavesTheViewerLoopsFirst) {
    int leaves = 0;
    SetViewerLoopLeaver([&leaves] { ++leaves; });
    {
        CTallowbyDlg window;
        window.show();
        window.close();
    }
    SetViewerLoopLeaver(nullptr);
    EXPECT_EQ(leaves, 1);
}

}  // namespace
}  // namespace tallowby::test
