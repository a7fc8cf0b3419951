#include "foundation/SingleInstance.h"

#include "foundation/CommandLinePaths.h"
#include "foundation/InstanceSocket.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDebug>
#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace {
    const QString objectPath = QStringLiteral("/com/vantorel/Kompresto/Window");
    const QString interfaceName = QStringLiteral("com.vantorel.Kompresto.Window");
    // Startup notification ids and activation tokens are short; a longer one is no token.
    constexpr int maximumTokenLength = 1024;

    QString folderKey(const QString& settingsFolder)
    {
        const QByteArray folder = QDir::cleanPath(QDir(settingsFolder).absolutePath()).toUtf8();
        return QString::fromLatin1(QCryptographicHash::hash(folder, QCryptographicHash::Sha1).toHex().left(16));
    }
} // namespace

SingleInstance::SingleInstance(const QString& settingsFolder, QObject* parent)
    : QObject(parent)
    , m_settingsFolder(settingsFolder)
{
}

SingleInstance::~SingleInstance() { release(); }

void SingleInstance::release()
{
    if (m_onBus) {
        m_onBus = false;
        QDBusConnection bus = QDBusConnection::sessionBus();
        bus.unregisterService(serviceName(m_settingsFolder));
        bus.unregisterObject(objectPath);
    }
    m_socket.reset(); // closes the socket and removes its file
}

QString SingleInstance::serviceName(const QString& settingsFolder)
{
    // A bus name element must not begin with a digit.
    return QStringLiteral("com.vantorel.Kompresto.w") + folderKey(settingsFolder);
}

QString SingleInstance::socketPath(const QString& runtimeFolder, const QString& settingsFolder)
{
    return runtimeFolder + QStringLiteral("/vantorel-kompresto-") + folderKey(settingsFolder)
        + QStringLiteral(".socket");
}

QString SingleInstance::activationTokenFromEnvironment()
{
    for (const char* variable : { "XDG_ACTIVATION_TOKEN", "DESKTOP_STARTUP_ID" }) {
        const QString token = qEnvironmentVariable(variable);
        if (!token.isEmpty() && token.size() <= maximumTokenLength) {
            return token;
        }
    }
    return QString();
}

SingleInstance::Start SingleInstance::start(const QStringList& paths, const QString& activationToken)
{
    const Start outcome = QDBusConnection::sessionBus().isConnected() ? startOnBus(paths, activationToken)
                                                                      : startOnSocket(paths, activationToken);
    // A window that is closing answers no one; the next start must not wait for it.
    if (outcome == Start::First && QCoreApplication::instance() != nullptr) {
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, &SingleInstance::release);
    }
    return outcome;
}

SingleInstance::Start SingleInstance::startOnBus(const QStringList& paths, const QString& activationToken)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    const QString name = serviceName(m_settingsFolder);
    // The method is there before the name, so a start that finds the name can always call it.
    m_onBus = bus.registerObject(objectPath, this, QDBusConnection::ExportScriptableSlots);
    if (!m_onBus) {
        qWarning() << "Cannot offer the window on the session bus:" << bus.lastError().message();
        return Start::First;
    }
    // A window that crashed lost its name with its connection; only a living window still holds it.
    const auto claimed = bus.interface()->registerService(
        name, QDBusConnectionInterface::DontQueueService, QDBusConnectionInterface::AllowReplacement);
    if (claimed.isValid() && claimed.value() == QDBusConnectionInterface::ServiceRegistered) {
        return Start::First;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(name, objectPath, interfaceName, QStringLiteral("Open"));
    call << paths << activationToken;
    const QDBusMessage answer = bus.call(call, QDBus::Block, handOverTimeoutMs);
    if (answer.type() == QDBusMessage::ReplyMessage) {
        return Start::HandedOver;
    }
    // The window that holds the name does not answer: it hangs, so this start takes its place.
    qWarning() << "The open window does not answer (" << answer.errorMessage() << "); taking its place.";
    bus.interface()->registerService(
        name, QDBusConnectionInterface::ReplaceExistingService, QDBusConnectionInterface::AllowReplacement);
    return Start::First;
}

SingleInstance::Start SingleInstance::startOnSocket(const QStringList& paths, const QString& activationToken)
{
    // Without XDG_RUNTIME_DIR, Qt makes a private folder of the user's own in the temporary folder.
    const QString runtimeFolder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtimeFolder.isEmpty()) {
        qWarning() << "No runtime folder: other starts open windows of their own.";
        return Start::First;
    }
    const QString path = socketPath(runtimeFolder, m_settingsFolder);
    // Two starts at once: one makes the socket, the other finds it. A lock of a crashed start is stale at once.
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(handOverTimeoutMs)) {
        qWarning() << "Cannot lock" << path << "- starting on its own.";
    }
    m_socket = std::make_unique<InstanceSocket>(path);
    if (m_socket->handOver(paths, activationToken, handOverTimeoutMs)) {
        return Start::HandedOver;
    }
    if (m_socket->listen()) {
        connect(m_socket.get(), &InstanceSocket::received, this, &SingleInstance::deliver);
    }
    return Start::First;
}

void SingleInstance::Open(const QStringList& paths, const QString& activationToken) { deliver(paths, activationToken); }

void SingleInstance::deliver(const QStringList& paths, const QString& activationToken)
{
    const QString token = activationToken.size() <= maximumTokenLength ? activationToken : QString();
    emit openRequested(CommandLinePaths::acceptHandedOver(paths), token);
}
