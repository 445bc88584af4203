#pragma once
#include <QElapsedTimer>
#include <QImage>
#include <QObject>
#include <QSystemTrayIcon>
#include <map>
#include <memory>

#include "backends/linux/desktop/repeated_press_filter.h"
#include "backends/linux/desktop/status_notifier_item.h"
#include "backends/linux/desktop/tray_host_watcher.h"
#include "platform/tray.h"

namespace lumaro::platform::linuxos {

// The notification area: a StatusNotifierItem of our own where a StatusNotifierWatcher has a host,
// else QSystemTrayIcon on an XEmbed tray. A host that appears later, is restarted or replaced by the
// other kind is reported through the restart handler, and the icons are added anew. A picture
// identical to the one shown is not pushed again: tray hosts stutter on needless updates.
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
  void setMenu(IconId id, TrayMenu menu) override;
  std::optional<ScreenPoint> cursorPosition() override;
  std::uint32_t doubleClickTimeMs() override;
  ShiftState shiftState() override;

 private:
  struct Entry {
    std::unique_ptr<QSystemTrayIcon> icon;
    std::unique_ptr<StatusNotifierItem> item;
    QImage shown;
    QString tip;
    QElapsedTimer lastActivation;
  };

  bool showInHost(IconId id, Entry& entry);
  void hostsChanged();
  void activated(IconId id, QSystemTrayIcon::ActivationReason reason);
  void repeatedPress(const QRect& window, Qt::MouseButton button);
  void itemActivated(IconId id);
  void itemContextMenu(IconId id, int x, int y);
  void report(IconId id, std::initializer_list<TrayMouse> messages);
  void show(Entry& entry, const TrayImage& image, const std::string& tip);

  QObject context_;
  std::map<IconId, Entry> icons_;
  std::map<IconId, TrayMenu> menus_;
  std::function<void(IconId, TrayMouse)> mouse_;
  std::function<void()> restarted_;
  // Where the host said its menu request happened, while that request is being reported.
  std::optional<ScreenPoint> requestedAt_;
  std::unique_ptr<TrayHostWatcher> hosts_;
  RepeatedPressFilter repeatedPresses_{
      [this](const QRect& window, Qt::MouseButton button) { repeatedPress(window, button); }};
};

}  // namespace lumaro::platform::linuxos
