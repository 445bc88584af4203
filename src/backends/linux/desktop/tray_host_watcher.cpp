#include "backends/linux/desktop/tray_host_watcher.h"

#include <xcb/xcb.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QGuiApplication>
#include <QTimer>
#include <cstdlib>
#include <string>

namespace lumaro::platform::linuxos {

namespace {

const QString kWatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kWatcherPath = QStringLiteral("/StatusNotifierWatcher");

std::uint32_t internAtom(xcb_connection_t* connection, const std::string& name) {
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
      connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.c_str()),
      nullptr);
  if (reply == nullptr) return 0;
  const std::uint32_t atom = reply->atom;
  std::free(reply);
  return atom;
}

}  // namespace

TrayHostWatcher::TrayHostWatcher(std::function<void()> onChange)
    : onChange_(std::move(onChange)),
      serviceWatcher_(
          kWatcherService, QDBusConnection::sessionBus(),
          QDBusServiceWatcher::WatchForRegistration | QDBusServiceWatcher::WatchForUnregistration) {
  connect(&serviceWatcher_, &QDBusServiceWatcher::serviceRegistered, this, [this] { changed(); });
  connect(&serviceWatcher_, &QDBusServiceWatcher::serviceUnregistered, this, [this] { changed(); });
  QDBusConnection::sessionBus().connect(kWatcherService, kWatcherPath, kWatcherService,
                                        QStringLiteral("StatusNotifierHostRegistered"), this,
                                        SLOT(statusNotifierHostRegistered()));
  watchXEmbedTrays();
}

TrayHostWatcher::~TrayHostWatcher() {
  if (connection_ != nullptr && QCoreApplication::instance() != nullptr) {
    QCoreApplication::instance()->removeNativeEventFilter(this);
  }
}

bool TrayHostWatcher::statusNotifierHostPresent() {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected() || !bus.interface()->isServiceRegistered(kWatcherService)) return false;
  QDBusMessage get = QDBusMessage::createMethodCall(kWatcherService, kWatcherPath,
                                                    QStringLiteral("org.freedesktop.DBus.Properties"),
                                                    QStringLiteral("Get"));
  get << kWatcherService << QStringLiteral("IsStatusNotifierHostRegistered");
  constexpr int kTimeoutMs = 2000;
  const QDBusMessage reply = bus.call(get, QDBus::Block, kTimeoutMs);
  if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return false;
  return reply.arguments().first().value<QDBusVariant>().variant().toBool();
}

void TrayHostWatcher::statusNotifierHostRegistered() {
  changed();
}

void TrayHostWatcher::watchXEmbedTrays() {
  auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (x11 == nullptr || x11->connection() == nullptr) return;
  connection_ = x11->connection();
  char* host = nullptr;
  int displayNumber = 0;
  int screenNumber = 0;
  if (xcb_parse_display(nullptr, &host, &displayNumber, &screenNumber) == 0) screenNumber = 0;
  std::free(host);
  managerAtom_ = internAtom(connection_, "MANAGER");
  selectionAtom_ = internAtom(connection_, "_NET_SYSTEM_TRAY_S" + std::to_string(screenNumber));
  // A new tray owner announces itself to the root window's structure listeners; keep the mask the
  // toolkit already selected there.
  xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection_));
  for (int i = 0; i < screenNumber && screens.rem > 0; ++i) xcb_screen_next(&screens);
  const xcb_window_t root = screens.data->root;
  std::uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
  if (xcb_get_window_attributes_reply_t* attributes = xcb_get_window_attributes_reply(
          connection_, xcb_get_window_attributes(connection_, root), nullptr)) {
    mask |= attributes->your_event_mask;
    std::free(attributes);
  }
  xcb_change_window_attributes(connection_, root, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(connection_);
  QCoreApplication::instance()->installNativeEventFilter(this);
}

bool TrayHostWatcher::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
  if (eventType != "xcb_generic_event_t") return false;
  auto* event = static_cast<xcb_generic_event_t*>(message);
  if ((event->response_type & ~0x80) != XCB_CLIENT_MESSAGE) return false;
  auto* client = reinterpret_cast<xcb_client_message_event_t*>(event);
  if (client->type == managerAtom_ && client->format == 32 && client->data.data32[1] == selectionAtom_)
    changed();
  return false;  // the toolkit's own tray tracking sees it too
}

void TrayHostWatcher::changed() {
  // Several announcements in a row (a watcher and its host) make one re-add.
  if (changePending_) return;
  changePending_ = true;
  QTimer::singleShot(0, this, [this] {
    changePending_ = false;
    if (onChange_) onChange_();
  });
}

}  // namespace lumaro::platform::linuxos
