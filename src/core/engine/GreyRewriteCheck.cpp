#include "engine/GreyRewriteCheck.h"

#include <QFile>
#include <algorithm>
#include <exception>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>

namespace {
    const QString greyStrategy = QStringLiteral("-sColorConversionStrategy=Gray");
    const QString colourStrategy = QStringLiteral("-sColorConversionStrategy=RGB");

    bool isPicture(QPDFObjectHandle object)
    {
        return object.isStream() && object.getDict().getKey("/Subtype").isNameAndEquals("/Image");
    }
} // namespace

namespace GreyRewriteCheck {
    bool convertsToGrey(const QStringList& arguments) { return arguments.contains(greyStrategy); }

    QStringList keepingColour(QStringList arguments)
    {
        std::replace(arguments.begin(), arguments.end(), greyStrategy, colourStrategy);
        return arguments;
    }

    int imageCount(const QString& path, const QByteArray& password)
    {
        try {
            QPDF pdf;
            pdf.setSuppressWarnings(true);
            pdf.processFile(QFile::encodeName(path).constData(), password.isEmpty() ? nullptr : password.constData());
            int count = 0;
            for (QPDFObjectHandle& object : pdf.getAllObjects()) {
                count += isPicture(object) ? 1 : 0;
            }
            return count;
        } catch (const std::exception&) {
            return -1;
        }
    }

    bool addsPictures(const QString& source, const QByteArray& password, const QString& rewrite)
    {
        // The rewrite is small and plain; only when it holds pictures at all is the source worth reading.
        const int rewritten = imageCount(rewrite);
        if (rewritten <= 0) {
            return false;
        }
        const int original = imageCount(source, password);
        return original >= 0 && rewritten > original;
    }
} // namespace GreyRewriteCheck
