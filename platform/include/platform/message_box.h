// Modal message boxes described by the classic flag values, answering the classic button
// codes; and a hook that answers them for tests.
#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace qiro {

// Buttons (the low four bits).
constexpr unsigned kBoxOk = 0x0;
constexpr unsigned kBoxOkCancel = 0x1;
constexpr unsigned kBoxYesNo = 0x4;
// Icons (bits 4 to 7).
constexpr unsigned kIconStop = 0x10;
constexpr unsigned kIconQuestion = 0x20;
constexpr unsigned kIconExclamation = 0x30;
constexpr unsigned kIconInformation = 0x40;
// Default button (bits 8 to 11); the first button otherwise.
constexpr unsigned kDefaultButton2 = 0x100;
constexpr unsigned kDefaultButton3 = 0x200;
// Blocks the whole program until answered.
constexpr unsigned kSystemModal = 0x1000;

// Answers: the button pressed. A box that was not shown answers kNoAnswer.
constexpr int kNoAnswer = 0;
constexpr int kAnswerOk = 1;
constexpr int kAnswerCancel = 2;
constexpr int kAnswerYes = 6;
constexpr int kAnswerNo = 7;

// Shows a box without owner window and returns when it is answered; its event loop keeps
// delivering paint, timer and mouse events meanwhile. Texts are Windows-1252 bytes, shown
// as plain text. Button sets other than OK, OK and Cancel, Yes and No show OK. Closing the
// box answers Cancel or No where the box has one, else OK.
int messageBox(std::string_view text, std::string_view caption, unsigned flags);

// One box as it was asked for.
struct ShownBox {
  std::string text;
  std::string caption;
  unsigned flags = 0;
  int answer = kNoAnswer;
};

// While one exists, boxes are not shown: each is recorded and answered with the next
// queued answer (kNoAnswer once the queue is empty), so tests never wait on a person.
// Hooks nest: the newest one counts.
class MessageBoxAnswers {
 public:
  MessageBoxAnswers();
  ~MessageBoxAnswers();
  MessageBoxAnswers(const MessageBoxAnswers&) = delete;
  MessageBoxAnswers& operator=(const MessageBoxAnswers&) = delete;

  void queue(int answer) { answers_.push_back(answer); }
  const std::vector<ShownBox>& shown() const { return shown_; }
  int pending() const { return static_cast<int>(answers_.size()); }

 private:
  friend int messageBox(std::string_view, std::string_view, unsigned);
  int answer(std::string_view text, std::string_view caption, unsigned flags);

  std::deque<int> answers_;
  std::vector<ShownBox> shown_;
  MessageBoxAnswers* outer_;
};

}  // namespace qiro
