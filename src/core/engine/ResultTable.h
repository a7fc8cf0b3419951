#pragma once

#include <QCoreApplication>
#include <QString>
#include <QtGlobal>

/**
 * Every way a document's compression can end other than success, in one table: its code, the key that
 * scripts read in the command's JSON report, the command's words and the window's. The command and the
 * window both read it, so a new result is one row. Keys and texts stay as scripts and users know them.
 */
class ResultTable final
{
    Q_DECLARE_TR_FUNCTIONS(ResultTable)

public:
    /** What stops a document before the engine runs, numbered apart from the engine's own results. */
    enum DocumentProblem : qint32
    {
        NotFound = -101,
        NotPdfName = -102, // named on the command line, but its suffix is not a PDF's
        NotPdf = -103, // holds no PDF header
        Damaged = -104, // qpdf cannot open it, or the right password opens a damaged document
        Locked = -105, // needs an open password and none was given
        PasswordsRejected = -106, // none of the passwords given opens it
    };

    /** What a text names besides its own words. */
    enum class Detail
    {
        None,
        Code, // the code itself: the interpreter's error number
        TempFolder, // the Temp folder
    };

    struct Row
    {
        qint32 code;
        const char* key;
        const char* commandText; // a phrase that follows "failed: "
        const char* windowText; // a sentence for the row's tooltip
        Detail detail;
    };

    /** The row of code; any code without a row of its own is the interpreter's error number. */
    static const Row& rowOf(qint32 code);
    /** The stable, untranslated key ("locked", "interpreter-error"). */
    static QString key(qint32 code);
    /** The command's words in the user's language. */
    static QString commandText(qint32 code);
    /** The window's words in the user's language. */
    static QString windowText(qint32 code);

private:
    static QString withDetail(const QString& text, const Row& row, qint32 code);
};
