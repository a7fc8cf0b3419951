#pragma once

#include <QObject>
#include <QString>

struct CompressSetting;

/**
 * Byte count as the rows show it: "%1 B" up to 1024 bytes, then KB, MB and GB in units of 1024,
 * cut (not rounded) to two decimals without trailing zeros: 1536 gives "1.5 KB".
 */
QString formatFileSize(qint64 bytes);

/**
 * The model of one listed source document: its path, what inspection learned about it, whether its
 * last compression succeeded, and the signals through which its progress reaches its row. It knows
 * nothing of PDF and cannot compress; the PDF item overrides the virtual operations.
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

signals:
    /** What the row shows of the document changed: inspection ended, or a compression counted its pages. */
    void detailsChanged();
    void processFinishedSignal(int code);
    void processing();
    void outputFileSignal(QString path);

public slots:
    /** The task's result, delivered on the item's own thread: 0 marks the item processed. */
    void fileProcessFinished(int code);

protected:
    QString m_suffix;
    bool m_processed = false;
    QString m_iconName;
    QString m_filePath;
    qint32 m_pageCount = 1;
    bool m_checking = false;
};
