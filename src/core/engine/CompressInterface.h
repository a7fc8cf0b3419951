#pragma once

#include <QString>
#include <QtGlobal>

/** What every compressor offers: one synchronous compression and the outcome of the last one. */
class CompressInterface
{
public:
    virtual ~CompressInterface() = default;

    /**
     * Compresses inputPath into outputDir. Returns 0 on success, when outputDir + "/" + fileName()
     * holds the delivered file of compressedSize() bytes; any other value is a failure.
     */
    virtual qint32 compress(const QString& inputPath, const QString& outputDir, const QString& password) = 0;

    QString fileName() const { return m_fileName; }
    qint64 compressedSize() const { return m_compressedSize; }
    /** Pages of the source as the last compression counted them by walking its page tree; 0 when it could not. */
    qint32 pageCount() const { return m_pageCount; }
    qint32 mode() const { return m_mode; }
    qint32 level() const { return m_level; }
    void setMode(qint32 mode) { m_mode = mode; }
    void setLevel(qint32 level) { m_level = level; }

protected:
    qint64 m_compressedSize = 0;
    qint32 m_level = 5;
    qint32 m_mode = 0;
    qint32 m_pageCount = 0;
    QString m_fileName;
};
