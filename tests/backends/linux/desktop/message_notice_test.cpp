#include "backends/linux/desktop/message_notice.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace lumaro::platform::linuxos {
namespace {

QMessageBox* openMessage() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->isVisible() && widget->objectName() == "lumaroMessage")
      return qobject_cast<QMessageBox*>(widget);
  }
  return nullptr;
}

TEST(QtMessageBoxTest, ShowsCaptionAndPlainTextWithLineBreaksUntilOk) {
  QString title;
  QString text;
  Qt::TextFormat format = Qt::AutoText;
  qsizetype buttons = 0;
  QTimer poll;
  poll.callOnTimeout([&] {
    QMessageBox* box = openMessage();
    if (box == nullptr) return;
    title = box->windowTitle();
    text = box->text();
    format = box->textFormat();
    buttons = box->buttons().size();
    box->button(QMessageBox::Ok)->click();
  });
  poll.start(10);
  // Should the box never appear, this ends its loop instead of hanging the test.
  QTimer safety;
  safety.setSingleShot(true);
  safety.callOnTimeout([] { QCoreApplication::exit(); });
  safety.start(5000);

  QtMessageBox().show("Lumaro", "First line\rSecond <b>line</b>\r\nThird");

  EXPECT_EQ(title, "Lumaro");
  EXPECT_EQ(text, "First line\nSecond <b>line</b>\nThird");
  EXPECT_EQ(format, Qt::PlainText);
  EXPECT_EQ(buttons, 1);
}

TEST(QtMessageBoxTest, ANoteIsOneLineOnTheErrorStreamAndNoBox) {
  testing::internal::CaptureStderr();
  QtMessageBox().note("Lumaro", "First line\rSecond line");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Lumaro: First line Second line\n");
  EXPECT_EQ(openMessage(), nullptr);
}

TEST(QtMessageBoxTest, AnEndingProgramClosesTheOpenBoxAndShowsNoMore) {
  QtMessageBox messages;
  bool sawBox = false;
  QTimer poll;
  poll.callOnTimeout([&] {
    if (openMessage() == nullptr) return;
    sawBox = true;
    messages.dismissAll();
  });
  poll.start(10);
  QTimer safety;
  safety.setSingleShot(true);
  safety.callOnTimeout([] { QCoreApplication::exit(); });
  safety.start(5000);

  messages.show("Lumaro", "Unable to read the settings");
  EXPECT_TRUE(sawBox);
  EXPECT_TRUE(safety.isActive());

  sawBox = false;
  messages.show("Lumaro", "Você restaurou os valores para a configuração padrão do windows.");
  EXPECT_FALSE(sawBox);
}

}  // namespace
}  // namespace lumaro::platform::linuxos
