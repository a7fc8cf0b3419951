#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

/**
 * The interpreter cannot turn a colour shading into a grey one, so a rewrite to grey paints every
 * shading as a picture: a slide show of fading backgrounds and ball-shaped bullets comes out larger
 * in grey than in colour. These helpers tell such a rewrite from an ordinary one and give the
 * arguments of the same rewrite in colour, which keeps the shadings as drawings.
 */
namespace GreyRewriteCheck {
    /** Whether the interpreter's arguments turn the document grey. */
    bool convertsToGrey(const QStringList& arguments);
    /** The same arguments with the colours of the output kept as RGB. */
    QStringList keepingColour(QStringList arguments);
    /** The pictures (image objects) a document holds, or -1 when qpdf cannot read it with password. */
    int imageCount(const QString& path, const QByteArray& password = QByteArray());
    /**
     * Whether the rewrite holds more pictures than the source: the interpreter painted something as a
     * picture that was none. The source is opened with password; the rewrite needs none.
     */
    bool addsPictures(const QString& source, const QByteArray& password, const QString& rewrite);
} // namespace GreyRewriteCheck
