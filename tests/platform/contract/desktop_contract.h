#pragma once
#include <string>

#include "platform/clipboard.h"
#include "platform/contract/contract.h"
#include "platform/desktop.h"
#include "platform/key_events.h"
#include "platform/message_notice.h"

namespace lumaro::platform::contract {

struct DesktopSubject {
  virtual ~DesktopSubject() = default;
  virtual Desktop& desktop() = 0;
};

struct ClipboardSubject {
  virtual ~ClipboardSubject() = default;
  virtual Clipboard& clipboard() = 0;
  // Another program puts text on the clipboard; what the clipboard holds as text now.
  virtual void put(const std::string& text) = 0;
  virtual std::string text() = 0;
};

struct KeyEventsSubject {
  virtual ~KeyEventsSubject() = default;
  virtual KeyEvents& keyEvents() = 0;
};

struct MessageNoticeSubject {
  virtual ~MessageNoticeSubject() = default;
  virtual MessageNotice& notice() = 0;
  // The user will press OK on the next box as soon as it shows; afterwards, whether a box showed
  // with this caption and text (line breaks as the user sees them: "\n").
  virtual void dismissNext() = 0;
  virtual bool sawNotice(const std::string& caption, const std::string& text) = 0;
};

class DesktopContract : public ContractTest<DesktopSubject> {};
class ClipboardContract : public ContractTest<ClipboardSubject> {};
class KeyEventsContract : public ContractTest<KeyEventsSubject> {};
class MessageNoticeContract : public ContractTest<MessageNoticeSubject> {};

}  // namespace lumaro::platform::contract
