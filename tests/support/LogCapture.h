#pragma once

#include <QMutex>
#include <QStringList>
#include <QtGlobal>

/** Collects every Qt log message of every thread for as long as it lives, then restores the previous handler. */
class LogCapture final
{
public:
    LogCapture();
    ~LogCapture();

    QStringList messages() const;
    /** The messages logged at warning level or above. */
    QStringList warnings() const;
    bool contains(const QString& text) const;

private:
    static void handler(QtMsgType type, const QMessageLogContext& context, const QString& message);

    QtMessageHandler m_previous = nullptr;
};
