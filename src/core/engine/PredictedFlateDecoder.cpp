#include "engine/PredictedFlateDecoder.h"

#include <cstdlib>
#include <cstring>
#include <libdeflate.h>

namespace {
    // Beyond these, a picture's parameters are nonsense: declined, qpdf judges them.
    constexpr long long mostColors = 32;
    constexpr long long mostColumns = 1LL << 24;

    /** filterOrParameters itself, or the only item of an array holding one. */
    QPDFObjectHandle single(QPDFObjectHandle filterOrParameters)
    {
        if (filterOrParameters.isArray() && filterOrParameters.getArrayNItems() == 1) {
            return filterOrParameters.getArrayItem(0);
        }
        return filterOrParameters;
    }

    /** parameters' integer under key, fallback when absent; -1 when it is there but no integer. */
    long long integerOf(QPDFObjectHandle parameters, const char* key, long long fallback)
    {
        QPDFObjectHandle value = parameters.getKey(key);
        if (value.isNull()) {
            return fallback;
        }
        return value.isInteger() ? value.getIntValue() : -1;
    }

    bool isBitDepth(long long bits) { return bits == 1 || bits == 2 || bits == 4 || bits == 8 || bits == 16; }

    int paeth(int left, int up, int upperLeft)
    {
        const int estimate = left + up - upperLeft;
        const int toLeft = std::abs(estimate - left);
        const int toUp = std::abs(estimate - up);
        const int toUpperLeft = std::abs(estimate - upperLeft);
        if (toLeft <= toUp && toLeft <= toUpperLeft) {
            return left;
        }
        return toUp <= toUpperLeft ? up : upperLeft;
    }

    /**
     * Undoes one row's predictor: row holds the stored bytes and receives the decoded ones; above is the
     * decoded row above, all zeros for the first. False for a row type PNG does not define.
     */
    bool undoRow(unsigned char type, unsigned char* row, const unsigned char* above, size_t length, size_t pixel)
    {
        switch (type) {
        case 0:
            return true;
        case 1:
            for (size_t index = pixel; index < length; ++index) {
                row[index] = static_cast<unsigned char>(row[index] + row[index - pixel]);
            }
            return true;
        case 2:
            for (size_t index = 0; index < length; ++index) {
                row[index] = static_cast<unsigned char>(row[index] + above[index]);
            }
            return true;
        case 3:
            for (size_t index = 0; index < length; ++index) {
                const int left = index >= pixel ? row[index - pixel] : 0;
                row[index] = static_cast<unsigned char>(row[index] + ((left + above[index]) >> 1));
            }
            return true;
        case 4:
            for (size_t index = 0; index < length; ++index) {
                const int left = index >= pixel ? row[index - pixel] : 0;
                const int upperLeft = index >= pixel ? above[index - pixel] : 0;
                row[index] = static_cast<unsigned char>(row[index] + paeth(left, above[index], upperLeft));
            }
            return true;
        default:
            return false;
        }
    }
} // namespace

void PredictedFlateDecoder::DecompressorDeleter::operator()(libdeflate_decompressor* decompressor) const
{
    libdeflate_free_decompressor(decompressor);
}

PredictedFlateDecoder::PredictedFlateDecoder()
    : m_decompressor(libdeflate_alloc_decompressor())
{
}

PredictedFlateDecoder::~PredictedFlateDecoder() = default;

PredictedFlateDecoder::Layout PredictedFlateDecoder::layoutOf(QPDFObjectHandle stream, qint64 limit)
{
    QPDFObjectHandle dictionary = stream.getDict();
    QPDFObjectHandle filter = single(dictionary.getKey("/Filter"));
    QPDFObjectHandle parameters = single(dictionary.getKey("/DecodeParms"));
    if (!dictionary.getKey("/Subtype").isNameAndEquals("/Image") || !filter.isNameAndEquals("/FlateDecode")
        || !parameters.isDictionary()) {
        return {};
    }
    const long long predictor = integerOf(parameters, "/Predictor", 1);
    const long long colors = integerOf(parameters, "/Colors", 1);
    const long long bits = integerOf(parameters, "/BitsPerComponent", 8);
    const long long columns = integerOf(parameters, "/Columns", 1);
    const long long height = integerOf(dictionary, "/Height", -1);
    if (predictor < 10 || predictor > 15 || colors < 1 || colors > mostColors || !isBitDepth(bits) || columns < 1
        || columns > mostColumns || height < 1) {
        return {};
    }
    const long long rowBytes = (columns * colors * bits + 7) / 8;
    // The rows with their predictor bytes must fit the limit; a height beyond it fails this first.
    if (height > limit / (rowBytes + 1)) {
        return {};
    }
    Layout layout;
    layout.rows = static_cast<size_t>(height);
    layout.rowBytes = static_cast<size_t>(rowBytes);
    layout.pixelBytes = static_cast<size_t>((colors * bits + 7) / 8);
    return layout;
}

bool PredictedFlateDecoder::decode(const std::string& stored, const Layout& layout, std::string& decoded) const
{
    if (!m_decompressor || layout.rows == 0 || layout.rowBytes == 0) {
        return false;
    }
    const size_t storedRow = layout.rowBytes + 1;
    decoded.resize(layout.rows * storedRow);
    // Exactly the rows the picture promises: more or less data, or a damaged stream, is qpdf's to judge.
    if (libdeflate_zlib_decompress(
            m_decompressor.get(), stored.data(), stored.size(), decoded.data(), decoded.size(), nullptr)
        != LIBDEFLATE_SUCCESS) {
        return false;
    }
    // In place, row by row: a row's decoded bytes land before its stored ones, which are read first.
    auto* bytes = reinterpret_cast<unsigned char*>(decoded.data());
    const std::string firstAbove(layout.rowBytes, '\0');
    const auto* above = reinterpret_cast<const unsigned char*>(firstAbove.data());
    for (size_t row = 0; row < layout.rows; ++row) {
        const unsigned char type = bytes[row * storedRow];
        unsigned char* target = bytes + row * layout.rowBytes;
        std::memmove(target, bytes + row * storedRow + 1, layout.rowBytes);
        if (!undoRow(type, target, above, layout.rowBytes, layout.pixelBytes)) {
            return false;
        }
        above = target;
    }
    decoded.resize(layout.rows * layout.rowBytes);
    return true;
}
