#pragma once

#include "engine/CompressInterface.h"
#include "engine/PdfCheck.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

/**
 * Rewrites one PDF with Ghostscript's pdfwrite device, in-process, and delivers the smaller of the
 * rewrite and the source into the output folder under a name that clashes with nothing there.
 * The interpreter only ever sees staged copies in the Temp folder, never the user's own paths.
 */
class GSCompressor final : public CompressInterface
{
public:
    /** Failures of our own; any other non-zero result is the interpreter's error code. */
    enum Result : qint32
    {
        Success = 0,
        StagingFailed = -1, // the source could not be copied into the Temp folder
        DeliveryFailed = -2, // the result could not be moved into the output folder
        UnsoundDocument = -3, // the source or the rewrite is not a complete PDF
        PasswordRejected = -4, // the document needs a password that was missing or wrong
        OutputFolderUnavailable = -5, // the output folder cannot be created or written
    };

    GSCompressor() = default;
    ~GSCompressor() override;

    qint32 compress(const QString& inputPath, const QString& outputDir, const QString& password) override;

    /**
     * Stages inputPath into the Temp folder, records the staged pair in tempFiles() and returns the
     * interpreter's argument list for the effective level of mode() and level. Empty when staging failed.
     */
    QStringList generateGhostscriptArgs(int level, const QString& inputPath, const QString& password);

    /**
     * Turns fileName into the first of name.ext, name_1.ext, name_2.ext... that no entry of folder has
     * and no running compression has chosen in it. Creates folder when it is missing. Call with depth 0.
     */
    static void makeUniqueFileName(const QString& folder, QString& fileName, int depth);

    /** Deletes the staged files of every recorded pair and forgets them. */
    void removeTempFiles();

    const QList<QPair<QString, QString>>& tempFiles() const { return m_tempFiles; }

private:
    qint32 rewriteAndDeliver(const QStringList& arguments, const QString& inputPath, const QString& outputDir,
        const QString& destinationPath, const PdfCheck::Result& source);
    qint32 runInterpreter(const QStringList& arguments, QByteArray& interpreterOutput);
    qint32 checkStagedSource(const QString& inputPath, const QString& password, PdfCheck::Result& source);
    static bool isSoundRewrite(
        const PdfCheck::Result& source, const PdfCheck::Result& rewrite, const QByteArray& interpreterOutput);
    static bool keepsNavigation(const PdfCheck::Result& source, const PdfCheck::Result& rewrite);
    qint32 deliver(const QString& outputDir, const QString& destinationPath, bool sourceOnly);

    QList<QPair<QString, QString>> m_tempFiles;
};
