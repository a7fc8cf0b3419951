#pragma once

#include "engine/CompressSetting.h"

#include <QObject>
#include <QString>

/**
 * Byte count as the rows show it: "%1 B" up to 1024 bytes, then KB, MB and GB in units of 1024,
 * cut (not rounded) to two decimals without trailing zeros: 1536 gives "1.5 KB".
 */
QString formatFileSize(qint64 bytes);

/** A text from formatFileSize() with the decimal separator of the interface's language. */
QString localDecimals(const QString& size);

/**
 * The model of one listed source document: its path, what inspection learned about it, the setting
 * chosen for it, how its compression is going and what the last one delivered. A row shows it and
 * can be built again from it at any time: a long list has rows only for the documents in view. It
 * knows nothing of PDF and cannot compress; the PDF item overrides the virtual operations.
 */
class FileItem : public QObject
{
    Q_OBJECT

public:
    explicit FileItem(const QString& path, QObject* parent = nullptr);
    ~FileItem() override;

    /** Whether the document still needs its open password before it can be compressed. */
    virtual bool isLocked() const;
    /** Compresses inputPath into outputDir; 0 on success, -1 when this kind of item cannot compress. */
    virtual qint32 pdfCompress(const QString& inputPath, const QString& outputDir);
    /** Hands the setting of the next compression to the item's compressor. */
    virtual void setCompressSetting(const CompressSetting& setting);

    QString filePath() const { return m_filePath; }
    /** The file-name part of the path: name and extension, no folder. */
    QString fileName() const;
    QString suffix() const { return m_suffix; }
    QString iconName() const { return m_iconName; }
    qint32 pageCount() const { return m_pageCount; }

    /** The document is still being inspected: its page count and lock state are not known yet. */
    bool isChecking() const { return m_checking; }

    bool isUnprocessed() const { return !m_processed; }
    /** Makes the item eligible for the next Compress again. */
    void resetProcessed() { m_processed = false; }

    /** The source's current size on disk, measured at each call; a missing file measures 0 B. */
    QString sizeText() const;

    /** Announces that a compression task has started on this item; called from that task's thread. */
    void emitProcessing();

    /** The setting chosen for this document in its row; the stored one when the document was added. */
    const CompressSetting& rowSetting() const { return m_rowSetting; }
    void setRowSetting(const CompressSetting& setting) { m_rowSetting = setting; }
    /** The setting the next run uses: the global one while "Apply to all" is on, the row's own otherwise. */
    CompressSetting nextSetting() const;
    /**
     * Hands nextSetting() to the compressor for a run that is about to take the document; the result
     * of that run belongs to this setting until the next one starts.
     */
    void prepareRun();
    /** The document is queued or compressing in the current run. */
    bool isInRun() const { return m_inRun; }
    /**
     * Forgets the shown result when the setting it was made with no longer is the one the next run
     * would use. A document in the run keeps its state: its run goes on with the setting it started
     * with, and only the next Compress takes it again.
     */
    void dismissResultIfSettingChanged();

    /** A compression task is working on the document. */
    bool isCompressing() const { return m_compressing; }
    /** The running compression's last report: page of progressPageCount(); 0 of 0 before the first. */
    int progressPage() const { return m_progressPage; }
    int progressPageCount() const { return m_progressPageCount; }
    /** Which try of a search for a size is running, from 1; 0 when the setting is no such search. */
    int fitTry() const { return m_fitTry; }
    /** The setting the last run started with; what its result belongs to. */
    const CompressSetting& runSetting() const { return m_runSetting; }
    /** The last compression's outcome is shown until the user or "Apply to all" dismisses it. */
    bool hasResult() const { return m_hasResult; }
    /** The code of the last compression that ended; meaningful while hasResult() holds. */
    int resultCode() const { return m_resultCode; }
    /** Where the last successful compression delivered, and its name and size as the row shows them. */
    QString outputPath() const { return m_outputPath; }
    QString compressedName() const { return m_compressedName; }
    QString compressedSizeText() const { return m_compressedSizeText; }

    /** The user's Stop interrupted the document's last compression; cleared when it is queued again. */
    bool wasStopped() const { return m_stopped; }
    /** The document waits for the next Compress again: its task was taken back or stopped. */
    void markPending();
    /** Forgets the shown result: the document is eligible for the next Compress again. */
    void dismissResult();

signals:
    /** What the row shows of the document changed: inspection ended, or a compression counted its pages. */
    void detailsChanged();
    void processFinishedSignal(int code);
    void processing();
    void outputFileSignal(QString path);
    /** How the compression is going or what it delivered changed. */
    void runStateChanged();

public slots:
    /** The task's result, delivered on the item's own thread: 0 marks the item processed. */
    void fileProcessFinished(int code);

protected:
    /** The delivered file's name and size as the row shows them; called on the item's own thread. */
    void takeCompressedInfo(const QString& name, const QString& sizeText);
    /** The interpreter's latest page; called on the item's own thread, ignored once the task has ended. */
    void takeProgress(int page, int pageCount);
    /** A search for a size started its try number; ignored once the task has ended. */
    void takeFitTry(int number);

    QString m_suffix;
    bool m_processed = false;
    QString m_iconName;
    QString m_filePath;
    qint32 m_pageCount = 1;
    bool m_checking = false;

private:
    void takeStart();
    void takeOutputPath(const QString& path);

    bool resultSettingDiffers() const;

    CompressSetting m_rowSetting;
    CompressSetting m_runSetting;
    bool m_inRun = false;
    bool m_stopped = false;
    bool m_compressing = false;
    int m_progressPage = 0;
    int m_progressPageCount = 0;
    int m_fitTry = 0;
    bool m_hasResult = false;
    int m_resultCode = 0;
    QString m_outputPath;
    QString m_compressedName;
    QString m_compressedSizeText;
};
