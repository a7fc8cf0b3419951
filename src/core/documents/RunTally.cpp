#include "documents/RunTally.h"

#include "documents/FileItem.h"
#include "engine/GSCompressor.h"

#include <QStringList>
#include <algorithm>

RunTally::RunTally(int total, int locked)
    : m_total(total)
    , m_locked(locked)
{
}

void RunTally::noteStarted() { m_started = std::min(m_started + 1, m_total); }

void RunTally::record(int code, qint64 bytesBefore, qint64 bytesAfter)
{
    if (code == GSCompressor::Stopped) {
        return; // neither done nor failed: the row is pending again
    }
    if (code != GSCompressor::Success) {
        ++m_failed;
        return;
    }
    ++m_succeeded;
    m_bytesBefore += bytesBefore;
    m_bytesAfter += bytesAfter;
}

QString RunTally::progressText() const
{
    if (m_stopped) {
        return tr("Stopping…");
    }
    return tr("Compressing %1 of %2").arg(std::max(1, m_started)).arg(m_total);
}

QString RunTally::summary() const
{
    QStringList parts;
    if (m_succeeded > 0 || (m_failed == 0 && !m_stopped)) {
        parts << tr("%n file(s)", nullptr, m_succeeded);
    }
    if (m_succeeded > 0) {
        parts << savingText();
    }
    if (m_failed > 0) {
        parts << tr("%n failed", nullptr, m_failed);
    }
    if (m_locked > 0) {
        parts << tr("%n locked, not compressed", nullptr, m_locked);
    }
    if (m_stopped) {
        // Stopped before anything was done: the line says just that.
        parts << (parts.isEmpty() ? tr("Stopped") : tr("stopped"));
    }
    return parts.join(QStringLiteral(" · "));
}

QString RunTally::savingText() const
{
    const qint64 saved = m_bytesBefore - m_bytesAfter;
    const int percent = m_bytesBefore > 0 ? qRound(100.0 * saved / m_bytesBefore) : 0;
    return QStringLiteral("%1 → %2 · %3")
        .arg(localDecimals(formatFileSize(m_bytesBefore)), localDecimals(formatFileSize(m_bytesAfter)),
            tr("%1 % smaller").arg(percent));
}
