// The three message boxes and their flag rules.
#include "sys/message_boxes.h"

#include "platform/message_box.h"
#include "sys/startup_facts.h"

namespace qiro {

namespace {

int showBox(TextView text, unsigned flags) {
  return messageBox(text.view(), startupFacts().applicationTitle.view(), flags);
}

// A style names an icon and a default button; the buttons are the box's own, so button
// bits given by a caller cannot turn a Yes/No question into a box without a Yes.
unsigned buttonless(unsigned style) {
  return style & ~0xFU;
}

}  // namespace

int showMessage(TextView text, unsigned style) {
  return showBox(text, style == 0 ? kSystemModal | kIconExclamation | kBoxOk
                                  : buttonless(style) | kSystemModal | kBoxOk);
}

bool askYesNo(TextView text, unsigned style) {
  return showBox(text, style == 0 ? kSystemModal | kIconQuestion | kBoxYesNo
                                  : buttonless(style) | kSystemModal | kBoxYesNo) == kAnswerYes;
}

bool askOkCancel(TextView text, unsigned style) {
  return showBox(text, style == 0 ? kSystemModal | kIconQuestion | kBoxOkCancel
                                  : buttonless(style) | kSystemModal | kBoxOkCancel) == kAnswerOk;
}

}  // namespace qiro
