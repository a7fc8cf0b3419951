#pragma once

#include <QObject>
#include <QString>
#include <QVariantMap>

/**
 * The application's entry in the task bar or dock: shows a run's progress and the count of files
 * left through com.canonical.Unity.LauncherEntry, which Plasma's task manager and the GNOME docks
 * read. A signal on the session bus, so without a bus or a reader nothing happens and nothing waits.
 */
class LauncherEntry final : public QObject
{
    Q_OBJECT

public:
    /** desktopEntry is the installed desktop entry's name ("vantorel-kompresto"), which the docks match. */
    explicit LauncherEntry(const QString& desktopEntry, QObject* parent = nullptr);

    /** Shows fraction (0 to 1) as the entry's progress and filesLeft as its count. */
    void showProgress(double fraction, int filesLeft);
    /** Takes progress and count off the entry. */
    void clear();

    /** The object path the updates come from. */
    static QString objectPath();

private:
    void update(const QVariantMap& properties);

    const QString m_applicationUri;
    bool m_showing = false;
};
