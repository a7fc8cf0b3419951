#include "engine/PdfRepacker.h"

#include "engine/BufferedFileSource.h"
#include "engine/StreamRecompressor.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <array>
#include <exception>
#include <memory>
#include <mutex>
#include <qpdf/Pipeline.hh>
#include <qpdf/Pl_Flate.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFWriter.hh>
#include <set>
#include <string>
#include <vector>

namespace {
    /** What a reader sees of a document's protection; two documents with equal ones open alike. */
    struct Protection
    {
        bool encrypted = false;
        int revision = 0;
        int permissions = 0;
        int version = 0;
        QPDF::encryption_method_e streams = QPDF::e_none;
        QPDF::encryption_method_e strings = QPDF::e_none;
        QPDF::encryption_method_e files = QPDF::e_none;

        bool operator==(const Protection& other) const
        {
            return encrypted == other.encrypted && revision == other.revision && permissions == other.permissions
                && version == other.version && streams == other.streams && strings == other.strings
                && files == other.files;
        }
    };

    Protection protectionOf(QPDF& pdf)
    {
        Protection protection;
        protection.encrypted = pdf.isEncrypted(protection.revision, protection.permissions, protection.version,
            protection.streams, protection.strings, protection.files);
        return protection;
    }

    // The level is a process-wide setting of qpdf's Flate writer; set it once, before any writer runs.
    void useStrongestFlate()
    {
        static std::once_flag once;
        std::call_once(once, [] { Pl_Flate::setCompressionLevel(9); });
    }

    std::unique_ptr<QPDF> open(const QString& path, const QByteArray& password)
    {
        auto pdf = std::make_unique<QPDF>();
        pdf->setSuppressWarnings(true);
        // Through our own buffer: qpdf's stdio source throws its buffer away on every one of the parser's seeks.
        pdf->processInputSource(std::make_shared<BufferedFileSource>(QFile::encodeName(path).toStdString()),
            password.isEmpty() ? nullptr : password.constData());
        return pdf;
    }

    bool opensWithoutPassword(const QString& path)
    {
        try {
            open(path, QByteArray())->closeInputSource();
            return true;
        } catch (const std::exception&) {
            return false;
        }
    }

    /** Thrown from the writer's progress report to end a repack that is no longer wanted. */
    struct RepackCancelled final : std::exception
    {
        const char* what() const noexcept override { return "the repack was cancelled"; }
    };

    /** The writer reports about a hundred times while it writes; each report asks whether to go on. */
    class CancellingReporter final : public QPDFWriter::ProgressReporter
    {
    public:
        explicit CancellingReporter(PdfRepacker::CancelCheck cancelled)
            : m_cancelled(std::move(cancelled))
        {
        }
        void reportProgress(int) override
        {
            if (m_cancelled()) {
                throw RepackCancelled();
            }
        }

    private:
        PdfRepacker::CancelCheck m_cancelled;
    };

    // The writer drops the input's encryption once it recompresses streams, so the protection is
    // always copied explicitly: from the input itself or from the document the output must match.
    void write(QPDF& pdf, const QString& output, QPDF& protector, const PdfRepacker::CancelCheck& cancelled)
    {
        // The writer keeps the name's pointer while it writes, so the bytes must outlive it.
        const QByteArray outputName = QFile::encodeName(output);
        QPDFWriter writer(pdf, outputName.constData());
        writer.setObjectStreamMode(qpdf_o_generate);
        writer.setCompressStreams(true);
        writer.setDecodeLevel(qpdf_dl_generalized);
        writer.setRecompressFlate(true);
        if (cancelled) {
            writer.registerProgressReporter(std::make_shared<CancellingReporter>(cancelled));
        }
        if (protector.isEncrypted()) {
            writer.copyEncryptionParameters(protector);
        } else {
            writer.setPreserveEncryption(false);
        }
        writer.write();
    }

    /**
     * Whether the written file carries the protection it must: the same cipher and permissions, opening
     * with the same password, and refusing to open without one when the protecting document refuses.
     */
    bool carriesProtection(
        const QString& output, const QByteArray& password, const Protection& expected, const QString& protectingPath)
    {
        try {
            const std::unique_ptr<QPDF> written = open(output, password);
            const Protection actual = protectionOf(*written);
            written->closeInputSource();
            if (!(actual == expected)) {
                return false;
            }
        } catch (const std::exception&) {
            return false;
        }
        return !expected.encrypted || opensWithoutPassword(output) == opensWithoutPassword(protectingPath);
    }

    /** The bytes of a document's streams that a repack can shrink little or not at all. */
    struct StreamBytes
    {
        qint64 codec = 0; // held in image codecs only: copied as they are
        qint64 strongestFlate = 0; // held in Flate at the strongest level: copied as they are
        qint64 flate = 0; // held in Flate alone otherwise: decoded and compressed again
    };

    bool isFlate(QPDFObjectHandle filter)
    {
        if (filter.isArray() && filter.getArrayNItems() == 1) {
            filter = filter.getArrayItem(0);
        }
        return filter.isNameAndEquals("/FlateDecode") || filter.isNameAndEquals("/Fl");
    }

    /** Keeps the first two bytes of a stream's data as stored, and counts the rest without keeping it. */
    class StoredHead final : public Pipeline
    {
    public:
        StoredHead()
            : Pipeline("stored head", nullptr)
        {
        }
        void write(const unsigned char* data, size_t length) override
        {
            for (size_t index = 0; index < length && m_headLength < m_head.size(); ++index) {
                m_head[m_headLength++] = data[index];
            }
            m_size += static_cast<qint64>(length);
        }
        void finish() override { }

        /** Whether the data opens with a zlib header whose writer says it compressed at its strongest. */
        bool saysStrongestDeflate() const
        {
            if (m_headLength < m_head.size()) {
                return false;
            }
            const unsigned header = (unsigned { m_head[0] } << 8) | m_head[1];
            const bool isDeflate = (m_head[0] & 0x0f) == 8 && header % 31 == 0;
            return isDeflate && (m_head[1] >> 6) == 3;
        }
        qint64 size() const { return m_size; }

    private:
        std::array<unsigned char, 2> m_head {};
        size_t m_headLength = 0;
        qint64 m_size = 0;
    };

    /**
     * Data that zlib compressed at its strongest comes out of a second compression no smaller, often
     * larger, and the second compression may cost as much as the interpreter's whole rewrite: such a
     * stream is copied as it is stored. Left to the writer are metadata streams, which it stores
     * readable, and streams with decoding parameters: it undoes their predictor, and pictures such as
     * screenshots then compress far better. Returns the bytes of the streams so kept.
     */
    qint64 keepStrongestFlateAsStored(const std::vector<QPDFObjectHandle>& streams)
    {
        qint64 kept = 0;
        for (QPDFObjectHandle stream : streams) {
            QPDFObjectHandle dictionary = stream.getDict();
            if (!isFlate(dictionary.getKey("/Filter")) || dictionary.isDictionaryOfType("/Metadata")
                || !dictionary.getKey("/DecodeParms").isNull()) {
                continue;
            }
            StoredHead head;
            try {
                if (stream.pipeStreamData(&head, nullptr, 0, qpdf_dl_none, true) && head.saysStrongestDeflate()) {
                    stream.setFilterOnWrite(false);
                    kept += head.size();
                }
            } catch (const std::exception&) {
                // Unreadable as stored: the writer decides what becomes of it, as it would have anyway.
            }
        }
        return kept;
    }

    // Only a stream whose every filter is an image codec passes through untouched; one with Flate
    // around its codec is decoded and compressed again, and may shrink.
    void countStream(QPDFObjectHandle stream, StreamBytes& bytes)
    {
        QPDFObjectHandle dictionary = stream.getDict();
        QPDFObjectHandle filter = dictionary.getKey("/Filter");
        bool allCodecs = StreamRecompressor::isImageCodec(filter);
        if (filter.isArray() && filter.getArrayNItems() > 0) {
            allCodecs = true;
            for (QPDFObjectHandle item : filter.aitems()) {
                allCodecs = allCodecs && StreamRecompressor::isImageCodec(item);
            }
        }
        QPDFObjectHandle length = dictionary.getKey("/Length");
        if (!stream.getFilterOnWrite() || !length.isInteger() || length.getIntValue() < 0) {
            return;
        }
        if (allCodecs) {
            bytes.codec += length.getIntValue();
        } else if (isFlate(filter) && dictionary.getKey("/DecodeParms").isNull()) {
            // A predicted picture may shrink by any share once its predictor is undone: only plain Flate
            // is bounded.
            bytes.flate += length.getIntValue();
        }
    }

    // What the writer would write: every stream reachable from the trailer, each once.
    std::vector<QPDFObjectHandle> streamsReachable(QPDF& pdf)
    {
        std::vector<QPDFObjectHandle> streams;
        std::set<QPDFObjGen> seen;
        std::vector<QPDFObjectHandle> pending { pdf.getTrailer() };
        while (!pending.empty()) {
            QPDFObjectHandle object = pending.back();
            pending.pop_back();
            if (object.isIndirect() && !seen.insert(object.getObjGen()).second) {
                continue;
            }
            if (object.isStream()) {
                streams.push_back(object);
                object = object.getDict();
            }
            if (object.isArray()) {
                for (const QPDFObjectHandle& item : object.aitems()) {
                    pending.push_back(item);
                }
            } else if (object.isDictionary()) {
                for (const auto& entry : object.ditems()) {
                    pending.push_back(entry.second);
                }
            }
        }
        return streams;
    }

    StreamBytes streamBytesOf(const std::vector<QPDFObjectHandle>& streams, qint64 strongestFlate)
    {
        StreamBytes total;
        total.strongestFlate = strongestFlate;
        for (const QPDFObjectHandle& stream : streams) {
            countStream(stream, total);
        }
        return total;
    }

    /**
     * Whether the open document may still come out below the limit: a smaller file may; else what the
     * pass keeps of its streams decides.
     */
    bool canWin(const StreamBytes& bytes, qint64 fileSize, const PdfRepacker::Limits& limits)
    {
        if (limits.mustBeBelow < 0 || fileSize < limits.mustBeBelow) {
            return true;
        }
        const double keptFlate = limits.flateFullyCompressed
            ? static_cast<double>(bytes.flate) * (1.0 - PdfRepacker::flateRecompressionBound)
            : 0.0;
        const double copiedAsStored = static_cast<double>(bytes.codec + bytes.strongestFlate);
        return copiedAsStored + keptFlate < static_cast<double>(limits.mustBeBelow);
    }

    /** The size the repack must come below now, -1 for none: the smaller of the two bounds it was given. */
    qint64 boundNow(const PdfRepacker::Limits& limits)
    {
        const qint64 now = limits.mustNowBeBelow ? limits.mustNowBeBelow() : -1;
        if (now < 0 || limits.mustBeBelow < 0) {
            return std::max(now, limits.mustBeBelow);
        }
        return std::min(now, limits.mustBeBelow);
    }

    /**
     * Compresses the streams again, each on its own, and adds up what the copy is sure to hold: the bytes
     * copied as they are and those just decided. False, and nothing more done, once that reaches the bound
     * the limits set; a cancellation throws.
     */
    bool recompressStreams(
        const std::vector<QPDFObjectHandle>& streams, const StreamBytes& bytes, const PdfRepacker::Limits& limits)
    {
        StreamRecompressor recompressor;
        qint64 atLeast = bytes.codec + bytes.strongestFlate;
        for (const QPDFObjectHandle& stream : streams) {
            if (limits.cancelled && limits.cancelled()) {
                throw RepackCancelled();
            }
            atLeast += std::max<qint64>(recompressor.recompress(stream), 0);
            const qint64 bound = boundNow(limits);
            if (bound >= 0 && atLeast >= bound) {
                return false;
            }
        }
        return true;
    }

    PdfRepacker::Result failure(PdfRepacker::Outcome outcome, const QString& output, const QString& message)
    {
        QFile::remove(output);
        return { outcome, 0, message };
    }
} // namespace

PdfRepacker::Result PdfRepacker::repack(const Document& input, const QString& output, const Document& protectedLike)
{
    return repack(input, output, protectedLike, Limits());
}

PdfRepacker::Result PdfRepacker::repack(
    const Document& input, const QString& output, const Document& protectedLike, const Limits& limits)
{
    useStrongestFlate();
    const bool ownProtection = protectedLike.path.isEmpty();
    const Document& protectingDocument = ownProtection ? input : protectedLike;
    Protection expected;
    bool readCleanly = false;
    try {
        const std::unique_ptr<QPDF> pdf = open(input.path, input.password);
        // Walking the objects costs little, as the writer reads them all anyway.
        const std::vector<QPDFObjectHandle> streams = streamsReachable(*pdf);
        const StreamBytes bytes = streamBytesOf(streams, keepStrongestFlateAsStored(streams));
        if (!canWin(bytes, QFileInfo(input.path).size(), limits) || !recompressStreams(streams, bytes, limits)) {
            pdf->closeInputSource();
            return failure(Outcome::CannotWin, output, QString());
        }
        std::unique_ptr<QPDF> protector;
        if (!ownProtection) {
            protector = open(protectedLike.path, protectedLike.password);
        }
        QPDF& protecting = ownProtection ? *pdf : *protector;
        expected = protectionOf(protecting);
        write(*pdf, output, protecting, limits.cancelled);
        readCleanly = !pdf->anyWarnings();
        pdf->closeInputSource();
        if (protector) {
            protector->closeInputSource();
        }
    } catch (const RepackCancelled& error) {
        return failure(Outcome::Cancelled, output, QString::fromLocal8Bit(error.what()));
    } catch (const std::exception& error) {
        return failure(Outcome::Unreadable, output, QString::fromLocal8Bit(error.what()));
    } catch (...) {
        return failure(Outcome::Unreadable, output, QString());
    }

    // An encrypted source must never go out open: check what was written before anyone uses it.
    if (!carriesProtection(output, protectingDocument.password, expected, protectingDocument.path)) {
        return failure(Outcome::ProtectionFailed, output, QStringLiteral("the copy is not protected like its source"));
    }
    return { Outcome::Written, QFileInfo(output).size(), QString(), readCleanly };
}

qint64 PdfRepacker::smallestPossibleSize(const Document& document)
{
    try {
        const std::unique_ptr<QPDF> pdf = open(document.path, document.password);
        const qint64 bytes = streamBytesOf(streamsReachable(*pdf), 0).codec;
        pdf->closeInputSource();
        return bytes;
    } catch (...) {
        return -1;
    }
}
