#pragma once

#include <QtGlobal>
#include <cstddef>
#include <memory>
#include <qpdf/QPDFObjectHandle.hh>
#include <string>

struct libdeflate_decompressor;

/**
 * Decodes pictures stored as Flate behind a PNG predictor, such as screenshots, at a fraction of the
 * cost of qpdf's filters: libdeflate inflates the data into a buffer of the very size the picture's
 * parameters promise, and the predictor is undone in place. Anything else (other filters, a TIFF
 * predictor, data that does not fill the picture exactly, a damaged stream, an unknown row type) is
 * declined, and qpdf decodes it as before: what this decodes is always what qpdf would.
 */
class PredictedFlateDecoder final
{
public:
    /** How a predicted picture's rows are laid out; no rows when it is not one this decoder takes. */
    struct Layout
    {
        size_t rows = 0;
        size_t rowBytes = 0; // decoded bytes of a row, without the row's predictor byte
        size_t pixelBytes = 0; // the distance the predictor looks back within a row, at least one byte
    };

    PredictedFlateDecoder();
    ~PredictedFlateDecoder();
    PredictedFlateDecoder(const PredictedFlateDecoder&) = delete;
    PredictedFlateDecoder& operator=(const PredictedFlateDecoder&) = delete;

    /** The layout of stream's picture, when it is predicted Flate that decodes to at most limit bytes. */
    static Layout layoutOf(QPDFObjectHandle stream, qint64 limit);

    /** stored (the stream's data as stored, decrypted) decoded into decoded; false when declined. */
    bool decode(const std::string& stored, const Layout& layout, std::string& decoded) const;

private:
    struct DecompressorDeleter
    {
        void operator()(libdeflate_decompressor* decompressor) const;
    };

    std::unique_ptr<libdeflate_decompressor, DecompressorDeleter> m_decompressor;
};
