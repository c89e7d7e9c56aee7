#include "desktop/PortalGlobalShortcut.h"

#include "desktop/PortalTrigger.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QRandomGenerator>

#include <optional>

// One shortcut as the portal takes it: (id, {description, preferred_trigger}).
struct PortalShortcutEntry {
    QString id;
    QVariantMap properties;
};
Q_DECLARE_METATYPE(PortalShortcutEntry)

QDBusArgument &operator<<(QDBusArgument &argument, const PortalShortcutEntry &entry)
{
    argument.beginStructure();
    argument << entry.id << entry.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, PortalShortcutEntry &entry)
{
    argument.beginStructure();
    argument >> entry.id >> entry.properties;
    argument.endStructure();
    return argument;
}

namespace {
const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kShortcutsInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString kRequestInterface = QStringLiteral("org.freedesktop.portal.Request");
// Kelo's desktop file is io.github.kelo.kelo.desktop: the desktop shows the shortcut under
// that application.
const QString kApplicationId = QStringLiteral("io.github.kelo.kelo");
const QString kShortcutId = QStringLiteral("answer-copied-riddle");
const char *const kShortcutDescription = QT_TRANSLATE_NOOP(
    "PortalGlobalShortcut", "Найти ответ на скопированную загадку и положить его в буфер обмена");
// The same at every start: KDE names the shortcut's settings after the session's token, so
// keys the player assigns there are found again at the next start.
const QString kSessionToken = QStringLiteral("kelo");
const QString kShortcutsKey = QStringLiteral("shortcuts");
// Longer paths than this are not believed.
constexpr qsizetype kMaxPathLength = 1024;
// A list of bound shortcuts is read this far; the desktop's description of keys this long.
constexpr int kMaxListedShortcuts = 256;
constexpr qsizetype kMaxTriggerLength = 64;

// A fresh object path element: letters, digits and '_' only.
QString newToken()
{
    return QStringLiteral("kelo_%1").arg(QRandomGenerator::global()->generate());
}

QString pathIn(const QVariant &value)
{
    if (value.metaType() == QMetaType::fromType<QDBusObjectPath>())
        return value.value<QDBusObjectPath>().path();
    // Some portals send the session's path as a plain string.
    return value.metaType() == QMetaType::fromType<QString>() ? value.toString() : QString();
}

// Our shortcut in a portal's list of bound shortcuts (a(sa{sv})), with the desktop's own
// description of its keys (possibly empty); nothing when it is not listed.
std::optional<QString> boundTrigger(const QVariant &shortcuts)
{
    if (shortcuts.metaType() != QMetaType::fromType<QDBusArgument>())
        return std::nullopt;
    const QDBusArgument list = shortcuts.value<QDBusArgument>();
    if (list.currentSignature() != QLatin1String("a(sa{sv})"))
        return std::nullopt;
    // Every beginArray is ended, also when the entry is found early: Qt frees the array's
    // reader only there.
    std::optional<QString> found;
    list.beginArray();
    for (int read = 0; read < kMaxListedShortcuts && !list.atEnd(); ++read) {
        PortalShortcutEntry entry;
        list >> entry;
        if (entry.id != kShortcutId)
            continue;
        // Printed for the player: one line of plain text.
        QString trigger = entry.properties.value(QStringLiteral("trigger_description")).toString();
        trigger.truncate(kMaxTriggerLength);
        trigger.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
        found = trigger.trimmed();
        break;
    }
    list.endArray();
    return found;
}
} // namespace

bool PortalGlobalShortcut::isWaylandSession()
{
    const QString sessionType = qEnvironmentVariable("XDG_SESSION_TYPE");
    return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           sessionType.compare(QLatin1String("wayland"), Qt::CaseInsensitive) == 0;
}

PortalGlobalShortcut::PortalGlobalShortcut(const QDBusConnection &bus, Fallback fallback)
    : m_bus(bus), m_fallback(std::move(fallback))
{
    qDBusRegisterMetaType<PortalShortcutEntry>();
    qDBusRegisterMetaType<QList<PortalShortcutEntry>>();
    // A child like any other, so that a test can let its time pass.
    m_answerTimer.setParent(this);
    m_answerTimer.setSingleShot(true);
    m_answerTimer.setInterval(kAnswerTimeoutMs);
    connect(&m_answerTimer, &QTimer::timeout, this, [this] {
        // Withdraws whatever the desktop may still be asking the player.
        m_bus.send(QDBusMessage::createMethodCall(kPortalService, m_requestPath, kRequestInterface,
                                                  QStringLiteral("Close")));
        refuse(QStringLiteral("the desktop portal did not answer within %1 s").arg(kAnswerTimeoutMs / 1000));
    });
}

PortalGlobalShortcut::~PortalGlobalShortcut() = default;

void PortalGlobalShortcut::grab(const QKeySequence &keys)
{
    if (m_step != Step::Idle)
        return;
    m_keys = keys;
    if (!m_bus.isConnected()) {
        useFallback();
        return;
    }
    m_step = Step::Asking;
    registerApplication();
}

void PortalGlobalShortcut::registerApplication()
{
    // Outside a sandbox the portal knows a program by this; a portal without the registry
    // answers with an error, which changes nothing.
    QDBusMessage method = QDBusMessage::createMethodCall(
        kPortalService, kPortalPath, QStringLiteral("org.freedesktop.host.portal.Registry"),
        QStringLiteral("Register"));
    method << kApplicationId << QVariantMap();
    callPortal(method, [this](const QDBusMessage &) { askForShortcuts(); });
}

void PortalGlobalShortcut::askForShortcuts()
{
    QDBusMessage method = QDBusMessage::createMethodCall(kPortalService, kPortalPath,
                                                         QStringLiteral("org.freedesktop.DBus.Properties"),
                                                         QStringLiteral("Get"));
    method << kShortcutsInterface << QStringLiteral("version");
    callPortal(method, [this](const QDBusMessage &reply) {
        if (reply.type() != QDBusMessage::ReplyMessage) {
            useFallback(); // no portal, or one without global shortcuts
            return;
        }
        m_portal = reply.service();
        openSession();
    });
}

QVariant PortalGlobalShortcut::shortcutList() const
{
    QVariantMap properties{{QStringLiteral("description"),
                            QCoreApplication::translate("PortalGlobalShortcut", kShortcutDescription)}};
    const QString trigger = portalTrigger(m_keys);
    if (!trigger.isEmpty())
        properties.insert(QStringLiteral("preferred_trigger"), trigger);
    return QVariant::fromValue(QList<PortalShortcutEntry>{{kShortcutId, properties}});
}

void PortalGlobalShortcut::openSession()
{
    m_step = Step::OpeningSession;
    m_sessionPath = objectPath("session", kSessionToken);
    // Presses arrive as Activated on the portal's own object, from the moment the session
    // binds the shortcut.
    m_bus.connect(QString(), kPortalPath, kShortcutsInterface, QStringLiteral("Activated"), this,
                  SLOT(takeActivation(QDBusObjectPath, QString, qulonglong, QVariantMap, QDBusMessage)));
    const QString token = newToken();
    QDBusMessage method = QDBusMessage::createMethodCall(kPortalService, kPortalPath, kShortcutsInterface,
                                                         QStringLiteral("CreateSession"));
    // KDE Plasma 5.27 binds only the shortcuts named here, and its BindShortcuts binds nothing;
    // portals that do not know the option leave it aside.
    method << QVariantMap{{QStringLiteral("handle_token"), token},
                          {QStringLiteral("session_handle_token"), kSessionToken},
                          {kShortcutsKey, shortcutList()}};
    request(method, token);
}

void PortalGlobalShortcut::bindShortcut()
{
    m_step = Step::Binding;
    const QString token = newToken();
    QDBusMessage method = QDBusMessage::createMethodCall(kPortalService, kPortalPath, kShortcutsInterface,
                                                         QStringLiteral("BindShortcuts"));
    method << QVariant::fromValue(QDBusObjectPath(m_sessionPath)) << shortcutList() << QString()
           << QVariantMap{{QStringLiteral("handle_token"), token}};
    request(method, token);
}

void PortalGlobalShortcut::listShortcuts()
{
    m_step = Step::Listing;
    const QString token = newToken();
    QDBusMessage method = QDBusMessage::createMethodCall(kPortalService, kPortalPath, kShortcutsInterface,
                                                         QStringLiteral("ListShortcuts"));
    method << QVariant::fromValue(QDBusObjectPath(m_sessionPath))
           << QVariantMap{{QStringLiteral("handle_token"), token}};
    request(method, token);
}

void PortalGlobalShortcut::callPortal(const QDBusMessage &method,
                                      std::function<void(const QDBusMessage &)> done)
{
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(method, kAnswerTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [watcher, done = std::move(done)] {
        watcher->deleteLater();
        done(watcher->reply());
    });
}

void PortalGlobalShortcut::request(const QDBusMessage &method, const QString &token)
{
    const QString predicted = objectPath("request", token);
    awaitResponseAt(predicted);
    m_answerTimer.start();
    callPortal(method, [this, predicted, step = m_step](const QDBusMessage &reply) {
        if (m_step != step)
            return; // answered already, or given up
        if (reply.type() != QDBusMessage::ReplyMessage) {
            refuse(QStringLiteral("the desktop portal failed: %1").arg(reply.errorName()));
            return;
        }
        // Portals older than the tokens make up their own path; the answer comes there.
        const QString handle = reply.arguments().value(0).value<QDBusObjectPath>().path();
        if (!handle.isEmpty() && handle != predicted && handle.size() <= kMaxPathLength)
            awaitResponseAt(handle);
    });
}

void PortalGlobalShortcut::awaitResponseAt(const QString &path)
{
    stopAwaitingResponse();
    m_requestPath = path;
    m_bus.connect(QString(), m_requestPath, kRequestInterface, QStringLiteral("Response"), this,
                  SLOT(takeResponse(uint, QVariantMap, QDBusMessage)));
}

void PortalGlobalShortcut::stopAwaitingResponse()
{
    if (m_requestPath.isEmpty())
        return;
    m_bus.disconnect(QString(), m_requestPath, kRequestInterface, QStringLiteral("Response"), this,
                     SLOT(takeResponse(uint, QVariantMap, QDBusMessage)));
    m_requestPath.clear();
}

void PortalGlobalShortcut::takeResponse(uint response, const QVariantMap &results,
                                        const QDBusMessage &message)
{
    if (message.service() != m_portal || message.path() != m_requestPath)
        return;
    m_answerTimer.stop();
    stopAwaitingResponse();
    if (m_step == Step::OpeningSession) {
        if (response != 0) {
            refuse(QStringLiteral("the desktop portal opened no session (answer %1)").arg(response));
            return;
        }
        const QString session = pathIn(results.value(QStringLiteral("session_handle")));
        if (!session.isEmpty() && session.size() <= kMaxPathLength)
            m_sessionPath = session;
        // A portal that took the list with the session (KDE Plasma 5.27) says so here; asked
        // to bind it again, that one sets out to open the desktop's shortcut settings.
        if (const std::optional<QString> trigger = boundTrigger(results.value(kShortcutsKey)))
            becomeBound(*trigger);
        else
            bindShortcut();
    } else if (m_step == Step::Binding) {
        if (response != 0) {
            refuse(QStringLiteral("the desktop did not grant it (answer %1)").arg(response));
            return;
        }
        // Some portals answer without the list (KDE Plasma 6 after the player confirmed).
        if (results.contains(kShortcutsKey))
            takeBoundList(results.value(kShortcutsKey));
        else
            listShortcuts();
    } else if (m_step == Step::Listing) {
        takeBoundList(response == 0 ? results.value(kShortcutsKey) : QVariant());
    }
}

void PortalGlobalShortcut::takeBoundList(const QVariant &shortcuts)
{
    if (const std::optional<QString> trigger = boundTrigger(shortcuts))
        becomeBound(*trigger);
    else
        useFallbackForUnbound();
}

void PortalGlobalShortcut::becomeBound(const QString &trigger)
{
    m_step = Step::Bound;
    const QString keys = m_keys.toString(QKeySequence::PortableText);
    if (trigger.isEmpty())
        emit grantedAs(
            QStringLiteral("the desktop bound keys of its choice for riddles (%1 was asked for)").arg(keys));
    else
        emit grantedAs(QStringLiteral("the desktop answers riddles on %1").arg(trigger));
}

void PortalGlobalShortcut::useFallbackForUnbound()
{
    const QString reason = QStringLiteral("the desktop bound no shortcut");
    closeSession();
    m_step = Step::Off;
    m_fallbackShortcut = m_fallback();
    if (!m_fallbackShortcut) {
        emit refused(reason);
        return;
    }
    connect(m_fallbackShortcut.get(), &GlobalShortcut::activated, this, &GlobalShortcut::activated);
    connect(m_fallbackShortcut.get(), &GlobalShortcut::refused, this, [this, reason](const QString &why) {
        m_fallbackRefused = true;
        emit refused(QStringLiteral("%1, and the X11 key grab failed: %2").arg(reason, why));
    });
    m_fallbackShortcut->grab(m_keys);
    if (!m_fallbackRefused)
        emit grantedAs(QStringLiteral("%1; riddles are answered on %2 only while an X11 window has the focus")
                           .arg(reason, m_keys.toString(QKeySequence::PortableText)));
}

void PortalGlobalShortcut::takeActivation(const QDBusObjectPath &session, const QString &shortcutId,
                                          qulonglong, const QVariantMap &, const QDBusMessage &message)
{
    if (m_step == Step::Bound && message.service() == m_portal && session.path() == m_sessionPath &&
        shortcutId == kShortcutId)
        emit activated();
}

void PortalGlobalShortcut::useFallback()
{
    m_step = Step::Off;
    m_fallbackShortcut = m_fallback();
    if (!m_fallbackShortcut) {
        emit refused(QStringLiteral("desktop-wide shortcuts need the desktop portal or an X11 display"));
        return;
    }
    connect(m_fallbackShortcut.get(), &GlobalShortcut::activated, this, &GlobalShortcut::activated);
    connect(m_fallbackShortcut.get(), &GlobalShortcut::refused, this, &GlobalShortcut::refused);
    m_fallbackShortcut->grab(m_keys);
}

void PortalGlobalShortcut::refuse(const QString &reason)
{
    if (m_step == Step::Binding || m_step == Step::Listing)
        closeSession();
    m_step = Step::Off;
    m_answerTimer.stop();
    stopAwaitingResponse();
    emit refused(reason);
}

void PortalGlobalShortcut::closeSession()
{
    m_bus.send(QDBusMessage::createMethodCall(kPortalService, m_sessionPath,
                                              QStringLiteral("org.freedesktop.portal.Session"),
                                              QStringLiteral("Close")));
}

QString PortalGlobalShortcut::objectPath(const char *kind, const QString &token) const
{
    // The portal names the objects after the caller's unique bus name, ":1.42" as "1_42".
    QString sender = m_bus.baseService().mid(1);
    sender.replace(u'.', u'_');
    return QStringLiteral("%1/%2/%3/%4").arg(kPortalPath, QLatin1String(kind), sender, token);
}
