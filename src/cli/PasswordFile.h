#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

/**
 * The open passwords the command may try on locked documents, read from a file so that no password
 * ever appears in the process list: one password per line, taken exactly as written (spaces
 * included) apart from the line end; empty lines are skipped. Only a regular file of at most
 * maximumBytes is read, so that a device or a FIFO named by mistake never blocks or floods the run.
 */
class PasswordFile final
{
    Q_DECLARE_TR_FUNCTIONS(PasswordFile)

public:
    static constexpr qint64 maximumBytes = 64 * 1024;

    /**
     * The passwords of the file at path, in file order; false with error set when it cannot be
     * read or is no small regular file. readableByOthers tells whether its group or everybody may read it.
     */
    static bool read(const QString& path, QStringList& passwords, QString& error, bool& readableByOthers);
};
