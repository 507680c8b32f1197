#include "ui/message_box.h"

#include <gtest/gtest.h>

namespace pekto {
namespace {

struct FlagsRow {
  const char* name;
  unsigned flags;
  MessageIcon icon;
  MessageButtons buttons;
};
void PrintTo(const FlagsRow& c, std::ostream* os) { *os << c.name; }

class MessageFlagsTest : public testing::TestWithParam<FlagsRow> {};

TEST_P(MessageFlagsTest, MapsThePlatformFlags) {
  const Message message = MessageFromFlags("t", "c", GetParam().flags);
  EXPECT_EQ(message.icon, GetParam().icon);
  EXPECT_EQ(message.buttons, GetParam().buttons);
}

INSTANTIATE_TEST_SUITE_P(Flags, MessageFlagsTest,
                         testing::Values(FlagsRow{"Error", 0x10, MessageIcon::Stop, MessageButtons::Ok},
                                         FlagsRow{"Information", 0x40, MessageIcon::Information, MessageButtons::Ok},
                                         FlagsRow{"QuestionYesNo", 0x24, MessageIcon::Question, MessageButtons::YesNo},
                                         FlagsRow{"Exclamation", 0x30, MessageIcon::Exclamation, MessageButtons::Ok},
                                         FlagsRow{"Plain", 0x00, MessageIcon::None, MessageButtons::Ok},
                                         FlagsRow{"OkCancel", 0x31, MessageIcon::Exclamation, MessageButtons::OkCancel},
                                         FlagsRow{"YesNoCancel", 0x23, MessageIcon::Question,
                                                  MessageButtons::YesNoCancel}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MessageFlags, TheSecondDefaultButtonIsKept) {
  EXPECT_EQ(MessageFromFlags("t", "c", kMbYesNo | kMbIconQuestion).default_button, 1);
  EXPECT_EQ(MessageFromFlags("t", "c", kMbYesNo | kMbIconQuestion | kMbDefButton2).default_button, 2);
}

TEST(RecordingMessageBoxes, RecordsEveryBoxAndAnswersInTurn) {
  RecordingMessageBoxes boxes;
  boxes.answers = {MessageResult::No};
  EXPECT_EQ(MessageBoxCentered(boxes, JoinLines({"Sie haben Ihre Eintragungen nicht", "abgespeichert."}), "Kontrolle",
                               kMbYesNo | kMbIconQuestion),
            MessageResult::No);
  EXPECT_EQ(MessageBoxCentered(boxes, "x", "Kontrolle", kMbYesNo), MessageResult::Yes);
  EXPECT_EQ(MessageBoxCentered(boxes, "y", "PEKTO Fehler!", kMbIconStop), MessageResult::Ok);
  ASSERT_EQ(boxes.shown.size(), 3u);
  EXPECT_EQ(boxes.shown[0].text, "Sie haben Ihre Eintragungen nicht\r\nabgespeichert.");
  EXPECT_EQ(boxes.shown[2].caption, "PEKTO Fehler!");
}

}  // namespace
}  // namespace pekto
