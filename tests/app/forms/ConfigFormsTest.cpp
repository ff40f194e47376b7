// The Tool Path, Database Format and notice forms driven through their real controls.

#include "app/NoticeActions.h"
#include "app/SharedState.h"
#include "app/ToolPaths.h"
#include "app/forms/CDLGConfigDBFormat.h"
#include "app/forms/CDLGConfigPath.h"
#include "app/forms/CDLGErrCircConfig.h"
#include "support/QtApp.h"
#include "support/TestWorkspace.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <filesystem>

namespace tallowby::test {
namespace {

class FormTest : public WorkspaceTest {
protected:
    void SetUp() override {
        EnsureQtApplication();
        WorkspaceTest::SetUp();
    }
};

using ToolPathFormTest = FormTest;

bool CustomControlsEnabled(const CDLGConfigPath::ToolGroup& group) {
    return group.label->isEnabled() && group.edit->isEnabled() && group.open->isEnabled();
}

TEST_F(ToolPathFormTest, FirstOpeningShowsTheWorkspaceBlastFolderDisabled) {
    CDLGConfigPath form;
    EXPECT_EQ(form.windowTitle().toStdString(), "Tool Path");
    EXPECT_EQ(form.blast.edit->text().toStdString(), workspace + "blast_bin");
    EXPECT_EQ(Shared().blastBinPath, workspace + "blast_bin");
    EXPECT_TRUE(form.blast.modes[0]->isChecked());
    EXPECT_EQ(form.blast.modes[0]->text().toStdString(), "Default (blast_bin)");
    EXPECT_FALSE(form.blast.edit->isEnabled());
    EXPECT_FALSE(CustomControlsEnabled(form.r));
    EXPECT_FALSE(CustomControlsEnabled(form.circos));
    EXPECT_TRUE(form.r.edit->text().isEmpty());
}

TEST_F(ToolPathFormTest, RadiosEnableTheirGroupOnly) {
    CDLGConfigPath form;
    form.blast.modes[2]->click();
    EXPECT_TRUE(CustomControlsEnabled(form.blast));
    EXPECT_FALSE(CustomControlsEnabled(form.r));
    form.blast.modes[1]->click();
    EXPECT_FALSE(CustomControlsEnabled(form.blast));
    form.circos.modes[1]->click();
    EXPECT_TRUE(CustomControlsEnabled(form.circos));
}

TEST_F(ToolPathFormTest, OpenFillsTheEditAndApplySavesIt) {
    std::string folder = workspace + "Rbin";
    std::filesystem::create_directories(folder);
    CDLGConfigPath form;
    form.r.modes[1]->click();
    platform->folders.push_back(folder);
    form.r.open->click();
    EXPECT_EQ(form.r.edit->text().toStdString(), folder);
    form.applyButton->click();
    EXPECT_EQ(platform->MessageTexts(), std::vector<std::string>{"Saved!"});
    EXPECT_EQ(Shared().rPathMode, 1);
    EXPECT_EQ(Shared().rBinPath, folder);
    platform->Clear();
    form.applyButton->click();
    EXPECT_EQ(platform->MessageTexts(), std::vector<std::string>{"Not changed!"});
}

TEST_F(ToolPathFormTest, CancelledFolderBrowserChangesNothing) {
    CDLGConfigPath form;
    form.blast.modes[2]->click();
    form.blast.open->click();
    EXPECT_EQ(form.blast.edit->text().toStdString(), workspace + "blast_bin");
}

TEST_F(ToolPathFormTest, BlankInCustomBlastFolderIsRefusedWithoutSaved) {
    std::string folder = workspace + "my blast";
    std::filesystem::create_directories(folder);
    CDLGConfigPath form;
    form.blast.modes[2]->click();
    form.blast.edit->setText(QString::fromStdString(folder));
    form.applyButton->click();
    ASSERT_EQ(platform->messages.size(), 1u);
    EXPECT_EQ(platform->messages[0].text, "The blast path " + folder + " should not contain space.");
    EXPECT_EQ(platform->messages[0].kind, MessageKind::SettingsProblem);
}

TEST_F(ToolPathFormTest, ReopeningShowsWhatApplyStored) {
    std::string folder = workspace + "circos";
    std::filesystem::create_directories(folder);
    {
        CDLGConfigPath form;
        form.circos.modes[1]->click();
        form.circos.edit->setText(QString::fromStdString(folder));
        form.r.edit->setText(QStringLiteral("/not/applied"));
        form.r.modes[1]->click();
        form.r.modes[0]->click();
        form.applyButton->click();
        form.blast.edit->setText(QStringLiteral("/typed/after/apply"));
    }
    CDLGConfigPath reopened;
    EXPECT_TRUE(reopened.circos.modes[1]->isChecked());
    EXPECT_TRUE(CustomControlsEnabled(reopened.circos));
    EXPECT_EQ(reopened.circos.edit->text().toStdString(), folder);
    EXPECT_EQ(reopened.r.edit->text().toStdString(), "/not/applied");
    EXPECT_EQ(reopened.blast.edit->text().toStdString(), workspace + "blast_bin");
}

TEST_F(ToolPathFormTest, HelpListsWhatUsesEachTool) {
    CDLGConfigPath form;
    form.helpButton->click();
    ASSERT_EQ(platform->messages.size(), 1u);
    EXPECT_EQ(platform->messages[0].kind, MessageKind::Information);
    EXPECT_EQ(platform->messages[0].text,
              "Blast used:\nbuild -> blast index\nblast -> blast\ndraw -> query -> seq\n\n"
              "R used:\ndraw -> query -> site (type: circle)\nblast -> blast\ndraw -> query -> seq (draw "
              "circle/seq)\ntools -> custom circle struct\n\nCircos used:\ntools -> predicted tools view\n\n");
}

using DatabaseFormFormTest = FormTest;

TEST_F(DatabaseFormFormTest, ChangesApplyAtOnce) {
    Shared().databasePath = "/data/genome.fa";
    CDLGConfigDBFormat form;
    EXPECT_TRUE(form.sequenceButton->isChecked());
    EXPECT_TRUE(form.autoSiteCutBox->isChecked());
    EXPECT_TRUE(form.blastOverlapBox->isChecked());
    EXPECT_EQ(form.autoSiteCutBox->text().toStdString(), "Auto input site cut ( - ,  _ , ' ' , \\t , : )");

    form.chromSetButton->click();
    EXPECT_EQ(Shared().databaseFormat, 1);
    EXPECT_EQ(Shared().databaseLabel, "Database list");
    EXPECT_EQ(Shared().databasePath, "");

    Shared().databasePath = "/data/list.txt";
    form.chromSetButton->click();  // the button already chosen still empties the database
    EXPECT_EQ(Shared().databasePath, "");

    form.autoSiteCutBox->click();
    EXPECT_FALSE(Shared().autoSiteCut);
    form.blastOverlapBox->click();
    EXPECT_FALSE(Shared().blastOverlapAdjust);
    form.sequenceButton->click();
    EXPECT_EQ(Shared().databaseLabel, "Database(.fa)");
    EXPECT_TRUE(platform->messages.empty());

    CDLGConfigDBFormat reopened;
    EXPECT_TRUE(reopened.sequenceButton->isChecked());
    EXPECT_FALSE(reopened.autoSiteCutBox->isChecked());
    EXPECT_FALSE(reopened.blastOverlapBox->isChecked());
}

using NoticeFormTest = FormTest;

TEST_F(NoticeFormTest, OkRunsTheActionOfItsKindAndCancelDoesNot) {
    int runs = 0;
    RegisterNoticeAction("test_kind", [&runs] { ++runs; });
    Shared().noticeText = "Adjust the site?\nline two";
    Shared().noticeButtonText = "Adjust";
    Shared().noticeKind = "test_kind";
    {
        CDLGErrCircConfig form;
        EXPECT_EQ(form.windowTitle().toStdString(), "Tallowby-Message");
        EXPECT_EQ(form.textArea->toPlainText().toStdString(), "Adjust the site?\nline two");
        EXPECT_EQ(form.okButton->text().toStdString(), "Adjust");
        form.cancelButton->click();
        EXPECT_EQ(form.result(), QDialog::Rejected);
    }
    EXPECT_EQ(runs, 0);
    CDLGErrCircConfig form;
    form.okButton->click();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(runs, 1);
    RegisterNoticeAction("test_kind", nullptr);
}

}  // namespace
}  // namespace tallowby::test
