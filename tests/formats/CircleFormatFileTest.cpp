// Reading the width lists (items or typed values) and mirroring the circle format into
// circ_format.txt: exact texts, what a refusal leaves alone, and a write that fails.

#include "app/Workspace.h"
#include "formats/CircleFormatFile.h"
#include "formats/TypedValueCheck.h"
#include "support/TestWorkspace.h"

#include <filesystem>

namespace tallowby::test {
namespace {

const char kDefaultFile[] = "Blue\n10_4\t5_5\nunclockwise\nshow_UTR\nno_gene_direction\n3D\n\n";

class CircleFormatFileTest : public WorkspaceTest {
protected:
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

struct TypedCase {
    const char* list;  // "single", "site" or "interval"
    const char* text;
    bool accepted;
    const char* message;
};

class TypedWidthCases : public CircleFormatFileTest, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(TypedWidthCases, ShowOneNoticeAndStoreOnlyAcceptedValues) {
    const TypedCase& c = GetParam();
    CircleFormatChoice choice = ChoiceFromState(CircleFormatState());
    WidthListEntry typed{-1, c.text};
    std::string list = c.list;
    (list == "single" ? choice.lists.singleWidth : list == "site" ? choice.lists.siteWidth : choice.lists.interval) =
        typed;

    CircleSaveOutcome outcome = SaveCircleFormat(choice, CircleSaveMode::Apply);

    ASSERT_FALSE(platform->messages.empty());
    EXPECT_EQ(platform->messages[0].text, c.message);
    EXPECT_EQ(platform->messages[0].kind, MessageKind::Notice);
    EXPECT_EQ(platform->messages[0].title, "Tallowby-Message");
    if (c.accepted) {
        EXPECT_EQ(outcome, CircleSaveOutcome::Written);
        EXPECT_EQ(platform->MessageTexts().back(), "Saved!");
    } else {
        EXPECT_EQ(outcome, CircleSaveOutcome::Refused);
        EXPECT_EQ(platform->messages.size(), 1u);
        EXPECT_EQ(ReadFile(path), kDefaultFile);
        EXPECT_FLOAT_EQ(CircleFormatState().circleSpaceFraction, 0.2f);
    }
}

std::string Accepted(const char* label, const char* text) {
    return std::string("You input a new ") + label + " value: " + text +
           ".\nIt will be saved only for current and will be replaced when you open the window again.";
}

const std::string kAccepted75 = Accepted("Site with isoforms-Width", "7.5");
const std::string kAcceptedPlus5 = Accepted("Site with isoforms-Width", "+5");
const std::string kAcceptedInterval0 = Accepted("Site with isoforms-Interval", "0.0");
const std::string kAcceptedSingle20 = Accepted("Single circle-Width", "20");

INSTANTIATE_TEST_SUITE_P(
    Texts, TypedWidthCases,
    ::testing::Values(
        TypedCase{"site", "7.5", true, kAccepted75.c_str()},
        TypedCase{"site", "+5", true, kAcceptedPlus5.c_str()},
        TypedCase{"interval", "0.0", true, kAcceptedInterval0.c_str()},
        TypedCase{"single", "20", true, kAcceptedSingle20.c_str()},
        TypedCase{"site", "12", false, "The range of Site with isoforms-Width input is (0.0,10.0]."},
        TypedCase{"site", "0", false, "The range of Site with isoforms-Width input is (0.0,10.0]."},
        TypedCase{"single", "20.5", false, "The range of Single circle-Width input is (0.0,20.0]."},
        TypedCase{"interval", "10.01", false, "The range of Site with isoforms-Interval input is [0.0,10.0]."},
        TypedCase{"site", "1.2.3", false, "Please check your Site with isoforms-Width input."},
        TypedCase{"site", "5a", false, "Please check your Site with isoforms-Width input."},
        TypedCase{"site", "-3", false, "Please check your Site with isoforms-Width input."},
        TypedCase{"interval", "5+", false, "Please check your Site with isoforms-Interval input."},
        // A text without digits would write a line R cannot read.
        TypedCase{"interval", "", false, "Please check your Site with isoforms-Interval input."},
        TypedCase{"single", "+", false, "Please check your Single circle-Width input."}));

TEST_F(CircleFormatFileTest, TypedValuesCountForTheSpaceFractionButKeepTheStoredItems) {
    CircleFormatChoice choice = ChoiceFromState(CircleFormatState());
    choice.lists.siteWidth = {-1, "7.5"};
    choice.lists.interval = {-1, "2.5"};
    ASSERT_EQ(SaveCircleFormat(choice, CircleSaveMode::Apply), CircleSaveOutcome::Written);
    EXPECT_EQ(ReadFile(path), "Blue\n10_4\t7.5_2.5\nunclockwise\nshow_UTR\nno_gene_direction\n3D\n\n");
    EXPECT_FLOAT_EQ(CircleFormatState().circleSpaceFraction, 0.2f);
    EXPECT_EQ(CircleFormatState().siteWidthIndex, 2);
    EXPECT_EQ(CircleFormatState().siteIntervalIndex, 5);
}

TEST_F(CircleFormatFileTest, TypedTextEqualToAnItemSelectsIt) {
    CircleFormatChoice choice = ChoiceFromState(CircleFormatState());
    choice.lists.siteWidth = {-1, "8"};
    ASSERT_EQ(SaveCircleFormat(choice, CircleSaveMode::Apply), CircleSaveOutcome::Written);
    EXPECT_EQ(platform->MessageTexts(), std::vector<std::string>{"Saved!"});
    EXPECT_EQ(choice.lists.siteWidth.selectedIndex, 5);
    EXPECT_EQ(CircleFormatState().siteWidthIndex, 5);
    EXPECT_FLOAT_EQ(CircleFormatState().circleSpaceFraction, static_cast<float>(13.0 / 50.0));
}

TEST_F(CircleFormatFileTest, ARefusalLaterInTheListsChangesNothing) {
    CircleFormatChoice choice = ChoiceFromState(CircleFormatState());
    choice.draw2D = 1;
    choice.lists.singleWidth.selectedIndex = 0;
    choice.lists.interval = {-1, "11"};
    EXPECT_EQ(SaveCircleFormat(choice, CircleSaveMode::Apply), CircleSaveOutcome::Refused);
    EXPECT_EQ(CircleFormatState().singleWidthIndex, 7);
    EXPECT_EQ(CircleFormatState().circleDraw2D, 0);
}

TEST_F(CircleFormatFileTest, QuietAndDefaultModesStaySilentWhenNothingChanged) {
    CircleFormatChoice choice = ChoiceFromState(CircleFormatState());
    EXPECT_EQ(SaveCircleFormat(choice, CircleSaveMode::Quiet), CircleSaveOutcome::Unchanged);
    EXPECT_EQ(SaveCircleFormat(choice, CircleSaveMode::Default), CircleSaveOutcome::Unchanged);
    EXPECT_TRUE(platform->messages.empty());
    EXPECT_EQ(SaveCircleFormat(choice, CircleSaveMode::Apply), CircleSaveOutcome::Unchanged);
    EXPECT_EQ(platform->MessageTexts(), std::vector<std::string>{"Not changed!"});
}

TEST_F(CircleFormatFileTest, HandEditedFileIsRewrittenQuietlyAndCarriageReturnsReadAsLineEnds) {
    WriteFile(path, "Blue\r\n10_4\t5_5\r\nunclockwise\r\nshow_UTR\r\nno_gene_direction\r\n3D\r\n");
    CircleFormatChoice choice = ChoiceFromState(CircleFormatState());
    EXPECT_EQ(SaveCircleFormat(choice, CircleSaveMode::Quiet), CircleSaveOutcome::Unchanged);

    WriteFile(path, "Green\n3_4\t3_0\n");
    EXPECT_EQ(SaveCircleFormat(choice, CircleSaveMode::Quiet), CircleSaveOutcome::Written);
    EXPECT_TRUE(platform->messages.empty());
    EXPECT_EQ(ReadFile(path), kDefaultFile);
}

TEST_F(CircleFormatFileTest, AFailedWriteIsReportedAndNeverSaved) {
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);  // nothing can write a file where a folder stands
    CircleFormatChoice choice = ChoiceFromState(CircleFormatState());
    choice.colourIndex = 3;
    for (CircleSaveMode mode : {CircleSaveMode::Apply, CircleSaveMode::Quiet}) {
        platform->Clear();
        EXPECT_EQ(SaveCircleFormat(choice, mode), CircleSaveOutcome::WriteFailed);
        ASSERT_EQ(platform->messages.size(), 1u);
        EXPECT_EQ(platform->messages[0].text, "Failed to write " + path + ".");
        EXPECT_EQ(platform->messages[0].title, "Tallowby-Error");
        EXPECT_EQ(CircleFormatState().circleColourIndex, 0);
    }
}

TEST_F(CircleFormatFileTest, MissingFileIsCreated) {
    std::filesystem::remove(path);
    CircleFormatChoice choice = ChoiceFromState(CircleFormatState());
    EXPECT_EQ(SaveCircleFormat(choice, CircleSaveMode::Quiet), CircleSaveOutcome::Written);
    EXPECT_EQ(ReadFile(path), kDefaultFile);
}

}  // namespace
}  // namespace tallowby::test
