#pragma once
#include "hotkey/short_cut.h"
#include "platform/global_hotkeys.h"
#include "toolkit/core/application.h"
#include "toolkit/core/component.h"
#include "toolkit/core/event.h"

namespace lumaro::hotkey {

// One system-wide key combination: registered while Enabled and the system accepts it; each press
// raises OnHotKey. A refused combination stays unregistered, silently.
class TfisHotKey : public toolkit::Component {
 public:
  TfisHotKey(toolkit::Component* owner, toolkit::Application& app, platform::GlobalHotkeys& hotkeys);
  ~TfisHotKey() override;

  bool Enabled() const { return enabled_; }
  void setEnabled(bool enabled);
  TShortCut Key() const { return key_; }
  void setKey(TShortCut key);
  bool registered() const { return registered_; }

  toolkit::NotifyEvent OnHotKey;

 private:
  void registerKey();
  void unregisterKey();

  toolkit::Application& app_;
  platform::GlobalHotkeys& hotkeys_;
  platform::GlobalHotkeys::HotkeyId id_;
  bool enabled_ = true;
  bool registered_ = false;
  TShortCut key_ = 0;
};

}  // namespace lumaro::hotkey
