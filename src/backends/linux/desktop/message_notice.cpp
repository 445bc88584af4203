#include "backends/linux/desktop/message_notice.h"

#include <QMessageBox>

#include <cstdio>

namespace lumaro::platform::linuxos {

namespace {
// Our messages break lines with a single carriage return; Qt breaks them with a line feed.
QString displayText(const std::string& text) {
  return QString::fromStdString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")).replace('\r', '\n');
}
}  // namespace

void QtMessageBox::note(const std::string& caption, const std::string& text) {
  std::fprintf(stderr, "%s: %s\n", caption.c_str(),
               displayText(text).replace('\n', ' ').toStdString().c_str());
}

void QtMessageBox::show(const std::string& caption, const std::string& text) {
  // Also in the session log, for a screen nobody watches.
  note(caption, text);
  if (dismissed_) return;
  QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(caption), displayText(text), QMessageBox::Ok);
  box.setObjectName(QStringLiteral("lumaroMessage"));
  // A message that happens to contain markup must still show as written.
  box.setTextFormat(Qt::PlainText);
  QMessageBox* const outer = open_;
  open_ = &box;
  box.exec();
  open_ = outer;
  if (dismissed_ && outer != nullptr) outer->done(QMessageBox::Ok);
}

void QtMessageBox::dismissAll() {
  dismissed_ = true;
  if (open_ != nullptr) open_->done(QMessageBox::Ok);
}

}  // namespace lumaro::platform::linuxos
