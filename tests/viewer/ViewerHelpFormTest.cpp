// The viewer help form offscreen, and the calls the site form makes for its linear draw types.

#include "ViewerTestSupport.h"

#include "app/forms/FormCatalog.h"
#include "app/forms/FormDialog.h"
#include "app/SharedState.h"
#include "genome/ReferenceStore.h"
#include "support/QtApp.h"
#include "viewer/ViewerLaunch.h"
#include "viewer/ViewerScene.h"
#include "viewer/ViewerWindow.h"
#include "viewer/forms/CDLGOpenGLMessage.h"

#include <GL/freeglut.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace tallowby::test {
namespace {

class ViewerHelpTest : public ViewerTest {
protected:
    static void SetUpTestSuite() { EnsureQtApplication(); }

    // Answers the help form like a user: ticks "Not show again" or not, then OK.
    void QueueHelpAnswer(bool notShowAgain) {
        platform->modalHandlers["CDLGOpenGLMessage"].push_back([notShowAgain](ModalForm& form) {
            auto& help = dynamic_cast<CDLGOpenGLMessage&>(static_cast<DialogModal&>(form).Dialog());
            if (help.notShowAgainBox->isChecked() != notShowAgain) help.notShowAgainBox->click();
            help.okButton->click();
            return help.result();
        });
    }
    int windowsOpened = 0;
    void CloseNextViewer() {
        RunWhenViewerShown([this](int window) {
            ++windowsOpened;
            CloseViewerWindow(window);
        });
    }
};

TEST_F(ViewerHelpTest, TellsTheKeysAndIsRegistered) {
    CDLGOpenGLMessage help;
    EXPECT_EQ(help.windowTitle(), QStringLiteral("Tallowby-Message"));
    EXPECT_EQ(help.helpText->text(), QStringLiteral("Press keyboard 's' to save the image, '\u2191' and '\u2193' to "
                                                    "enlarge and shrink, '\u2190' and '\u2192' to move to left and right."));
    EXPECT_EQ(help.helpText->font().pointSize(), 9);
    EXPECT_EQ(help.notShowAgainBox->text(), QStringLiteral("Not show again"));
    EXPECT_FALSE(help.notShowAgainBox->isChecked());
    EXPECT_NE(FindForm("CDLGOpenGLMessage"), nullptr);  // the site form offers its linear draw types
}

TEST_F(ViewerHelpTest, NotShowAgainKeepsTheHelpAwayForTheRestOfTheRun) {
    QueueHelpAnswer(false);
    CloseNextViewer();
    EXPECT_TRUE(ShowViewerHelpThenOpenStructure());
    EXPECT_EQ(Scene().viewerHelpSuppressed, 0);

    QueueHelpAnswer(true);
    CloseNextViewer();
    EXPECT_TRUE(ShowViewerHelpThenOpenStructure());
    EXPECT_EQ(Scene().viewerHelpSuppressed, 1);

    CloseNextViewer();
    EXPECT_TRUE(ShowViewerHelpThenOpenStructure());
    EXPECT_EQ(platform->modalForms, (std::vector<std::string>{"CDLGOpenGLMessage", "CDLGOpenGLMessage"}));
    EXPECT_EQ(windowsOpened, 3);
    // Run directly, the form closes itself unseen.
    CDLGOpenGLMessage help;
    EXPECT_EQ(help.exec(), QDialog::Accepted);
    EXPECT_FALSE(help.isVisible());
}

TEST_F(ViewerHelpTest, LinearPosShowsTheHelpThenTheSiteOnItsChromosome) {
    Shared().databasePath = workspace + "genome.fa";
    Reference().chromLengthIndex[{Shared().databasePath, "chrT"}] = 20000;
    QueueHelpAnswer(false);
    std::string title;
    RunWhenViewerShown([&](int window) {
        title = glutGet(GLUT_WINDOW_WIDTH) == 680 ? "680 wide" : "wrong width";
        CloseViewerWindow(window);
    });
    EXPECT_TRUE(ShowViewerHelpThenOpenPosition());
    EXPECT_EQ(platform->modalForms, std::vector<std::string>{"CDLGOpenGLMessage"});
    EXPECT_EQ(title, "680 wide");
}

}  // namespace
}  // namespace tallowby::test
