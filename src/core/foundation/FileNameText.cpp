#include "foundation/FileNameText.h"

#include <QFile>
#include <QFileInfo>

namespace {
    // The length of the valid UTF-8 sequence that starts at index, 0 when none does.
    int validSequenceLength(const QByteArray& bytes, int index)
    {
        const auto lead = static_cast<unsigned char>(bytes.at(index));
        const int length = lead < 0x80    ? 1
            : lead >= 0xC2 && lead < 0xE0 ? 2
            : lead >= 0xE0 && lead < 0xF0 ? 3
            : lead >= 0xF0 && lead < 0xF5 ? 4
                                          : 0;
        if (length == 0 || index + length > bytes.size()) {
            return 0;
        }
        const QByteArray sequence = bytes.mid(index, length);
        const QString decoded = QString::fromUtf8(sequence);
        return decoded.contains(QChar::ReplacementCharacter) || decoded.toUtf8() != sequence ? 0 : length;
    }
} // namespace

bool FileNameText::isRepresentable(const QByteArray& name)
{
    return QFile::encodeName(QFile::decodeName(name)) == name;
}

QString FileNameText::displayable(const QByteArray& name)
{
    QString text;
    for (int index = 0; index < name.size();) {
        const int length = validSequenceLength(name, index);
        if (length > 0) {
            text += QString::fromUtf8(name.mid(index, length));
            index += length;
        } else {
            text += QStringLiteral("\\x%1").arg(static_cast<unsigned char>(name.at(index)), 2, 16, QLatin1Char('0'));
            ++index;
        }
    }
    return text;
}

bool FileNameText::isGarbled(const QString& path)
{
    return path.contains(QChar::ReplacementCharacter) && !QFileInfo::exists(path);
}
