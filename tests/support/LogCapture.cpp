#include "support/LogCapture.h"

namespace {
    QMutex capturedLock;
    QStringList captured;
} // namespace

LogCapture::LogCapture()
{
    QMutexLocker locker(&capturedLock);
    captured.clear();
    m_previous = qInstallMessageHandler(&LogCapture::handler);
}

LogCapture::~LogCapture() { qInstallMessageHandler(m_previous); }

QStringList LogCapture::messages() const
{
    QMutexLocker locker(&capturedLock);
    return captured;
}

bool LogCapture::contains(const QString& text) const
{
    const QStringList all = messages();
    return std::any_of(all.cbegin(), all.cend(), [&](const QString& message) { return message.contains(text); });
}

void LogCapture::handler(QtMsgType, const QMessageLogContext&, const QString& message)
{
    QMutexLocker locker(&capturedLock);
    captured.append(message);
}
