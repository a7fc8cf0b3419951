#include "documents/CompressFunction.h"

#include "engine/CompressSetting.h"
#include "engine/FitSearch.h"
#include "engine/GSCompressor.h"

CompressFunction::CompressFunction()
    : m_compressor(std::make_unique<GSCompressor>())
{
}

CompressFunction::~CompressFunction() = default;

CompressResult CompressFunction::compress(const QString& inputPath, const QString& outputDir, const QString& password)
{
    CompressResult result;
    if (m_targetSize > 0) {
        FitSearch search(engine());
        search.setTryHandler([this](int number, int) {
            if (m_tryHandler) {
                m_tryHandler(number);
            }
        });
        result.code = search.run(inputPath, outputDir, password, m_targetSize);
    } else {
        result.code = m_compressor->compress(inputPath, outputDir, password);
    }
    result.outputPath = QStringLiteral("%1/%2").arg(outputDir, m_compressor->fileName());
    result.pageCount = m_compressor->pageCount();
    return result;
}

QString CompressFunction::outputFileName() const { return m_compressor->fileName(); }

// The compressor is always the Ghostscript one: the constructor makes nothing else.
GSCompressor& CompressFunction::engine() const { return static_cast<GSCompressor&>(*m_compressor); }

qint64 CompressFunction::compressedSize() const { return m_compressor->compressedSize(); }

void CompressFunction::setCompressSetting(const CompressSetting& setting)
{
    m_compressor->setMode(setting.mode);
    m_compressor->setLevel(setting.level);
    m_targetSize = setting.mode == FitUnder ? qMax<qint64>(1, setting.targetSize) : 0;
}

void CompressFunction::setTryHandler(std::function<void(int number)> handler) { m_tryHandler = std::move(handler); }
