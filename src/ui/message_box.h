// The program's message boxes, both with the program's title: the error box
// (error icon, OK) and the question (Yes and No, No the default).
#pragma once

#include <QMessageBox>
#include <QString>
#include <deque>
#include <functional>

class QWidget;

inline const QString kProgramTitle = QStringLiteral("handball");

// The message followed by "." unless its last character's code is at or
// below that of ".".
QString errorBoxText(const QString& message);
void showErrorBox(QWidget* parent, const QString& message);
// Whether the answer was Yes; `preset` is the button Enter presses.
bool askYesNo(QWidget* parent, const QString& question,
              QMessageBox::StandardButton preset = QMessageBox::No);
// Information the operator should read once: information icon, OK.
void showNotice(QWidget* parent, const QString& message);

// Boxes answered without being shown, so that a test goes on without a
// modal loop. While a BoxAnswers lives, every box reports its icon and text
// to `seen` and returns the next queued answer; with none queued, an error
// box is answered OK and a question with its default button.
class BoxAnswers {
 public:
  using Seen = std::function<void(QMessageBox::Icon icon, const QString& text)>;

  explicit BoxAnswers(Seen seen);
  ~BoxAnswers();
  BoxAnswers(const BoxAnswers&) = delete;
  BoxAnswers& operator=(const BoxAnswers&) = delete;

  // The answer to the next box.
  void answerNext(QMessageBox::StandardButton answer) { queued_.push_back(answer); }
  // Drops the answers that no box has taken.
  void dropQueued() { queued_.clear(); }
  size_t queued() const { return queued_.size(); }

  // The BoxAnswers in charge, or nullptr when boxes are shown.
  static BoxAnswers* current() { return current_; }
  QMessageBox::StandardButton answer(QMessageBox::Icon icon, const QString& text,
                                     QMessageBox::StandardButton unqueued);

 private:
  static inline BoxAnswers* current_ = nullptr;
  BoxAnswers* previous_;
  Seen seen_;
  std::deque<QMessageBox::StandardButton> queued_;
};
