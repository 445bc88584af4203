#pragma once
#include <QDBusMessage>
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <map>

#include "backends/linux/desktop/keyboard_layout.h"
#include "platform/global_hotkeys.h"

namespace lumaro::platform::linuxos {

// The trigger text of the freedesktop shortcut format: "CTRL+ALT+m", the key as its X symbol name;
// "" when the key has no symbol.
QString portalTrigger(std::uint32_t modifiers, const std::string& keyName);

// System-wide combinations through the desktop portal's GlobalShortcuts interface, for Wayland
// sessions where an X key grab only sees keys while an X window has the focus. Each registration
// creates a portal session and binds one shortcut whose preferred trigger is the combination; the
// portal (and the user) decide the final key. Unregistering closes the session.
class PortalGlobalShortcuts : public QObject, public GlobalHotkeys {
  Q_OBJECT

 public:
  PortalGlobalShortcuts();
  ~PortalGlobalShortcuts() override;

  // Whether the session bus has a portal offering GlobalShortcuts.
  static bool available();

  bool registerHotkey(HotkeyId id, std::uint32_t modifiers, std::uint32_t virtualKey,
                      std::function<void()> onPressed) override;
  void unregisterHotkey(HotkeyId id) override;
  std::vector<std::string> keyNames(std::uint32_t virtualKey) override;

 private slots:
  // The answer to CreateSession (response, results) and the Activated signal, as whole messages.
  void sessionCreated(const QDBusMessage& answer);
  void activated(const QDBusMessage& signal);

 private:
  struct Binding {
    QString trigger;
    QString requestPath;  // the CreateSession request being answered
    QString sessionPath;  // once the portal has made the session
    std::function<void()> onPressed;
  };

  QString requestPath(const QString& token) const;
  void bind(Binding& binding);
  void closeSession(const QString& sessionPath);

  std::map<HotkeyId, Binding> bindings_;
  XkbKeyboardLayout layout_;
};

}  // namespace lumaro::platform::linuxos
