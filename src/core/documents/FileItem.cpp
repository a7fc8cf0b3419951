#include "documents/FileItem.h"

#include "engine/GSCompressor.h"

#include <QDebug>
#include <QFileInfo>
#include <QLocale>

namespace {
    constexpr qint64 kilobyte = 1024;
    constexpr qint64 megabyte = 1024 * kilobyte;
    constexpr qint64 gigabyte = 1024 * megabyte;

    // Sizes are worked out in single precision, as the rows have always shown them.
    double scaledSize(qint64 bytes, qint64 unit)
    {
        return static_cast<double>(static_cast<float>(bytes) / static_cast<float>(unit));
    }

    // Cuts to two decimals by text, so that 1023.999 shows as 1023.99 and never rounds up to 1024.
    double cutToHundredths(double value)
    {
        const QString digits = QString::number(qAbs(value), 'f', 12);
        const int point = digits.indexOf(QLatin1Char('.'));
        const double cut = (digits.left(point) + QLatin1Char('.') + digits.mid(point + 1, 2)).toDouble();
        return value < 0 ? -cut : cut;
    }

    QString scaledText(const QString& pattern, qint64 bytes, qint64 unit)
    {
        return pattern.arg(cutToHundredths(scaledSize(bytes, unit)), 0, 'g', -1);
    }
} // namespace

QString formatFileSize(qint64 bytes)
{
    if (bytes <= kilobyte) {
        return QStringLiteral("%1 B").arg(bytes);
    }
    if (bytes <= megabyte) {
        return scaledText(QStringLiteral("%1 KB"), bytes, kilobyte);
    }
    if (bytes <= gigabyte) {
        return scaledText(QStringLiteral("%1 MB"), bytes, megabyte);
    }
    return scaledText(QStringLiteral("%1 GB"), bytes, gigabyte);
}

QString localDecimals(const QString& size)
{
    // Only a point between two digits is a decimal separator; a name or a unit keeps its points.
    QString local = size;
    const QChar separator = QLocale().decimalPoint();
    for (int index = 1; index + 1 < local.size(); ++index) {
        if (local.at(index) == QLatin1Char('.') && local.at(index - 1).isDigit() && local.at(index + 1).isDigit()) {
            local[index] = separator;
        }
    }
    return local;
}

FileItem::FileItem(const QString& path, QObject* parent)
    : QObject(parent)
    , m_suffix(QFileInfo(path).suffix())
    , m_filePath(path)
{
    // The task reports from its own thread; the state the row reads changes on the item's.
    connect(this, &FileItem::processing, this, &FileItem::takeStart);
    connect(this, &FileItem::outputFileSignal, this, &FileItem::takeOutputPath);
}

FileItem::~FileItem() { qDebug() << "~FileItem()"; }

bool FileItem::isLocked() const { return false; }

qint32 FileItem::pdfCompress(const QString& inputPath, const QString& outputDir)
{
    Q_UNUSED(inputPath)
    Q_UNUSED(outputDir)
    return -1;
}

void FileItem::setCompressSetting(const CompressSetting& setting) { Q_UNUSED(setting) }

QString FileItem::fileName() const { return QFileInfo(m_filePath).fileName(); }

QString FileItem::sizeText() const
{
    // QFileInfo caches nothing here: a fresh one measures the file as it is now.
    return formatFileSize(QFileInfo(m_filePath).size());
}

void FileItem::emitProcessing() { emit processing(); }

CompressSetting FileItem::nextSetting() const
{
    return CompressSetting::applyToAll() ? CompressSetting::globalSetting() : m_rowSetting;
}

void FileItem::prepareRun()
{
    m_runSetting = nextSetting();
    m_inRun = true;
    m_stopped = false;
    setCompressSetting(m_runSetting);
}

// Two settings that treat the images alike give the same copy: changing one for the other keeps the result.
// A size to fit under is alike only with the same size.
bool FileItem::resultSettingDiffers() const
{
    const CompressSetting next = nextSetting();
    const bool nextFits = next.mode == FitUnder;
    if (nextFits || m_runSetting.mode == FitUnder) {
        return nextFits != (m_runSetting.mode == FitUnder) || next.targetSize != m_runSetting.targetSize;
    }
    return next.effectiveLevel() != m_runSetting.effectiveLevel();
}

void FileItem::dismissResultIfSettingChanged()
{
    if (m_inRun || (!m_processed && !m_hasResult) || !resultSettingDiffers()) {
        return;
    }
    dismissResult();
}

void FileItem::fileProcessFinished(int code)
{
    m_inRun = false;
    // A setting changed while the document was compressed leaves the result on show, but the next
    // Compress takes the document again with the new setting.
    m_processed = (code == GSCompressor::Success) && !resultSettingDiffers();
    if (code == GSCompressor::Stopped) {
        // Neither done nor failed: the document waits for the next Compress, and its row says why.
        markPending();
        m_stopped = true;
        emit runStateChanged();
    } else {
        m_compressing = false;
        m_hasResult = true;
        m_resultCode = code;
        emit runStateChanged();
    }
    emit processFinishedSignal(code);
}

void FileItem::markPending()
{
    m_inRun = false;
    m_compressing = false;
    m_progressPage = 0;
    m_progressPageCount = 0;
    m_fitTry = 0;
    dismissResult();
}

void FileItem::dismissResult()
{
    m_processed = false;
    m_hasResult = false;
    m_stopped = false;
    m_compressedName.clear();
    m_compressedSizeText.clear();
    emit runStateChanged();
}

void FileItem::takeStart()
{
    m_compressing = true;
    m_progressPage = 0;
    m_progressPageCount = 0;
    m_fitTry = 0;
    emit runStateChanged();
}

void FileItem::takeProgress(int page, int pageCount)
{
    // A late report of a stopped compression must not bring back a line on a pending row.
    if (!m_compressing) {
        return;
    }
    m_progressPage = page;
    m_progressPageCount = pageCount;
    emit runStateChanged();
}

void FileItem::takeFitTry(int number)
{
    if (!m_compressing) {
        return;
    }
    m_fitTry = number;
    m_progressPage = 0;
    m_progressPageCount = 0;
    emit runStateChanged();
}

void FileItem::takeCompressedInfo(const QString& name, const QString& sizeText)
{
    m_compressedName = name;
    m_compressedSizeText = sizeText;
    emit runStateChanged();
}

void FileItem::takeOutputPath(const QString& path) { m_outputPath = path; }
