#pragma once

#include "engine/CompressInterface.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class FitSearch;
class GSCompressor;
struct CompressSetting;

/** The outcome of one compression: the compressor's code and where the delivered file is (or would be). */
struct CompressResult
{
    qint32 code = -1;
    QString outputPath;
    qint32 pageCount = 0; // the source's pages as the compressor counted them, walking its page tree; 0 if it could not
};

/** The compressing part of a document item: owns its Ghostscript compressor and forwards to it. */
class CompressFunction
{
public:
    CompressFunction();
    ~CompressFunction();

    CompressFunction(const CompressFunction&) = delete;
    CompressFunction& operator=(const CompressFunction&) = delete;

    /**
     * Runs the compressor, or for a size to fit under the search that drives it; outputPath is filled
     * from outputDir and the chosen name also on failure.
     */
    CompressResult compress(const QString& inputPath, const QString& outputDir, const QString& password);

    QString outputFileName() const;
    qint64 compressedSize() const;
    void setCompressSetting(const CompressSetting& setting);
    /** Called on the compressing thread before each try of a search for a size, with its number from 1. */
    void setTryHandler(std::function<void(int number)> handler);

protected:
    /** The compressor itself, for what only the Ghostscript one offers (stopping, progress). */
    GSCompressor& engine() const;

private:
    const std::unique_ptr<CompressInterface> m_compressor;
    qint64 m_targetSize = 0; // fit under this many bytes; 0 for a setting of its own level
    std::function<void(int number)> m_tryHandler;
};

Q_DECLARE_INTERFACE(CompressFunction, "com.vantorel.kompresto.CompressFunction")
