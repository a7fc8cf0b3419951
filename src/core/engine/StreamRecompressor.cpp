#include "engine/StreamRecompressor.h"

#include "engine/PredictedFlateDecoder.h"

#include <algorithm>
#include <exception>
#include <libdeflate.h>
#include <qpdf/Pipeline.hh>
#include <set>
#include <string>
#include <utility>
#include <zlib.h>

namespace {
    // libdeflate's level 9 stores less than zlib's strongest level on nearly every stream, in a third of the
    // time; its levels above 9 cost several times more for a few percent.
    constexpr int compressionLevel = 9;
    // Small data that shrinks this many times over is text drawn over and over; there zlib's deeper search
    // stores up to 2 % less, and on such data it costs little, so both are tried.
    constexpr size_t repetitiveRatio = 16;
    // Above this, libdeflate alone: zlib's deeper search costs seconds on large pictures for a percent.
    constexpr size_t largeData = 256 * 1024;

    /** Thrown when a stream's data outgrows what may be held of it. */
    struct TooLarge final : std::exception
    {
        const char* what() const noexcept override { return "the stream is too large to hold"; }
    };

    /** Holds a stream's data up to a limit; beyond it, the pipeline throws to end the decoding. */
    class BoundedBuffer final : public Pipeline
    {
    public:
        explicit BoundedBuffer(qint64 limit)
            : Pipeline("bounded buffer", nullptr)
            , m_limit(limit)
        {
        }
        void write(const unsigned char* data, size_t length) override
        {
            if (static_cast<qint64>(m_data.size() + length) > m_limit) {
                m_tooLarge = true;
                throw TooLarge();
            }
            m_data.append(reinterpret_cast<const char*>(data), length);
        }
        void finish() override { }

        const std::string& data() const { return m_data; }
        std::string take() { return std::move(m_data); }
        bool tooLarge() const { return m_tooLarge; }

    private:
        std::string m_data;
        qint64 m_limit;
        bool m_tooLarge = false;
    };

    /** Counts a stream's data without keeping it. */
    class ByteCount final : public Pipeline
    {
    public:
        ByteCount()
            : Pipeline("byte count", nullptr)
        {
        }
        void write(const unsigned char*, size_t length) override { m_count += static_cast<qint64>(length); }
        void finish() override { }
        qint64 count() const { return m_count; }

    private:
        qint64 m_count = 0;
    };

    /** Whether stream passes through an image codec, which leaves its data as stored: nothing to read for. */
    bool passesThroughImageCodec(QPDFObjectHandle stream)
    {
        QPDFObjectHandle filter = stream.getDict().getKey("/Filter");
        if (!filter.isArray()) {
            return StreamRecompressor::isImageCodec(filter);
        }
        for (QPDFObjectHandle item : filter.aitems()) {
            if (StreamRecompressor::isImageCodec(item)) {
                return true;
            }
        }
        return false;
    }

    /** The stream's data as stored (decrypted), counted; -1 when it cannot be read. */
    qint64 storedSize(QPDFObjectHandle stream)
    {
        ByteCount count;
        try {
            return stream.pipeStreamData(&count, nullptr, 0, qpdf_dl_none, true) ? count.count() : -1;
        } catch (const std::exception&) {
            return -1;
        }
    }

    /**
     * Whether stream's data decoded in full into buffer. Filters the writer would not undo either (image
     * codecs) leave it undecoded: false.
     */
    bool decode(QPDFObjectHandle stream, BoundedBuffer& buffer)
    {
        const bool filtered = !stream.getDict().getKey("/Filter").isNull();
        bool filteringAttempted = false;
        try {
            const bool decoded
                = stream.pipeStreamData(&buffer, &filteringAttempted, 0, qpdf_dl_generalized, true, false);
            return decoded && !buffer.tooLarge() && (filteringAttempted || !filtered);
        } catch (const std::exception&) {
            return false;
        }
    }
} // namespace

bool StreamRecompressor::isImageCodec(QPDFObjectHandle filter)
{
    static const std::set<std::string> codecs
        = { "/DCTDecode", "/JPXDecode", "/JBIG2Decode", "/CCITTFaxDecode", "/DCT", "/CCF" };
    return filter.isName() && codecs.count(filter.getName()) > 0;
}

void StreamRecompressor::CompressorDeleter::operator()(libdeflate_compressor* compressor) const
{
    libdeflate_free_compressor(compressor);
}

StreamRecompressor::StreamRecompressor()
    : m_compressor(libdeflate_alloc_compressor(compressionLevel))
    , m_predictedFlate(std::make_unique<PredictedFlateDecoder>())
{
}

StreamRecompressor::~StreamRecompressor() = default;

size_t StreamRecompressor::compress(const std::string& data, std::string& into) const
{
    const size_t deflated
        = libdeflate_zlib_compress(m_compressor.get(), data.data(), data.size(), into.data(), into.size());
    // Nothing that fitted is at least as large as the room there was.
    const size_t atMost = deflated > 0 ? deflated : into.size();
    if (data.size() >= largeData || atMost * repetitiveRatio > data.size()) {
        return deflated;
    }
    std::string zlibbed(atMost, '\0');
    uLongf length = static_cast<uLongf>(zlibbed.size());
    const int result = compress2(reinterpret_cast<Bytef*>(zlibbed.data()), &length,
        reinterpret_cast<const Bytef*>(data.data()), static_cast<uLong>(data.size()), Z_BEST_COMPRESSION);
    if (result != Z_OK || (deflated > 0 && length >= deflated)) {
        return deflated;
    }
    into.replace(0, length, zlibbed, 0, length);
    return static_cast<size_t>(length);
}

bool StreamRecompressor::decodePredicted(QPDFObjectHandle stream, qint64& stored, std::string& data) const
{
    const PredictedFlateDecoder::Layout layout = PredictedFlateDecoder::layoutOf(stream, largestDecodedStream);
    if (layout.rows == 0) {
        return false;
    }
    BoundedBuffer raw(mostHeld - m_held);
    try {
        if (!stream.pipeStreamData(&raw, nullptr, 0, qpdf_dl_none, true)) {
            return false;
        }
    } catch (const std::exception&) {
        return false;
    }
    stored = static_cast<qint64>(raw.data().size());
    return m_predictedFlate->decode(raw.data(), layout, data);
}

bool StreamRecompressor::decodeInto(QPDFObjectHandle stream, qint64& stored, std::string& data) const
{
    if (decodePredicted(stream, stored, data)) {
        return true;
    }
    stored = storedSize(stream);
    if (stored < 0 || m_held + stored > mostHeld) {
        return false;
    }
    BoundedBuffer decoded(largestDecodedStream);
    if (!decode(stream, decoded)) {
        return false;
    }
    data = decoded.take();
    return true;
}

qint64 StreamRecompressor::recompress(QPDFObjectHandle stream)
{
    // Metadata is stored readable by the writer; a stream already decided is the writer's to copy, and so
    // is a picture behind an image codec, which would only be read in full to find it cannot be decoded.
    if (!m_compressor || !stream.isStream() || !stream.getFilterOnWrite()
        || stream.getDict().isDictionaryOfType("/Metadata") || passesThroughImageCodec(stream)) {
        return -1;
    }
    qint64 stored = -1;
    std::string decoded;
    if (!decodeInto(stream, stored, decoded)) {
        return -1;
    }
    // Room for anything smaller than the stored data only: what would not fit is not wanted.
    std::string compressed(static_cast<size_t>(std::max<qint64>(stored - 1, 0)), '\0');
    const size_t length = compressed.empty() ? 0 : compress(decoded, compressed);
    stream.setFilterOnWrite(false);
    if (length == 0) {
        return stored;
    }
    compressed.resize(length);
    m_held += static_cast<qint64>(length);
    stream.replaceStreamData(compressed, QPDFObjectHandle::newName("/FlateDecode"), QPDFObjectHandle::newNull());
    return static_cast<qint64>(length);
}
