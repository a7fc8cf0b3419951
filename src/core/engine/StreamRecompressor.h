#pragma once

#include <QtGlobal>
#include <memory>
#include <qpdf/QPDFObjectHandle.hh>
#include <string>

class PredictedFlateDecoder;
struct libdeflate_compressor;

/**
 * Compresses a document's streams again, one at a time, for the lossless pass: each stream's data is
 * decoded and compressed at a strong level (with libdeflate, which stores less than zlib's strongest level
 * in a third of its time; small, highly repetitive data with zlib too, whose deeper search wins there), and
 * the stream keeps whichever is smaller, the new data or the data as stored. A
 * predictor that suits a picture, or a stronger compressor than ours, is kept that way: no stream grows. The writer
 * then copies what was decided; streams left undecided (image codecs, unreadable data, data too large to hold) are the
 * writer's own to handle, as they would be without this.
 */
class StreamRecompressor final
{
public:
    StreamRecompressor();
    ~StreamRecompressor();
    StreamRecompressor(const StreamRecompressor&) = delete;
    StreamRecompressor& operator=(const StreamRecompressor&) = delete;

    /**
     * Decides what the writer stores for stream and tells it to copy that as it is. Returns the bytes it
     * will store, or -1 when the stream is left to the writer.
     */
    qint64 recompress(QPDFObjectHandle stream);

    /** Whether filter is an image codec, which the writer copies as it is stored and no decoding here undoes. */
    static bool isImageCodec(QPDFObjectHandle filter);

    /** The most a stream may decode to for it to be compressed here; larger ones stream through the writer. */
    static constexpr qint64 largestDecodedStream = 64LL * 1024 * 1024;
    /** The most new data held for all streams until the writer takes it; the rest is the writer's. */
    static constexpr qint64 mostHeld = 256LL * 1024 * 1024;

private:
    /** Decodes a picture behind a PNG predictor itself, far faster than qpdf's filters; false when it declines. */
    bool decodePredicted(QPDFObjectHandle stream, qint64& stored, std::string& data) const;
    /** stream's data as stored (its size into stored) and decoded into data; false when it is the writer's. */
    bool decodeInto(QPDFObjectHandle stream, qint64& stored, std::string& data) const;
    /** data compressed into into, whose size is the most it may take; 0 when it does not fit. */
    size_t compress(const std::string& data, std::string& into) const;

    struct CompressorDeleter
    {
        void operator()(libdeflate_compressor* compressor) const;
    };

    std::unique_ptr<libdeflate_compressor, CompressorDeleter> m_compressor;
    std::unique_ptr<PredictedFlateDecoder> m_predictedFlate;
    qint64 m_held = 0;
};
