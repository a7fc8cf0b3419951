#include "support/PdfFixtures.h"

#include "support/TestPdf.h"

#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>

namespace {
    QByteArray contentsOf(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
} // namespace

namespace PdfFixtures {
    bool writeTextDocument(const QString& path, int pageCount)
    {
        QPdfWriter writer(path);
        writer.setResolution(72);
        QPainter painter;
        if (!painter.begin(&writer)) {
            return false;
        }
        for (int page = 0; page < pageCount; ++page) {
            if (page > 0) {
                writer.newPage();
            }
            painter.drawText(QPoint(72, 72), QStringLiteral("Page %1").arg(page + 1));
        }
        return painter.end();
    }

    bool writeUnknownSecurityHandlerCopy(const QString& source, const QString& target)
    {
        if (!writeEncryptedCopy(source, target, QStringLiteral("user"), QStringLiteral("owner"), Cipher::Rc4_128)) {
            return false;
        }
        // Same length, so every offset in the file stays right.
        QByteArray bytes = contentsOf(target);
        const QByteArray standard = QByteArrayLiteral("/Filter /Standard");
        if (!bytes.contains(standard)) {
            return false;
        }
        bytes.replace(standard, QByteArrayLiteral("/Filter /Standerd"));
        return writeBytes(target, bytes);
    }

    bool writeBrokenXrefCopy(const QString& source, const QString& target)
    {
        const QByteArray bytes = contentsOf(source);
        const int xref = bytes.lastIndexOf("\nxref");
        if (xref < 0) {
            return false;
        }
        // Every in-use entry now points at offset 1, inside the header.
        QString text = QString::fromLatin1(bytes.mid(xref));
        text.replace(QRegularExpression(QStringLiteral("\\d{10} (\\d{5}) n")), QStringLiteral("0000000001 \\1 n"));
        return writeBytes(target, bytes.left(xref) + text.toLatin1());
    }

    bool writeBytes(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
    }
} // namespace PdfFixtures
