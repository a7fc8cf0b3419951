#include "engine/PdfPassword.h"

#include <qpdf/QUtil.hh>
#include <string>

namespace {
    const QString stringOption = QStringLiteral("-sPDFPassword=");
    const QString tokenOption = QStringLiteral("-dPDFPassword=");

    void addSingleByteForm(QList<QByteArray>& forms, bool converted, const std::string& bytes)
    {
        const QByteArray form = QByteArray::fromStdString(bytes);
        // A character the encoding lacks would be replaced; such a form cannot be the right one.
        if (converted && !forms.contains(form)) {
            forms << form;
        }
    }
} // namespace

QList<QByteArray> PdfPassword::encodings(const QString& password)
{
    if (password.isEmpty()) {
        return {};
    }
    const QByteArray utf8 = password.toUtf8();
    QList<QByteArray> forms { utf8 };
    std::string bytes;
    addSingleByteForm(forms, QUtil::utf8_to_pdf_doc(utf8.toStdString(), bytes), bytes);
    addSingleByteForm(forms, QUtil::utf8_to_win_ansi(utf8.toStdString(), bytes), bytes);
    return forms;
}

QString PdfPassword::ghostscriptArgument(const QString& password, const QByteArray& bytes)
{
    if (bytes == password.toUtf8()) {
        return stringOption + password;
    }
    return tokenOption + QLatin1Char('<') + QString::fromLatin1(bytes.toHex()) + QLatin1Char('>');
}

bool PdfPassword::isPasswordArgument(const QString& argument)
{
    return argument.startsWith(stringOption) || argument.startsWith(tokenOption);
}
