// The site form and the isoform chooser driven through their real controls, down to the PDF that
// the real Rscript draws.

#include "app/SharedState.h"
#include "app/Workspace.h"
#include "app/forms/CDLGConfigDBFormat.h"
#include "app/forms/CTallowbyDlg.h"
#include "app/forms/FormCatalog.h"
#include "formats/CircleFormat.h"
#include "genome/AnnotationModel.h"
#include "site/SitePipeline.h"
#include "site/forms/CDLGDrawSite.h"
#include "site/forms/CDLGDrawSiteMulty.h"
#include "site/forms/CDLGSiteInfo.h"
#include "app/forms/CDLGErrCircConfig.h"
#include "genome/ReferenceStore.h"
#include "site/SiteDraw.h"
#include "site/SiteInfo.h"
#include "support/QtApp.h"
#include "support/TestWorkspace.h"

#include <QAction>
#include <QComboBox>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <filesystem>

namespace fs = std::filesystem;

namespace tallowby::test {
namespace {

const std::string kGtf = TALLOWBY_EXAMPLES "/CFLAR_HIPK3.gtf";
// A hand-made chromosome whose site [16, 26) has AG/GT one base to its right.
const std::string kChrT = TALLOWBY_TEST_DATA "/site_info/chrT";

class SiteFormTest : public WorkspaceTest {
protected:
    void SetUp() override {
        EnsureQtApplication();
        WorkspaceTest::SetUp();
        ResetSitePipeline();
        ResetAnnotationModel();
        ResetReferenceStore();
        ResetSiteInfo();
        ResetCircleFormat();
        StartOptions options;
        options.workspace = workspace;
        ASSERT_TRUE(StartWorkspace(options));  // scripts and settings, as the program has them
        platform->Clear();
    }
    void TypeSite(CDLGDrawSite& form, const char* chrom, const char* start, const char* end) {
        form.chromEdit->setText(QString::fromUtf8(chrom));
        form.startEdit->setText(QString::fromUtf8(start));
        form.endEdit->setText(QString::fromUtf8(end));
    }
    void UseExampleGtf(CDLGDrawSite& form) {
        form.annotationTypeList->setCurrentIndex(1);
        form.annotationEdit->setText(QString::fromStdString(kGtf));
    }
    // The next chooser run: the handler gets the real chooser form.
    void OnChooser(std::function<int(CDLGDrawSiteMulty&)> act) {
        platform->modalHandlers["CDLGDrawSiteMulty"].push_back([act](ModalForm& modal) {
            auto* chooser = dynamic_cast<CDLGDrawSiteMulty*>(&static_cast<DialogModal&>(modal).Dialog());
            EXPECT_NE(chooser, nullptr);
            return chooser ? act(*chooser) : 0;
        });
    }
};

TEST_F(SiteFormTest, OpensWithSharedStateAndEmptySite) {
    Shared().annotationType = "refFlat";
    Shared().annotationPath = "/data/genes.txt";
    Shared().databasePath = "/data/list.txt";
    Shared().databaseLabel = "Database list";
    CDLGDrawSite form;
    EXPECT_EQ(form.windowTitle().toStdString(), "Draw site");
    EXPECT_EQ(form.annotationTypeList->currentText().toStdString(), "refFlat");
    EXPECT_EQ(form.drawTypeList->currentText().toStdString(), "Circle");
    EXPECT_EQ(form.annotationEdit->text().toStdString(), "/data/genes.txt");
    EXPECT_EQ(form.databaseEdit->text().toStdString(), "/data/list.txt");
    EXPECT_EQ(form.databaseLabel->text().toStdString(), "Database list");
    EXPECT_TRUE(form.chromEdit->text().isEmpty());
    form.annotationTypeList->setCurrentIndex(1);
    EXPECT_EQ(Shared().annotationType, "gtf");
}

TEST_F(SiteFormTest, ControlsOfPicturesNotBuiltYetAreDisabled) {
    CDLGDrawSite form;
    auto* model = qobject_cast<QStandardItemModel*>(form.drawTypeList->model());
    ASSERT_NE(model, nullptr);
    const bool viewer = FindForm("CDLGOpenGLMessage") != nullptr;
    EXPECT_TRUE(model->item(0)->isEnabled());
    EXPECT_EQ(model->item(1)->isEnabled(), viewer);
    EXPECT_EQ(model->item(2)->isEnabled(), viewer);
    EXPECT_EQ(form.siteInfoButton->isEnabled(), FindForm("CDLGSiteInfo") != nullptr);
}

TEST_F(SiteFormTest, DatabaseFormatChosenBeforeShowsInTheSiteForm) {
    CTallowbyDlg window;
    platform->modalHandlers["CDLGConfigDBFormat"].push_back([](ModalForm& modal) {
        auto& format = dynamic_cast<CDLGConfigDBFormat&>(static_cast<DialogModal&>(modal).Dialog());
        format.chromSetButton->click();
        return 0;
    });
    std::string caption;
    platform->modalHandlers["CDLGDrawSite"].push_back([&caption](ModalForm& modal) {
        auto& site = dynamic_cast<CDLGDrawSite&>(static_cast<DialogModal&>(modal).Dialog());
        caption = site.databaseLabel->text().toStdString() + "|" + site.databaseEdit->text().toStdString();
        return 0;
    });
    Shared().databasePath = "/data/genome.fa";
    window.findChild<QAction*>(QStringLiteral("CDLGConfigDBFormat"))->trigger();
    window.findChild<QAction*>(QStringLiteral("CDLGDrawSite"))->trigger();
    EXPECT_EQ(caption, "Database list|");
}

TEST_F(SiteFormTest, PastedSiteIsCutWhileAutoCutIsOn) {
    CDLGDrawSite form;
    form.chromEdit->setText(QStringLiteral("chr1_100_200"));
    EXPECT_EQ(form.chromEdit->text().toStdString(), "chr1");
    EXPECT_EQ(form.startEdit->text().toStdString(), "100");
    EXPECT_EQ(form.endEdit->text().toStdString(), "200");
    Shared().autoSiteCut = false;
    form.chromEdit->setText(QStringLiteral("chr2_300_400"));
    EXPECT_EQ(form.chromEdit->text().toStdString(), "chr2_300_400");
    form.startEdit->setText(QStringLiteral("500-600"));  // the start field is split whatever the switch says
    EXPECT_EQ(form.startEdit->text().toStdString(), "500");
    EXPECT_EQ(form.endEdit->text().toStdString(), "600");
    form.cleanButton->click();
    EXPECT_TRUE(form.chromEdit->text().isEmpty());
    EXPECT_EQ(Site().siteStart, 0);
    EXPECT_EQ(Site().siteChrom, "");
}

TEST_F(SiteFormTest, DrawStopsAtTheFirstFailedCheck) {
    CDLGDrawSite form;
    TypeSite(form, "HIPK3", "300", "200");
    form.drawButton->click();
    EXPECT_EQ(platform->MessageTexts(),
              std::vector<std::string>{"The start site(300) should be smaller than the end site(200)."});
    platform->Clear();
    TypeSite(form, "HIPK3", "100", "200");
    form.annotationTypeList->setCurrentIndex(0);  // gff3, but the file is a .gtf
    form.annotationEdit->setText(QString::fromStdString(kGtf));
    form.drawButton->click();
    ASSERT_EQ(platform->messages.size(), 1u);
    EXPECT_EQ(platform->messages[0].title, "Tallowby-Error");
    EXPECT_TRUE(platform->modalForms.empty());
    EXPECT_EQ(form.statusLine->text().toStdString(), "");
}

TEST_F(SiteFormTest, ChooserListsHeadingAndInfo) {
    CDLGDrawSite form;
    TypeSite(form, "HIPK3", "29740", "71961");
    UseExampleGtf(form);
    platform->answers.push_back(true);  // the distance question
    OnChooser([](CDLGDrawSiteMulty& chooser) {
        EXPECT_EQ(chooser.heading->text().toStdString(),
                  "There are 3 isoforms on input site HIPK3:29740..71961. Any sets of isoforms could be drawn in the "
                  "order you like.");
        EXPECT_EQ(chooser.allList->count(), 3);
        EXPECT_EQ(chooser.drawList->count(), 3);
        EXPECT_EQ(chooser.allList->currentRow(), 0);
        EXPECT_TRUE(chooser.infoText->toPlainText().startsWith(QStringLiteral("( * means having intersection")));
        chooser.tabs->setCurrentIndex(2);
        EXPECT_TRUE(chooser.infoText->toPlainText().endsWith(QStringLiteral("CDS\t124\n\n")))
            << chooser.infoText->toPlainText().toStdString();
        return int(QDialog::Rejected);  // Cancel: nothing is drawn
    });
    form.drawButton->click();
    EXPECT_EQ(platform->modalForms, std::vector<std::string>{"CDLGDrawSiteMulty"});
    EXPECT_EQ(platform->statuses, (std::vector<std::string>{"reading annotation file...", ""}));
    EXPECT_TRUE(platform->programRuns.empty());
    EXPECT_EQ(platform->messages.size(), 1u);  // only the distance question
}

TEST_F(SiteFormTest, ChooserListOperations) {
    SitePipeline().drawOrder = {{"a", 1}, {"b", 1}, {"c", 1}};
    SitePipeline().structureByEntry = {{"a", "CDS\t1\n"}, {"b", "CDS\t1\n"}, {"c", "CDS\t1\n"}};
    CDLGDrawSiteMulty chooser;
    auto entries = [&chooser] { return chooser.DrawListEntries(); };
    chooser.upButton->click();  // nothing selected: nothing moves
    EXPECT_EQ(entries(), (std::vector<std::string>{"a", "b", "c"}));
    chooser.drawList->setCurrentRow(0);
    chooser.upButton->click();
    EXPECT_EQ(entries(), (std::vector<std::string>{"a", "b", "c"}));
    chooser.downButton->click();
    EXPECT_EQ(entries(), (std::vector<std::string>{"b", "a", "c"}));
    EXPECT_EQ(chooser.drawList->currentRow(), 1);
    chooser.drawList->setCurrentRow(2);
    chooser.downButton->click();
    EXPECT_EQ(entries(), (std::vector<std::string>{"b", "a", "c"}));
    chooser.deleteButton->click();
    EXPECT_EQ(entries(), (std::vector<std::string>{"b", "a"}));
    chooser.allList->setCurrentRow(2);
    chooser.addButton->click();  // a new entry lands at its sorted place
    EXPECT_EQ(entries(), (std::vector<std::string>{"b", "a", "c"}));
    chooser.allList->setCurrentRow(0);
    chooser.addButton->click();  // already there: only selected
    EXPECT_EQ(entries(), (std::vector<std::string>{"b", "a", "c"}));
    EXPECT_EQ(chooser.drawList->currentItem()->text().toStdString(), "a");
    chooser.delAllButton->click();
    chooser.okButton->click();
    EXPECT_EQ(platform->MessageTexts(), std::vector<std::string>{"Please choose at least one isoform"});
    EXPECT_EQ(chooser.result(), 0);
    chooser.allList->setCurrentRow(1);
    chooser.addButton->click();
    chooser.okButton->click();
    EXPECT_EQ(chooser.result(), QDialog::Accepted);
    EXPECT_EQ(SitePipeline().drawOrder, (std::map<std::string, int>{{"a", -1}, {"b", 0}, {"c", -1}}));
}

TEST_F(SiteFormTest, SingleAndNoGeneHeadings) {
    Site() = CurrentSite{"chrX", "5", "9", 5, 9};
    SitePipeline().drawOrder = {{"only", 1}};
    {
        CDLGDrawSiteMulty chooser;
        EXPECT_EQ(chooser.heading->text().toStdString(), "There is a kind of struct on input site chrX:5..9.");
    }
    SitePipeline().drawOrder.clear();
    CDLGDrawSiteMulty chooser;
    chooser.show();
    EXPECT_EQ(chooser.heading->text().toStdString(), "There is no gene on input site chrX:5..9.");
    for (QWidget* hidden : std::initializer_list<QWidget*>{chooser.allList, chooser.drawList, chooser.addButton,
                                                           chooser.upButton, chooser.downButton, chooser.deleteButton,
                                                           chooser.delAllButton, chooser.infoText, chooser.tabs,
                                                           chooser.allLabel, chooser.drawLabel, chooser.formatLabel})
        EXPECT_FALSE(hidden->isVisible());
    EXPECT_TRUE(chooser.okButton->isVisible());
    EXPECT_TRUE(chooser.cancelButton->isVisible());
    EXPECT_TRUE(chooser.circleButton->isVisible());
}

TEST_F(SiteFormTest, DrawMakesTheCirclePdfWithTheRealRscript) {
    CDLGDrawSite form;
    TypeSite(form, "HIPK3", "29740", "30839");
    UseExampleGtf(form);
    OnChooser([](CDLGDrawSiteMulty& chooser) {
        EXPECT_EQ(chooser.allList->count(), 2);
        chooser.drawList->setCurrentRow(1);
        chooser.upButton->click();
        chooser.okButton->click();
        return chooser.result();
    });
    form.drawButton->click();
    std::string folder = workspace + "output/R_result/HIPK3_29740_30839/";
    EXPECT_EQ(ReadFile(folder + "info.txt"),
              "2\nHIPK3_ENST00000531504\tHIPK3_ENST00000525975&HIPK3_ENST00000303296&HIPK3_ENST00000379016&"
              "HIPK3_ENST00000456517\nHIPK3_29740_30839\n+\n");
    EXPECT_EQ(ReadFile(folder + "HIPK3_ENST00000531504"), "UTR\t2\nCDS\t229\nintergenic\t868\n\n");
    ASSERT_EQ(platform->programRuns.size(), 1u);
    const std::vector<std::string>& run = platform->programRuns[0];
    EXPECT_EQ(run, (std::vector<std::string>{"Rscript", workspace + "R_script/Scripts/3D.R", folder.substr(0, folder.size() - 1),
                                             workspace + "R_script/Setting/circ_format.txt", folder + "circle.pdf"}));
    EXPECT_EQ(platform->opened, std::vector<std::string>{folder + "circle.pdf"});
    EXPECT_TRUE(platform->messages.empty()) << platform->MessageTexts().front();
    CommandOutput info = RunShell("pdfinfo " + ShellQuote(folder + "circle.pdf"));
    EXPECT_EQ(info.status, 0) << info.err;
    EXPECT_NE(info.out.find("Pages:           1\n"), std::string::npos) << info.out;
}

TEST_F(SiteFormTest, TooManyCirclesOfferTheFormatForm) {
    CDLGDrawSite form;
    TypeSite(form, "CFLAR", "29273", "33731");
    UseExampleGtf(form);
    OnChooser([](CDLGDrawSiteMulty& chooser) {
        chooser.okButton->click();  // all 22 circles
        return chooser.result();
    });
    bool formatOpened = false;
    platform->modalHandlers["CDLGCircDrawFormat"].push_back([&formatOpened](ModalForm&) {
        formatOpened = true;
        return 0;
    });
    platform->answers.push_back(true);
    form.drawButton->click();
    ASSERT_EQ(platform->messages.size(), 1u);
    EXPECT_EQ(platform->messages[0].kind, MessageKind::Question);
    EXPECT_EQ(platform->messages[0].text.rfind("There are 22 iosforms, the sum of width and interval", 0), 0u);
    EXPECT_TRUE(formatOpened);
    EXPECT_TRUE(platform->programRuns.empty());
    EXPECT_FALSE(fs::exists(workspace + "output/R_result/CFLAR_29273_33731/info.txt"));
}

TEST_F(SiteFormTest, FailingRscriptIsReportedAndNothingOpens) {
    WriteFile(workspace + "R_script/Scripts/3D.R", "quit(status = 3)\n");
    CDLGDrawSite form;
    TypeSite(form, "HIPK3", "29740", "30839");
    UseExampleGtf(form);
    OnChooser([](CDLGDrawSiteMulty& chooser) {
        chooser.okButton->click();
        return chooser.result();
    });
    form.drawButton->click();
    ASSERT_EQ(platform->messages.size(), 1u);
    std::string folder = workspace + "output/R_result/HIPK3_29740_30839";
    EXPECT_EQ(platform->messages[0].text,
              "Failed when running\nRscript  \"" + workspace + "R_script/Scripts/3D.R\"  \"" + folder + "\"  \"" +
                  workspace + "R_script/Setting/circ_format.txt\"  \"" + folder + "/circle.pdf\".");
    EXPECT_TRUE(platform->opened.empty());
}

TEST_F(SiteFormTest, AcceptingTheSiteInfoOfferMovesTheSiteInBothForms) {
    CDLGDrawSite form;
    ASSERT_TRUE(form.siteInfoButton->isEnabled());
    TypeSite(form, "chrT", "16", "26");
    form.annotationTypeList->setCurrentIndex(1);
    form.annotationEdit->setText(QString::fromStdString(kChrT + ".gtf"));
    form.databaseEdit->setText(QString::fromStdString(kChrT + ".fa"));
    std::string before, after, noticeButton;
    platform->modalHandlers["CDLGErrCircConfig"].push_back([&noticeButton](ModalForm& modal) {
        auto& notice = dynamic_cast<CDLGErrCircConfig&>(static_cast<DialogModal&>(modal).Dialog());
        noticeButton = notice.okButton->text().toStdString();
        notice.okButton->click();
        return notice.result();
    });
    platform->modalHandlers["CDLGSiteInfo"].push_back([&](ModalForm& modal) {
        auto& info = dynamic_cast<CDLGSiteInfo&>(static_cast<DialogModal&>(modal).Dialog());
        before = info.inputSiteLabel->text().toStdString();
        info.searchButton->click();
        after = info.inputSiteLabel->text().toStdString();
        return 0;
    });
    form.siteInfoButton->click();
    EXPECT_EQ(before, "Input site: chrT:16..26");
    EXPECT_EQ(noticeButton, "Adjust");
    EXPECT_EQ(after, "Input site: chrT:17..27");
    EXPECT_EQ(form.startEdit->text().toStdString(), "17");
    EXPECT_EQ(form.endEdit->text().toStdString(), "27");
    EXPECT_EQ(Site().siteStart, 17);
    EXPECT_TRUE(platform->messages.empty());
}

TEST_F(SiteFormTest, CancelledOfferKeepsTheSite) {
    Shared().annotationType = "gtf";
    Shared().annotationPath = kChrT + ".gtf";
    Shared().databasePath = kChrT + ".fa";
    StoreSiteFields("chrT", "16", "26");
    platform->modalHandlers["CDLGErrCircConfig"].push_back([](ModalForm& modal) {
        auto& notice = dynamic_cast<CDLGErrCircConfig&>(static_cast<DialogModal&>(modal).Dialog());
        notice.cancelButton->click();
        return notice.result();
    });
    CDLGSiteInfo info;
    info.searchButton->click();
    EXPECT_EQ(platform->modalForms, std::vector<std::string>{"CDLGErrCircConfig"});
    EXPECT_EQ(Site().siteStart, 16);
    EXPECT_EQ(info.inputSiteLabel->text().toStdString(), "Input site: chrT:16..26");
}

}  // namespace
}  // namespace tallowby::test
