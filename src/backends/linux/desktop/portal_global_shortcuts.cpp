#include "backends/linux/desktop/portal_global_shortcuts.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QTimer>

// One shortcut of BindShortcuts: (id, {description, preferred_trigger}).
struct PortalShortcut {
  QString id;
  QVariantMap properties;
};
Q_DECLARE_METATYPE(PortalShortcut)

static QDBusArgument& operator<<(QDBusArgument& out, const PortalShortcut& shortcut) {
  out.beginStructure();
  out << shortcut.id << shortcut.properties;
  out.endStructure();
  return out;
}

static const QDBusArgument& operator>>(const QDBusArgument& in, PortalShortcut& shortcut) {
  in.beginStructure();
  in >> shortcut.id >> shortcut.properties;
  in.endStructure();
  return in;
}

namespace lumaro::platform::linuxos {

namespace {

const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kShortcutsInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString kRequestInterface = QStringLiteral("org.freedesktop.portal.Request");
const QString kShortcutId = QStringLiteral("optimize");
// Long enough for the portal to be started on demand by the bus.
constexpr int kTimeoutMs = 3000;

QString nextToken() {
  static int next = 0;
  return QStringLiteral("lumaro%1").arg(++next);
}

QDBusMessage portalCall(const QString& method) {
  return QDBusMessage::createMethodCall(kPortalService, kPortalPath, kShortcutsInterface, method);
}

}  // namespace

QString portalTrigger(std::uint32_t modifiers, const std::string& keyName) {
  if (keyName.empty()) return {};
  QString trigger;
  if (modifiers & kModControl) trigger += QStringLiteral("CTRL+");
  if (modifiers & kModAlt) trigger += QStringLiteral("ALT+");
  if (modifiers & kModShift) trigger += QStringLiteral("SHIFT+");
  return trigger + QString::fromStdString(keyName);
}

PortalGlobalShortcuts::PortalGlobalShortcuts() {
  qDBusRegisterMetaType<PortalShortcut>();
  qDBusRegisterMetaType<QList<PortalShortcut>>();
  QDBusConnection::sessionBus().connect(kPortalService, kPortalPath, kShortcutsInterface,
                                        QStringLiteral("Activated"), this, SLOT(activated(QDBusMessage)));
}

PortalGlobalShortcuts::~PortalGlobalShortcuts() {
  for (const auto& [id, binding] : bindings_) closeSession(binding.sessionPath);
}

bool PortalGlobalShortcuts::available() {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return false;
  QDBusMessage get = QDBusMessage::createMethodCall(
      kPortalService, kPortalPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
  get << kShortcutsInterface << QStringLiteral("version");
  return bus.call(get, QDBus::Block, kTimeoutMs).type() == QDBusMessage::ReplyMessage;
}

// The portal answers a request on an object named after our connection and the request's token.
QString PortalGlobalShortcuts::requestPath(const QString& token) const {
  QString sender = QDBusConnection::sessionBus().baseService().mid(1);
  sender.replace(QLatin1Char('.'), QLatin1Char('_'));
  return QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
}

bool PortalGlobalShortcuts::registerHotkey(HotkeyId id, std::uint32_t modifiers, std::uint32_t virtualKey,
                                           std::function<void()> onPressed) {
  const QString trigger = portalTrigger(modifiers, layout_.symbolName(virtualKey));
  if (trigger.isEmpty() || bindings_.contains(id)) return false;
  QDBusConnection bus = QDBusConnection::sessionBus();
  const QString token = nextToken();
  Binding binding{trigger, requestPath(token), {}, std::move(onPressed)};
  // Listen before asking, so that a quick answer is not missed.
  bus.connect(kPortalService, binding.requestPath, kRequestInterface, QStringLiteral("Response"), this,
              SLOT(sessionCreated(QDBusMessage)));
  QDBusMessage create = portalCall(QStringLiteral("CreateSession"));
  create << QVariantMap{{QStringLiteral("handle_token"), token},
                        {QStringLiteral("session_handle_token"), nextToken()}};
  if (bus.call(create, QDBus::Block, kTimeoutMs).type() != QDBusMessage::ReplyMessage) {
    bus.disconnect(kPortalService, binding.requestPath, kRequestInterface, QStringLiteral("Response"), this,
                   SLOT(sessionCreated(QDBusMessage)));
    return false;
  }
  bindings_[id] = std::move(binding);
  return true;
}

void PortalGlobalShortcuts::sessionCreated(const QDBusMessage& answer) {
  const QString request = answer.path();
  QDBusConnection::sessionBus().disconnect(kPortalService, request, kRequestInterface,
                                           QStringLiteral("Response"), this,
                                           SLOT(sessionCreated(QDBusMessage)));
  const QList<QVariant> arguments = answer.arguments();
  if (arguments.size() < 2) return;
  const uint response = arguments[0].toUInt();
  const QVariantMap results = qdbus_cast<QVariantMap>(arguments[1]);
  for (auto& [id, binding] : bindings_) {
    if (binding.requestPath != request) continue;
    binding.requestPath.clear();
    // Version 1 of the interface hands the session back as a string.
    const QVariant handle = results.value(QStringLiteral("session_handle"));
    binding.sessionPath =
        handle.canConvert<QDBusObjectPath>() ? handle.value<QDBusObjectPath>().path() : handle.toString();
    if (response == 0 && !binding.sessionPath.isEmpty()) bind(binding);
    return;
  }
  // Answered after its registration was withdrawn: the session is not wanted.
  closeSession(results.value(QStringLiteral("session_handle")).toString());
}

void PortalGlobalShortcuts::bind(Binding& binding) {
  QDBusMessage call = portalCall(QStringLiteral("BindShortcuts"));
  const QList<PortalShortcut> shortcuts{{kShortcutId,
                                         {{QStringLiteral("description"), QStringLiteral("Otimizar a RAM")},
                                          {QStringLiteral("preferred_trigger"), binding.trigger}}}};
  call << QVariant::fromValue(QDBusObjectPath(binding.sessionPath)) << QVariant::fromValue(shortcuts)
       << QString() << QVariantMap{{QStringLiteral("handle_token"), nextToken()}};
  QDBusConnection::sessionBus().asyncCall(call, kTimeoutMs);
}

void PortalGlobalShortcuts::closeSession(const QString& sessionPath) {
  if (sessionPath.isEmpty()) return;
  QDBusConnection::sessionBus().asyncCall(QDBusMessage::createMethodCall(
      kPortalService, sessionPath, QStringLiteral("org.freedesktop.portal.Session"),
      QStringLiteral("Close")));
}

void PortalGlobalShortcuts::unregisterHotkey(HotkeyId id) {
  auto found = bindings_.find(id);
  if (found == bindings_.end()) return;
  closeSession(found->second.sessionPath);
  bindings_.erase(found);
}

std::vector<std::string> PortalGlobalShortcuts::keyNames(std::uint32_t virtualKey) {
  return layout_.names(virtualKey);
}

void PortalGlobalShortcuts::activated(const QDBusMessage& signal) {
  const QList<QVariant> arguments = signal.arguments();
  if (arguments.size() < 2 || arguments[1].toString() != kShortcutId) return;
  const QString session = arguments[0].value<QDBusObjectPath>().path();
  for (const auto& [id, binding] : bindings_) {
    if (binding.sessionPath == session && binding.onPressed) {
      QTimer::singleShot(0, this, binding.onPressed);
      return;
    }
  }
}

}  // namespace lumaro::platform::linuxos
