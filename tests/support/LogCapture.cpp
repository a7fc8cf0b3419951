#include "support/LogCapture.h"

namespace {
    QMutex capturedLock;
    QStringList captured;
    QStringList capturedWarnings;
} // namespace

LogCapture::LogCapture()
{
    QMutexLocker locker(&capturedLock);
    captured.clear();
    capturedWarnings.clear();
    m_previous = qInstallMessageHandler(&LogCapture::handler);
}

LogCapture::~LogCapture() { qInstallMessageHandler(m_previous); }

QStringList LogCapture::messages() const
{
    QMutexLocker locker(&capturedLock);
    return captured;
}

QStringList LogCapture::warnings() const
{
    QMutexLocker locker(&capturedLock);
    return capturedWarnings;
}

bool LogCapture::contains(const QString& text) const
{
    const QStringList all = messages();
    return std::any_of(all.cbegin(), all.cend(), [&](const QString& message) { return message.contains(text); });
}

void LogCapture::handler(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    QMutexLocker locker(&capturedLock);
    captured.append(message);
    if (type == QtWarningMsg || type == QtCriticalMsg || type == QtFatalMsg) {
        capturedWarnings.append(message);
    }
}
