// The CLI's message forms on stderr.

#include "platform/ConsolePlatform.h"

#include <gtest/gtest.h>

#include <iostream>
#include <sstream>

namespace tallowby::test {
namespace {

class CapturedStderr {
public:
    CapturedStderr() : previous_(std::cerr.rdbuf(text_.rdbuf())) {}
    ~CapturedStderr() { std::cerr.rdbuf(previous_); }
    std::string Text() const { return text_.str(); }

private:
    std::ostringstream text_;
    std::streambuf* previous_;
};

struct ConsoleCase {
    bool yes;
    MessageKind kind;
    QuestionButtons buttons;
    bool answer;
    const char* printed;
};

class ConsoleMessages : public ::testing::TestWithParam<ConsoleCase> {};

TEST_P(ConsoleMessages, PrintTitleTextAndAnswer) {
    const ConsoleCase& c = GetParam();
    ConsolePlatform console(c.yes);
    CapturedStderr captured;
    EXPECT_EQ(console.Message(c.kind, "Line one\nline two", c.buttons), c.answer);
    EXPECT_EQ(captured.Text(), c.printed);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ConsoleMessages,
    ::testing::Values(
        ConsoleCase{false, MessageKind::Error, QuestionButtons::OkCancel, true, "Tallowby-Error: Line one\nline two\n"},
        ConsoleCase{false, MessageKind::Notice, QuestionButtons::OkCancel, true, "Tallowby-Message: Line one\nline two\n"},
        ConsoleCase{false, MessageKind::Information, QuestionButtons::OkCancel, true,
                    "Tallowby-Message: Line one\nline two\n"},
        ConsoleCase{false, MessageKind::SettingsProblem, QuestionButtons::OkCancel, true,
                    "Tallowby-Message: Line one\nline two\n"},
        ConsoleCase{false, MessageKind::Question, QuestionButtons::OkCancel, false,
                    "Tallowby-Message: Line one\nline two\n-> Cancel\n"},
        ConsoleCase{true, MessageKind::Question, QuestionButtons::OkCancel, true,
                    "Tallowby-Message: Line one\nline two\n-> OK\n"},
        ConsoleCase{false, MessageKind::Question, QuestionButtons::YesNo, false,
                    "Tallowby-Message: Line one\nline two\n-> No\n"},
        ConsoleCase{true, MessageKind::Question, QuestionButtons::YesNo, true,
                    "Tallowby-Message: Line one\nline two\n-> Yes\n"}));

TEST(ConsolePlatform, StatusTextsPrintWhenNotEmpty) {
    ConsolePlatform console;
    CapturedStderr captured;
    console.SetStatus("reading annotation file...");
    console.SetStatus("");
    EXPECT_EQ(captured.Text(), "status: reading annotation file...\n");
}

TEST(ConsolePlatform, DialogsCannotBeShown) {
    ConsolePlatform console;
    EXPECT_FALSE(console.ChooseOpenFile({}));
    EXPECT_FALSE(console.ChooseSaveFile({}));
    EXPECT_FALSE(console.BrowseFolder());
}

TEST(ProcessRunner, ExecutableFolderEndsWithASlash) {
    ConsolePlatform console;
    std::string folder = console.ExecutableFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_EQ(folder.front(), '/');
}

}  // namespace
}  // namespace tallowby::test
