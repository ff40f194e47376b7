// The GUI's message boxes: title, icon and buttons of each kind, and the answer of a question.

#include "platform/qt/QtPlatform.h"
#include "support/QtApp.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace tallowby::test {
namespace {

struct SeenBox {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// Shows one message and, once its box is up, records it and presses the given button.
SeenBox ShowAndPress(MessageKind kind, QuestionButtons buttons, QMessageBox::StandardButton press, bool* answer) {
    SeenBox seen;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
        QAbstractButton* button = box->button(press);
        ASSERT_NE(button, nullptr);
        button->click();
    });
    QtPlatform platform;
    *answer = platform.Message(kind, "Text\nsecond line", buttons);
    return seen;
}

struct BoxCase {
    MessageKind kind;
    QuestionButtons buttons;
    QMessageBox::StandardButton press;
    const char* title;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons shown;
    bool answer;
};

class QtMessageBoxes : public ::testing::TestWithParam<BoxCase> {
protected:
    void SetUp() override { EnsureQtApplication(); }
};

TEST_P(QtMessageBoxes, HaveTheirTitleIconAndButtons) {
    const BoxCase& c = GetParam();
    bool answer = !c.answer;
    SeenBox seen = ShowAndPress(c.kind, c.buttons, c.press, &answer);
    EXPECT_EQ(seen.title.toStdString(), c.title);
    EXPECT_EQ(seen.text.toStdString(), "Text\nsecond line");
    EXPECT_EQ(seen.icon, c.icon);
    EXPECT_EQ(seen.buttons, c.shown);
    EXPECT_EQ(answer, c.answer);
}

const auto kOkCancel = QMessageBox::Ok | QMessageBox::Cancel;
const auto kYesNo = QMessageBox::Yes | QMessageBox::No;

INSTANTIATE_TEST_SUITE_P(
    Kinds, QtMessageBoxes,
    ::testing::Values(
        BoxCase{MessageKind::Notice, QuestionButtons::OkCancel, QMessageBox::Ok, "Tallowby-Message",
                QMessageBox::Warning, QMessageBox::Ok, true},
        BoxCase{MessageKind::SettingsProblem, QuestionButtons::OkCancel, QMessageBox::Ok, "Tallowby-Message",
                QMessageBox::Critical, QMessageBox::Ok, true},
        BoxCase{MessageKind::Error, QuestionButtons::OkCancel, QMessageBox::Ok, "Tallowby-Error",
                QMessageBox::Critical, QMessageBox::Ok, true},
        BoxCase{MessageKind::Information, QuestionButtons::OkCancel, QMessageBox::Ok, "Tallowby-Message",
                QMessageBox::NoIcon, QMessageBox::Ok, true},
        BoxCase{MessageKind::Question, QuestionButtons::OkCancel, QMessageBox::Ok, "Tallowby-Message",
                QMessageBox::Warning, kOkCancel, true},
        BoxCase{MessageKind::Question, QuestionButtons::OkCancel, QMessageBox::Cancel, "Tallowby-Message",
                QMessageBox::Warning, kOkCancel, false},
        BoxCase{MessageKind::Question, QuestionButtons::YesNo, QMessageBox::Yes, "Tallowby-Message",
                QMessageBox::Warning, kYesNo, true},
        BoxCase{MessageKind::Question, QuestionButtons::YesNo, QMessageBox::No, "Tallowby-Message",
                QMessageBox::Warning, kYesNo, false}));

}  // namespace
}  // namespace tallowby::test
