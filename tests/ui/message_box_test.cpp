// The boxes as the user meets them when no test answers them: the program's
// title, the icon, the text and the buttons, and what each answer returns;
// and boxes answered from a queue without being shown.
#include "message_box.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <utility>
#include <vector>

namespace {

struct ShownBox {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
  QStringList buttonTexts;
};

// Notes every modal box that comes up and presses `answer` on it; a box
// without that button is closed all the same, so that no test hangs.
class BoxPresser {
 public:
  explicit BoxPresser(QMessageBox::StandardButton answer) {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this, answer] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      QStringList texts;
      for (QAbstractButton* b : box->buttons()) texts << b->text();
      texts.sort();
      seen.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                      box->standardButton(box->defaultButton()), texts});
      if (QAbstractButton* button = box->button(answer))
        button->click();
      else
        box->done(QMessageBox::Cancel);
    });
    timer_.start();
  }

  std::vector<ShownBox> seen;

 private:
  QTimer timer_;
};

const QString kQuestion = QStringLiteral("保存していない記録があります。保存せずに終了しますか?");

}  // namespace

TEST(MessageBoxes, TheErrorBoxHasTheProgramTitleAnErrorIconAndOk) {
  ASSERT_EQ(BoxAnswers::current(), nullptr);
  BoxPresser presser(QMessageBox::Ok);
  showErrorBox(nullptr, QStringLiteral("'x' は整数ではありません"));
  ASSERT_EQ(presser.seen.size(), 1u);
  const ShownBox& box = presser.seen[0];
  EXPECT_EQ(box.title.toStdString(), "handball");
  EXPECT_EQ(box.text.toStdString(), "'x' は整数ではありません.");
  EXPECT_EQ(box.icon, QMessageBox::Critical);
  EXPECT_EQ(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

TEST(MessageBoxes, TheQuestionOffersYesAndNoWithNoTheDefault) {
  BoxPresser yes(QMessageBox::Yes);
  EXPECT_TRUE(askYesNo(nullptr, kQuestion));
  ASSERT_EQ(yes.seen.size(), 1u);
  const ShownBox& box = yes.seen[0];
  EXPECT_EQ(box.title.toStdString(), "handball");
  EXPECT_EQ(box.text, kQuestion);
  EXPECT_EQ(box.icon, QMessageBox::Question);
  EXPECT_EQ(box.buttons, QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(box.defaultButton, QMessageBox::No);
  EXPECT_EQ(box.buttonTexts, QStringList({QStringLiteral("いいえ"), QStringLiteral("はい")}));
}

TEST(MessageBoxes, NoToTheQuestionIsNotYesAndAQuestionMayPresetYes) {
  BoxPresser no(QMessageBox::No);
  EXPECT_FALSE(askYesNo(nullptr, kQuestion));
  EXPECT_FALSE(askYesNo(nullptr, kQuestion, QMessageBox::Yes));
  ASSERT_EQ(no.seen.size(), 2u);
  EXPECT_EQ(no.seen[1].defaultButton, QMessageBox::Yes);
}

TEST(MessageBoxes, QueuedAnswersGoToTheNextBoxesInTurnWithoutShowingThem) {
  BoxPresser screen(QMessageBox::No);
  std::vector<std::pair<QMessageBox::Icon, std::string>> seen;
  BoxAnswers answers([&](QMessageBox::Icon icon, const QString& text) {
    seen.emplace_back(icon, text.toStdString());
  });
  answers.answerNext(QMessageBox::Yes);
  answers.answerNext(QMessageBox::No);
  EXPECT_TRUE(askYesNo(nullptr, QStringLiteral("first")));
  EXPECT_FALSE(askYesNo(nullptr, QStringLiteral("second")));
  EXPECT_FALSE(askYesNo(nullptr, QStringLiteral("none queued")));
  showErrorBox(nullptr, QStringLiteral("failed"));
  const std::vector<std::pair<QMessageBox::Icon, std::string>> expected = {
      {QMessageBox::Question, "first"},
      {QMessageBox::Question, "second"},
      {QMessageBox::Question, "none queued"},
      {QMessageBox::Critical, "failed."}};
  EXPECT_EQ(seen, expected);

  // An answer dropped unused does not answer a later box.
  answers.answerNext(QMessageBox::Yes);
  answers.dropQueued();
  EXPECT_FALSE(askYesNo(nullptr, QStringLiteral("after the drop")));
  EXPECT_TRUE(screen.seen.empty());
}
