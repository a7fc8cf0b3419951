#pragma once

#include "documents/CompressFunction.h"
#include "documents/FileItem.h"
#include "engine/PdfCheck.h"

/**
 * A listed PDF document: inspected with qpdf when it is added (page count, encryption, whether it
 * needs an open password), unlocked with the password the user types, and compressed by its own
 * Ghostscript compressor on a pool thread.
 */
class PDFFileItem final : public FileItem, public CompressFunction
{
    Q_OBJECT
    Q_INTERFACES(CompressFunction)

public:
    explicit PDFFileItem(const QString& path, QObject* parent = nullptr);
    ~PDFFileItem() override;

    /**
     * Inspects the document. True when it belongs in the list (also when it is locked); false when
     * it is damaged or cannot be read at all.
     */
    bool initPDF();
    /**
     * What inspection learns of the document at path, with the page count the document declares.
     * Thread-safe: touches no item, so the list runs it on its inspection threads.
     */
    static PdfCheck::Result inspect(const QString& path);
    /** Marks the item as being inspected until applyInspection() takes the result. */
    void beginInspection();
    /**
     * Takes over what inspect() learned, emits detailsChanged(), and says, as initPDF() does, whether
     * the document belongs in the list.
     */
    bool applyInspection(const PdfCheck::Result& inspection);
    /**
     * Tries a password: true when the document opens with it, which unlocks the item, stores the
     * password for every later compression and emits unlockSuccess(); false when it is refused.
     */
    bool unlockPDF(const QString& password);

    enum class Unlock
    {
        Opened,
        Refused, // the password is wrong
        Damaged, // the password is right, but what it opens is no readable document
    };
    /** Does what unlockPDF() does, and tells a wrong password from a right one that opens a damaged document. */
    Unlock unlock(const QString& password);

    bool isLocked() const override;
    qint32 pdfCompress(const QString& inputPath, const QString& outputDir) override;
    void setCompressSetting(const CompressSetting& setting) override;

    /** Inspection failed for want of the open password (stays true after an unlock). */
    bool needsOpenPassword() const { return m_needsOpenPassword; }
    /** The document opened without a password but is encrypted, e.g. with an owner password only. */
    bool encrypted() const { return m_encrypted; }
    /** The password that unlocked the document; empty when none was needed. */
    QString password() const { return m_password; }

    /**
     * Stops the compression of this document: a running one ends at once and delivers nothing, one
     * that has not started yet returns at once. Thread-safe; undone by allowCompression().
     */
    void stopCompression();
    /** Lets the next compression run after a stop; called on the user-interface thread before a run. */
    void allowCompression();

    /** Why the last successful compression handed the source back as it was, if it did. */
    enum class Unchanged
    {
        No, // a smaller copy went out
        NotSmaller, // no rewrite was smaller than the source
        ForNavigation, // the rewrite lost links or bookmarks, so the source went out
    };
    /** Read after the task has reported, on the user-interface thread. */
    Unchanged unchangedReason() const;

signals:
    void CompressedInfo(QString name, QString size);
    void unlockSuccess();
    /** The interpreter has written page of pageCount; emitted on the compressing thread. */
    void compressionProgress(int page, int pageCount);
    /** A search for a size starts its try number (from 1); emitted on the compressing thread. */
    void fitTryStarted(int number);
    /** The compressor counted the source's pages; emitted on the compressing thread. */
    void pagesCounted(qint32 count);

private:
    bool takeInspection(const PdfCheck::Result& inspection);
    void takePageCount(qint32 count);

    bool m_locked = false;
    bool m_needsOpenPassword = false;
    bool m_encrypted = false;
    QString m_password;
};
