#pragma once

#include <QByteArray>
#include <QString>

/**
 * File names are bytes; Qt 5 carries them as text decoded from UTF-8. A name whose bytes are no valid
 * UTF-8 does not survive that decoding: it must be reported by a name people can read, never opened
 * under the garbled one (which names no file, or worse, another file).
 */
namespace FileNameText {
    /** Whether Qt can carry these name bytes: decoding and encoding again gives the same bytes. */
    bool isRepresentable(const QByteArray& name);

    /** The name for people: valid text as it is, every byte that is no valid text as \xNN. */
    QString displayable(const QByteArray& name);

    /** Whether a path is the lossy decoding of such a name: it holds U+FFFD and names no file. */
    bool isGarbled(const QString& path);
} // namespace FileNameText
