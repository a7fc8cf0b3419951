#pragma once

#include <QString>
#include <QStringList>

/**
 * The open passwords the command may try on locked documents, read from a file so that no password
 * ever appears in the process list: one password per line, taken exactly as written (spaces
 * included) apart from the line end; empty lines are skipped.
 */
namespace PasswordFile {
    /** The passwords of the file at path, in file order; false with error set when it cannot be read. */
    bool read(const QString& path, QStringList& passwords, QString& error);
} // namespace PasswordFile
