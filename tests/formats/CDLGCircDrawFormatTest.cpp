// The form "Circle draw format" driven through its real controls offscreen: what it writes into
// circ_format.txt, byte for byte, and the messages it shows.

#include "app/Workspace.h"
#include "formats/CircleFormat.h"
#include "formats/ColourNames.h"
#include "formats/forms/CDLGCircDrawFormat.h"
#include "formats/forms/ColourSwatchView.h"
#include "support/QtApp.h"
#include "support/TestWorkspace.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QElapsedTimer>

#include <filesystem>
#include <functional>

namespace tallowby::test {
namespace {

const char kDefaultFile[] = "Blue\n10_4\t5_5\nunclockwise\nshow_UTR\nno_gene_direction\n3D\n\n";

// Runs the event loop until the condition holds or the time is up.
bool WaitFor(const std::function<bool()>& condition, int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < milliseconds) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return condition();
}

class CircDrawFormatFormTest : public WorkspaceTest {
protected:
    static void SetUpTestSuite() { EnsureQtApplication(); }
    void SetUp() override {
        WorkspaceTest::SetUp();
        ResetCircleFormat();
        path = WorkspaceFile(kCircleFormatFile);
        WriteFile(path, kDefaultFile);
    }
    void TearDown() override {
        ResetCircleFormat();
        WorkspaceTest::TearDown();
    }
    std::string path;
};

TEST_F(CircDrawFormatFormTest, OpensOnTheStateSilentlyAndPaintsTheSwatchSoonAfter) {
    CDLGCircDrawFormat form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Circle draw format"));
    EXPECT_EQ(form.singleWidthList->currentText(), QStringLiteral("10"));
    EXPECT_EQ(form.siteWidthList->currentText(), QStringLiteral("5"));
    EXPECT_EQ(form.intervalList->currentText(), QStringLiteral("5"));
    EXPECT_EQ(form.siteWidthList->count(), 8);
    EXPECT_EQ(form.intervalList->count(), 11);
    EXPECT_EQ(form.colourList->count(), 11);
    EXPECT_EQ(form.colourList->currentText(), QStringLiteral("Blue"));
    EXPECT_TRUE(form.draw3DButton->isChecked());
    EXPECT_TRUE(form.anticlockwiseButton->isChecked());
    EXPECT_TRUE(form.showUtrBox->isChecked());
    EXPECT_FALSE(form.showDirectionBox->isChecked());
    EXPECT_TRUE(platform->messages.empty());
    EXPECT_EQ(ReadFile(path), kDefaultFile);

    EXPECT_TRUE(WaitFor([&] { return !form.swatch->Fills().empty(); }, 2000));
    EXPECT_EQ(form.swatch->Fills().size(), 66u);  // three groups, each with band and 20 gradient steps
}

TEST_F(CircDrawFormatFormTest, ApplyWritesEveryControlIntoTheFile) {
    CDLGCircDrawFormat form;
    form.siteWidthList->setEditText(QStringLiteral("7.5"));
    form.singleWidthList->setCurrentIndex(0);
    form.colourList->setCurrentIndex(3);
    form.draw2DButton->click();
    form.clockwiseButton->click();
    form.showUtrBox->click();
    form.showDirectionBox->click();
    form.applyButton->click();

    EXPECT_EQ(platform->MessageTexts(),
              (std::vector<std::string>{"You input a new Site with isoforms-Width value: 7.5.\nIt will be saved only for "
                                        "current and will be replaced when you open the window again.",
                                        "Saved!"}));
    EXPECT_EQ(platform->messages.back().kind, MessageKind::Information);
    EXPECT_EQ(ReadFile(path), "Red\n3_4\t7.5_5\nclockwise\nno_UTR\nshow_gene_direction\n2D\n\n");
    const CircleFormat& state = CircleFormatState();
    EXPECT_EQ(state.circleColourIndex, 3);
    EXPECT_EQ(state.singleWidthIndex, 0);
    EXPECT_EQ(state.siteWidthIndex, 2);  // a typed value keeps the last chosen item
    EXPECT_EQ(state.circleDraw2D, 1);
    EXPECT_EQ(state.circleClockwise, 1);
    EXPECT_EQ(state.circleShowUtr, 0);
    EXPECT_EQ(state.circleShowDirection, 1);
    EXPECT_FLOAT_EQ(state.circleSpaceFraction, 0.25f);

    platform->Clear();
    form.applyButton->click();
    EXPECT_EQ(platform->MessageTexts().back(), "Not changed!");

    // The next opening shows the stored items again and mirrors them into the file silently.
    platform->Clear();
    CDLGCircDrawFormat reopened;
    EXPECT_EQ(reopened.siteWidthList->currentText(), QStringLiteral("5"));
    EXPECT_TRUE(reopened.draw2DButton->isChecked());
    EXPECT_TRUE(platform->messages.empty());
    EXPECT_EQ(ReadFile(path), "Red\n3_4\t5_5\nclockwise\nno_UTR\nshow_gene_direction\n2D\n\n");
}

TEST_F(CircDrawFormatFormTest, RefusedTypedWidthWritesNothing) {
    CDLGCircDrawFormat form;
    form.clockwiseButton->click();
    form.siteWidthList->setEditText(QStringLiteral("12"));
    form.applyButton->click();
    EXPECT_EQ(platform->MessageTexts(),
              std::vector<std::string>{"The range of Site with isoforms-Width input is (0.0,10.0]."});
    EXPECT_EQ(platform->messages[0].kind, MessageKind::Notice);
    EXPECT_EQ(ReadFile(path), kDefaultFile);
    EXPECT_EQ(CircleFormatState().circleClockwise, 0);
}

TEST_F(CircDrawFormatFormTest, DefaultRestoresTheDefaultsAndSaysSoOnlyWhenSomethingChanged) {
    CDLGCircDrawFormat form;
    form.colourList->setCurrentIndex(6);
    form.intervalList->setCurrentIndex(0);
    form.showDirectionBox->click();
    form.applyButton->click();
    ASSERT_EQ(ReadFile(path), "Grey\n10_4\t5_0\nunclockwise\nshow_UTR\nshow_gene_direction\n3D\n\n");

    platform->Clear();
    form.defaultButton->click();
    EXPECT_EQ(platform->MessageTexts(), std::vector<std::string>{"Saved!"});
    EXPECT_EQ(ReadFile(path), kDefaultFile);
    EXPECT_EQ(form.colourList->currentText(), QStringLiteral("Blue"));
    EXPECT_EQ(form.intervalList->currentText(), QStringLiteral("5"));
    EXPECT_FALSE(form.showDirectionBox->isChecked());
    EXPECT_FLOAT_EQ(CircleFormatState().circleSpaceFraction, 0.2f);

    platform->Clear();
    form.defaultButton->click();
    EXPECT_TRUE(platform->messages.empty());
}

TEST_F(CircDrawFormatFormTest, DrawModeClickRepaintsTheSwatchFlat) {
    CDLGCircDrawFormat form;
    form.draw2DButton->click();
    EXPECT_EQ(CircleFormatState().circleDraw2D, 1);
    ASSERT_EQ(form.swatch->Fills().size(), 3u);
    EXPECT_EQ(form.swatch->Fills()[0].colour, (Rgb255{0, 0, 255}));
    form.colourList->setCurrentIndex(1);  // Green
    EXPECT_EQ(form.swatch->Fills()[0].colour, (Rgb255{0, 205, 0}));
    form.draw3DButton->click();
    EXPECT_EQ(form.swatch->Fills().size(), 66u);
    EXPECT_EQ(ReadFile(path), kDefaultFile);  // only Apply writes
}

TEST_F(CircDrawFormatFormTest, FailedWriteIsReportedInsteadOfSaved) {
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    CDLGCircDrawFormat form;  // the quiet save on opening reports it too
    ASSERT_EQ(platform->MessageTexts(), std::vector<std::string>{"Failed to write " + path + "."});
    platform->Clear();
    form.colourList->setCurrentIndex(2);
    form.applyButton->click();
    EXPECT_EQ(platform->MessageTexts(), std::vector<std::string>{"Failed to write " + path + "."});
    EXPECT_EQ(platform->messages[0].kind, MessageKind::Error);
    EXPECT_EQ(CircleFormatState().circleColourIndex, 0);
}

}  // namespace
}  // namespace tallowby::test
