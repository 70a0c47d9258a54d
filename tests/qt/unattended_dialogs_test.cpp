// Boxes nobody can answer: without a display, questions take their default answer at once.
#include <gtest/gtest.h>

#include "platform/qt/qt_dialogs.h"

namespace vt {
namespace {

TEST(UnattendedDialogs, QuestionsGetTheirDefaultAnswerAndInputIsCancelled) {
    QtDialogs dialogs;
    dialogs.SetUnattended(true);
    EXPECT_EQ(dialogs.MsgBox("Printed.", "Vittlon"), MsgAnswer::OK);
    EXPECT_EQ(dialogs.MsgBox("Print?", "Vittlon", MsgButtons::YesNo, 2), MsgAnswer::No);
    EXPECT_EQ(dialogs.MsgBox("Print?", "Vittlon", MsgButtons::YesNo, 1), MsgAnswer::Yes);
    EXPECT_EQ(dialogs.InputBox("Name", "Title", "default"), std::nullopt);
}

TEST(UnattendedDialogs, AMessageWithItsCauseIsOneLineOnTheErrorOutput) {
    QtDialogs dialogs;
    dialogs.SetUnattended(true);
    testing::internal::CaptureStderr();
    dialogs.MsgBox("Could not print.\r\nTry again.", "Vittlon", MsgButtons::OK, 1,
                   "/srv/pdf: Permission denied");
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Vittlon: Could not print.  Try again. (/srv/pdf: Permission denied)\n");
}

}  // namespace
}  // namespace vt
