// Tests of message boxes: the dialogs built from the flags, and the answering hook.
#include "platform/message_box.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <string>

#include "platform/app.h"

namespace qiro {
namespace {

TEST(MessageBoxHook, RecordsEachBoxAndAnswersFromItsQueue) {
  MessageBoxAnswers answers;
  answers.queue(kAnswerYes);
  answers.queue(kAnswerCancel);
  EXPECT_EQ(messageBox("Save?", "Q-I-RO", kSystemModal | kIconQuestion | kBoxYesNo), kAnswerYes);
  {
    MessageBoxAnswers inner;  // the newest hook answers
    EXPECT_EQ(messageBox("inner", "c", kBoxOk), kNoAnswer);
    ASSERT_EQ(inner.shown().size(), 1U);
  }
  EXPECT_EQ(messageBox("Quit?", "Q-I-RO", kBoxOkCancel), kAnswerCancel);
  EXPECT_EQ(messageBox("No answer left", "Q-I-RO", kBoxOk), kNoAnswer);
  ASSERT_EQ(answers.shown().size(), 3U);
  EXPECT_EQ(answers.shown()[0].text, "Save?");
  EXPECT_EQ(answers.shown()[0].caption, "Q-I-RO");
  EXPECT_EQ(answers.shown()[0].flags, 0x1024U);
  EXPECT_EQ(answers.shown()[1].answer, kAnswerCancel);
  EXPECT_EQ(answers.shown()[2].answer, kNoAnswer);
  EXPECT_EQ(answers.pending(), 0);
}

// What the dialog on screen looked like, seen from inside its event loop.
struct SeenBox {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
  bool modal = false;
};

// Shows a real box and, once its own event loop runs, looks at it and acts on it.
int showAndAct(const std::string& text, const std::string& caption, unsigned flags, SeenBox& seen,
               const std::function<void(QMessageBox&)>& act) {
  ensureApplication();
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) {
      ADD_FAILURE() << "no modal box on screen";
      return;
    }
    seen.title = box->windowTitle();
    seen.text = box->text();
    seen.icon = box->icon();
    seen.buttons = box->standardButtons();
    seen.defaultButton = box->standardButton(box->defaultButton());
    seen.modal = box->windowModality() == Qt::ApplicationModal;
    act(*box);
  });
  return messageBox(text, caption, flags);
}

std::function<void(QMessageBox&)> press(QMessageBox::StandardButton which) {
  return [which](QMessageBox& box) { box.button(which)->click(); };
}

struct RealBoxCase {
  unsigned flags = 0;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
  QMessageBox::StandardButton pressed = QMessageBox::NoButton;
  int answer = kNoAnswer;
};

TEST(MessageBox, ShowsTheIconButtonsAndDefaultTheFlagsAskForAndAnswersTheButtonPressed) {
  using B = QMessageBox;
  const RealBoxCase cases[] = {
      {0x1030, B::Warning, B::Ok, B::Ok, B::Ok, kAnswerOk},
      {0x1024, B::Question, B::Yes | B::No, B::Yes, B::No, kAnswerNo},
      {0x1024, B::Question, B::Yes | B::No, B::Yes, B::Yes, kAnswerYes},
      {0x1021, B::Question, B::Ok | B::Cancel, B::Ok, B::Ok, kAnswerOk},
      {0x1021, B::Question, B::Ok | B::Cancel, B::Ok, B::Cancel, kAnswerCancel},
      {0x1040, B::Information, B::Ok, B::Ok, B::Ok, kAnswerOk},
      {0x1134, B::Warning, B::Yes | B::No, B::No, B::Yes, kAnswerYes},
      {0x1111, B::Critical, B::Ok | B::Cancel, B::Cancel, B::Cancel, kAnswerCancel},
  };
  for (const RealBoxCase& c : cases) {
    SeenBox seen;
    EXPECT_EQ(showAndAct("Text", "Caption", c.flags, seen, press(c.pressed)), c.answer)
        << std::hex << c.flags;
    EXPECT_EQ(seen.icon, c.icon) << std::hex << c.flags;
    EXPECT_EQ(seen.buttons, c.buttons) << std::hex << c.flags;
    EXPECT_EQ(seen.defaultButton, c.defaultButton) << std::hex << c.flags;
    EXPECT_TRUE(seen.modal);
  }
}

TEST(MessageBox, ShowsItsTextsAsPlainCodePageText) {
  SeenBox seen;
  showAndAct("Partie r\xE9ussie <b>!</b> \x80", "Q-I-RO \x99", kBoxOk, seen,
             press(QMessageBox::Ok));
  EXPECT_EQ(seen.title, QString::fromUtf8("Q-I-RO ™"));
  EXPECT_EQ(seen.text, QString::fromUtf8("Partie réussie <b>!</b> €"));
}

TEST(MessageBox, ClosingTheBoxAnswersItsCancelOrNoButton) {
  const auto close = [](QMessageBox& box) { box.close(); };
  SeenBox seen;
  EXPECT_EQ(showAndAct("?", "c", kSystemModal | kBoxYesNo, seen, close), kAnswerNo);
  EXPECT_EQ(showAndAct("?", "c", kSystemModal | kBoxOkCancel, seen, close), kAnswerCancel);
  EXPECT_EQ(showAndAct("!", "c", kSystemModal | kBoxOk, seen, close), kAnswerOk);
}

}  // namespace
}  // namespace qiro
