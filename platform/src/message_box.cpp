// Message boxes as modal Qt dialogs, and the hook that answers them in tests.
#include "platform/message_box.h"

#include <QMessageBox>
#include <vector>

#include "platform/app.h"
#include "qt_convert.h"

namespace qiro {

namespace {

MessageBoxAnswers* answersHook = nullptr;  // the newest hook, if any

constexpr unsigned kButtonMask = 0xF;
constexpr unsigned kIconMask = 0xF0;
constexpr unsigned kDefaultMask = 0xF00;

QMessageBox::Icon iconOf(unsigned flags) {
  switch (flags & kIconMask) {
    case kIconStop:
      return QMessageBox::Critical;
    case kIconQuestion:
      return QMessageBox::Question;
    case kIconExclamation:
      return QMessageBox::Warning;
    case kIconInformation:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

struct ButtonCode {
  QMessageBox::StandardButton button;
  int answer;
};

// The buttons in the order the flags count them (the default-button bits pick among them).
std::vector<ButtonCode> buttonsOf(unsigned flags) {
  switch (flags & kButtonMask) {
    case kBoxOkCancel:
      return {{QMessageBox::Ok, kAnswerOk}, {QMessageBox::Cancel, kAnswerCancel}};
    case kBoxYesNo:
      return {{QMessageBox::Yes, kAnswerYes}, {QMessageBox::No, kAnswerNo}};
    default:
      return {{QMessageBox::Ok, kAnswerOk}};
  }
}

}  // namespace

int messageBox(std::string_view text, std::string_view caption, unsigned flags) {
  if (answersHook != nullptr) return answersHook->answer(text, caption, flags);

  ensureApplication();
  QMessageBox box;
  box.setWindowTitle(qtString(caption));
  box.setTextFormat(Qt::PlainText);  // a '<' in a message is a character, not markup
  box.setText(qtString(text));
  box.setIcon(iconOf(flags));
  // Without an owner every box blocks the whole program, system-modal or not.
  box.setWindowModality(Qt::ApplicationModal);
  const std::vector<ButtonCode> buttons = buttonsOf(flags);
  for (const ButtonCode& b : buttons)
    box.addButton(b.button);
  const std::size_t defaultIndex = (flags & kDefaultMask) >> 8;
  if (defaultIndex < buttons.size()) box.setDefaultButton(buttons[defaultIndex].button);
  // Closing the box counts as its Cancel or No; a box with only OK answers OK.
  box.setEscapeButton(buttons.back().button);

  const int pressed = box.exec();
  for (const ButtonCode& b : buttons) {
    if (b.button == pressed) return b.answer;
  }
  return kNoAnswer;
}

MessageBoxAnswers::MessageBoxAnswers() : outer_(answersHook) {
  answersHook = this;
}

MessageBoxAnswers::~MessageBoxAnswers() {
  answersHook = outer_;
}

int MessageBoxAnswers::answer(std::string_view text, std::string_view caption, unsigned flags) {
  int given = kNoAnswer;
  if (!answers_.empty()) {
    given = answers_.front();
    answers_.pop_front();
  }
  shown_.push_back({std::string(text), std::string(caption), flags, given});
  return given;
}

}  // namespace qiro
