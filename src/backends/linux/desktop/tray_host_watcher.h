#pragma once
#include <QAbstractNativeEventFilter>
#include <QDBusServiceWatcher>
#include <QObject>
#include <cstdint>
#include <functional>

struct xcb_connection_t;

namespace lumaro::platform::linuxos {

// Watches for tray hosts appearing or going: an XEmbed tray taking the "_NET_SYSTEM_TRAY_S<n>"
// selection (its MANAGER broadcast on the root window) and the StatusNotifierWatcher on the session
// bus gaining or losing its name or a host. Each change runs `onChange` from the event loop: the
// program adds its icons again, as after the classic "taskbar re-created" broadcast.
class TrayHostWatcher : public QObject, public QAbstractNativeEventFilter {
  Q_OBJECT

 public:
  explicit TrayHostWatcher(std::function<void()> onChange);
  ~TrayHostWatcher() override;

  // Whether a StatusNotifierWatcher with at least one host is on the session bus now.
  static bool statusNotifierHostPresent();

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

 private slots:
  void statusNotifierHostRegistered();

 private:
  void watchXEmbedTrays();
  void changed();

  std::function<void()> onChange_;
  QDBusServiceWatcher serviceWatcher_;
  xcb_connection_t* connection_ = nullptr;
  std::uint32_t managerAtom_ = 0;
  std::uint32_t selectionAtom_ = 0;
  bool changePending_ = false;
};

}  // namespace lumaro::platform::linuxos
