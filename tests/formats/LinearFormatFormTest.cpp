// The form "Linear draw format" driven through its real controls offscreen.

#include "formats/LinearFormat.h"
#include "formats/ViewerColours.h"
#include "formats/forms/CDLGLinerDrawFormat.h"
#include "formats/forms/ColourSwatchView.h"
#include "support/QtApp.h"
#include "support/TestWorkspace.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <gtest/gtest.h>

namespace tallowby::test {
namespace {

class LinearFormatFormTest : public WorkspaceTest {
protected:
    static void SetUpTestSuite() { EnsureQtApplication(); }
    void SetUp() override {
        WorkspaceTest::SetUp();
        ResetLinearFormat();
        ResetColourTables();
    }
    void TearDown() override {
        ResetLinearFormat();
        ResetColourTables();
        WorkspaceTest::TearDown();
    }
    static std::vector<float> FlatRedCds() {
        SetGeneColours(true, "red");
        return GeneColours()[kGeneCds];
    }
};

TEST_F(LinearFormatFormTest, OpensOnTheWorkingValuesAndRebuildsTheGeneColours) {
    CDLGLinerDrawFormat form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Linear draw format"));
    ASSERT_EQ(form.geneColourList->count(), 7);
    EXPECT_EQ(form.geneColourList->itemText(1), QStringLiteral("green & blue"));
    EXPECT_FALSE(form.geneColourList->isEditable());
    EXPECT_EQ(form.geneColourList->currentText(), QStringLiteral("blue"));
    EXPECT_FALSE(form.singleColourBox->isChecked());
    EXPECT_TRUE(form.geneDirectionBox->isChecked());
    EXPECT_TRUE(form.geneNameBox->isChecked());
    EXPECT_FALSE(form.backgroundLinesBox->isChecked());
    EXPECT_FALSE(form.coordinateAxisBox->isChecked());
    ASSERT_EQ(GeneColours().size(), 5u);
    EXPECT_FLOAT_EQ(GeneColours()[kGeneCds][0], 0.08f);  // the shaded blue scheme

    // The first preview comes from a timer once the form has its size.
    QElapsedTimer clock;
    clock.start();
    while (form.preview->Fills().empty() && clock.elapsed() < 2000) QCoreApplication::processEvents();
    ASSERT_EQ(form.preview->Fills().size(), 50u);
    EXPECT_EQ(form.preview->Fills()[0].colour, (Rgb255{2, 20, 114}));
    EXPECT_TRUE(platform->messages.empty());
}

TEST_F(LinearFormatFormTest, RedInSingleColourPreviewsFlatAndApplies) {
    CDLGLinerDrawFormat form;
    form.geneColourList->setCurrentIndex(4);
    ASSERT_EQ(form.preview->Fills().size(), 50u);
    form.singleColourBox->click();
    ASSERT_EQ(form.preview->Fills().size(), 1u);
    EXPECT_EQ(form.preview->Fills()[0].colour, (Rgb255{196, 46, 60}));
    form.applyButton->click();
    EXPECT_EQ(platform->MessageTexts(), std::vector<std::string>{"Saved!"});
    EXPECT_EQ(LinearFormatState().singleColour, 1);
    EXPECT_EQ(form.referenceColourIndex, 4);
    EXPECT_EQ(GeneColours()[kGeneCds], FlatRedCds());
}

TEST_F(LinearFormatFormTest, SwitchesReachTheViewerOnlyThroughApply) {
    {
        CDLGLinerDrawFormat form;
        form.coordinateAxisBox->click();
        form.backgroundLinesBox->click();
        form.geneColourList->setCurrentIndex(4);  // a list change reads every control
        EXPECT_EQ(LinearFormatState().showCoordinateAxis, 0);
        EXPECT_EQ(LinearFormatState().showBackgroundLines, 0);
        EXPECT_EQ(LinearFormatState().working.coordinateAxis, 1);
    }  // closed without Apply: the applied values stay
    EXPECT_EQ(LinearFormatState().showCoordinateAxis, 0);

    // The next opening shows the working values and already rebuilds the colours from them.
    ResetColourTables();
    CDLGLinerDrawFormat form;
    EXPECT_TRUE(form.coordinateAxisBox->isChecked());
    EXPECT_EQ(form.geneColourList->currentText(), QStringLiteral("red"));
    ASSERT_EQ(GeneColours().size(), 5u);
    EXPECT_FLOAT_EQ(GeneColours()[kGeneCds][0], 0.8f);
    EXPECT_EQ(form.referenceColourIndex, 4);
    form.applyButton->click();
    EXPECT_EQ(platform->MessageTexts(), std::vector<std::string>{"Saved!"});
    EXPECT_EQ(LinearFormatState().showCoordinateAxis, 1);
    EXPECT_EQ(LinearFormatState().showBackgroundLines, 1);
}

TEST_F(LinearFormatFormTest, ApplyWithoutChangesSaysSoAndStillRebuildsTheColours) {
    CDLGLinerDrawFormat form;
    GeneColours().clear();
    form.applyButton->click();
    EXPECT_EQ(platform->MessageTexts(), std::vector<std::string>{"Not changed!"});
    ASSERT_EQ(GeneColours().size(), 5u);
    EXPECT_FLOAT_EQ(GeneColours()[kGeneCds][0], 0.08f);
}

}  // namespace
}  // namespace tallowby::test
