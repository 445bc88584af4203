#pragma once
#include <QImage>
#include <QObject>
#include <QSystemTrayIcon>
#include <map>
#include <memory>

#include "platform/tray.h"

namespace lumaro::platform::qt {

// The notification area through QSystemTrayIcon (StatusNotifierItem or XEmbed, whichever the desktop
// offers). Qt adds its icons again by itself when an XEmbed tray host restarts, so the restart handler
// is never called. A picture identical to the one shown is not pushed again: tray hosts stutter on
// needless updates.
class QtTray : public Tray {
 public:
  QtTray();
  ~QtTray() override;

  void setMouseHandler(std::function<void(IconId, TrayMouse)> handler) override {
    mouse_ = std::move(handler);
  }
  void setHostRestartedHandler(std::function<void()> handler) override { restarted_ = std::move(handler); }
  bool add(IconId id, const TrayImage& image, const std::string& tip) override;
  bool modify(IconId id, const TrayImage& image, const std::string& tip) override;
  void remove(IconId id) override;
  std::optional<ScreenPoint> cursorPosition() override;
  std::uint32_t doubleClickTimeMs() override;
  ShiftState shiftState() override;

  // How many pictures were pushed to the desktop (for tests of the push economy).
  int picturesPushed() const { return picturesPushed_; }

 private:
  struct Entry {
    std::unique_ptr<QSystemTrayIcon> icon;
    QImage shown;
  };

  void activated(IconId id, QSystemTrayIcon::ActivationReason reason);
  void report(IconId id, std::initializer_list<TrayMouse> messages);
  void show(Entry& entry, const TrayImage& image, const std::string& tip);

  QObject context_;
  std::map<IconId, Entry> icons_;
  std::function<void(IconId, TrayMouse)> mouse_;
  std::function<void()> restarted_;
  int picturesPushed_ = 0;
};

}  // namespace lumaro::platform::qt
