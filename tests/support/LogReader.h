#pragma once

#include <QString>
#include <QStringList>

/** Reads what the application's log writer left in a Log folder, the way a person reading the pages would. */
namespace LogReader {
    /** The whole text of one file; empty when it cannot be read. */
    QString fileText(const QString& path);
    /** The text of every hourly log file in folder, oldest first (default: the application's Log folder). */
    QString allText(const QString& folder = QString());
    /**
     * The entries of one class ("d", "w", "c", "f", "i") in every log file of folder, oldest first, without
     * their time stamps and with the page's escapes undone.
     */
    QStringList entries(const QString& typeClass, const QString& folder = QString());
    /** Undoes the escapes the log pages apply to <, > and &. */
    QString unescaped(QString pageText);
} // namespace LogReader
