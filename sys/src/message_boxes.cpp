// The three message boxes and their flag rules.
#include "sys/message_boxes.h"

#include "platform/message_box.h"
#include "sys/startup_facts.h"

namespace qiro {

namespace {

int showBox(TextView text, unsigned flags) {
  return messageBox(text.view(), startupFacts().applicationTitle.view(), flags);
}

}  // namespace

int showMessage(TextView text, unsigned style) {
  return showBox(
      text, style == 0 ? kSystemModal | kIconExclamation | kBoxOk : style | kSystemModal | kBoxOk);
}

bool askYesNo(TextView text, unsigned style) {
  return showBox(text, style == 0 ? kSystemModal | kIconQuestion | kBoxYesNo
                                  : style | kSystemModal | kBoxYesNo) == kAnswerYes;
}

bool askOkCancel(TextView text, unsigned style) {
  return showBox(text, style == 0 ? kSystemModal | kIconQuestion | kBoxOkCancel
                                  : style | kSystemModal | kBoxOkCancel) == kAnswerOk;
}

}  // namespace qiro
