// Tests of the three message boxes: their flags, caption and answers.
#include "sys/message_boxes.h"

#include <gtest/gtest.h>

#include "platform/message_box.h"
#include "sys/startup_facts.h"

namespace qiro {
namespace {

enum class Box { Message, YesNo, OkCancel };

struct BoxCase {
  Box box;
  unsigned style;
  unsigned flags;  // as the box is shown
  int pressed;
  int result;  // showMessage's code, or the ask's truth as 1 or 0
};

int ask(Box box, unsigned style) {
  switch (box) {
    case Box::Message:
      return showMessage("Grille r\xE9ussie", style);
    case Box::YesNo:
      return askYesNo("Grille r\xE9ussie", style) ? 1 : 0;
    case Box::OkCancel:
      return askOkCancel("Grille r\xE9ussie", style) ? 1 : 0;
  }
  return -1;
}

TEST(MessageBoxes, FormTheirFlagsFromTheStyleAndAnswerTheButtonPressed) {
  startServices("Q-I-RO");
  const BoxCase cases[] = {
      // Style 0.
      {Box::Message, 0, 0x1030, kAnswerOk, kAnswerOk},
      {Box::YesNo, 0, 0x1024, kAnswerYes, 1},
      {Box::YesNo, 0, 0x1024, kAnswerNo, 0},
      {Box::OkCancel, 0, 0x1021, kAnswerOk, 1},
      {Box::OkCancel, 0, 0x1021, kAnswerCancel, 0},
      // The styles the program uses.
      {Box::Message, kIconInformation, 0x1040, kAnswerOk, kAnswerOk},
      {Box::YesNo, kIconQuestion, 0x1024, kAnswerYes, 1},
      {Box::YesNo, kIconExclamation | kDefaultButton2, 0x1134, kAnswerNo, 0},
      {Box::YesNo, kIconStop | kDefaultButton2, 0x1114, kAnswerYes, 1},
      {Box::OkCancel, kIconExclamation | kDefaultButton2, 0x1131, kAnswerCancel, 0},
      {Box::OkCancel, kIconQuestion, 0x1021, kAnswerOk, 1},
      // A box keeps its own buttons whatever button bits a caller passes.
      {Box::YesNo, kIconQuestion | kBoxOkCancel, 0x1024, kAnswerYes, 1},
      // A box nobody answered is no Yes and no OK.
      {Box::Message, 0, 0x1030, kNoAnswer, kNoAnswer},
      {Box::YesNo, 0, 0x1024, kNoAnswer, 0},
      {Box::OkCancel, 0, 0x1021, kNoAnswer, 0},
  };
  for (const BoxCase& c : cases) {
    MessageBoxAnswers answers;
    if (c.pressed != kNoAnswer) answers.queue(c.pressed);
    EXPECT_EQ(ask(c.box, c.style), c.result) << std::hex << c.flags;
    ASSERT_EQ(answers.shown().size(), 1U);
    EXPECT_EQ(answers.shown()[0].flags, c.flags);
    EXPECT_EQ(answers.shown()[0].caption, "Q-I-RO");
    EXPECT_EQ(answers.shown()[0].text, "Grille r\xE9ussie");
  }
}

}  // namespace
}  // namespace qiro
