#include "ui/TargetSizeSpinBox.h"

#include "engine/CompressSetting.h"

#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>
#include <cmath>

namespace {
    constexpr double kilobytesPerMegabyte = 1024.0;
    constexpr double megabyteStep = kilobytesPerMegabyte / 10.0;
    constexpr double kilobyteStep = 50.0;

    QString megabyteUnit() { return TargetSizeSpinBox::tr("MB"); }
    QString kilobyteUnit() { return TargetSizeSpinBox::tr("KB"); }
} // namespace

TargetSizeSpinBox::TargetSizeSpinBox(QWidget* parent)
    : QDoubleSpinBox(parent)
{
    setDecimals(1);
    setRange(static_cast<double>(CompressSetting::minimumTargetSize) / 1024.0,
        static_cast<double>(CompressSetting::maximumTargetSize) / 1024.0);
    setKeyboardTracking(false);
    // A size typed outside the range becomes the nearest one allowed, not the one before.
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    setAccelerated(true);
    setBytes(CompressSetting::defaultTargetSize);
}

qint64 TargetSizeSpinBox::bytes() const { return qRound64(value() * 1024.0); }

void TargetSizeSpinBox::setBytes(qint64 bytes) { setValue(static_cast<double>(bytes) / 1024.0); }

QString TargetSizeSpinBox::sizeText(qint64 bytes)
{
    const double kilobytes = static_cast<double>(bytes) / 1024.0;
    QLocale shown;
    shown.setNumberOptions(QLocale::OmitGroupSeparator);
    if (kilobytes >= kilobytesPerMegabyte) {
        const double tenths = std::round(kilobytes / kilobytesPerMegabyte * 10.0);
        const bool whole = std::fmod(tenths, 10.0) == 0.0;
        return shown.toString(tenths / 10.0, 'f', whole ? 0 : 1) + QLatin1Char(' ') + megabyteUnit();
    }
    return shown.toString(qRound(kilobytes)) + QLatin1Char(' ') + kilobyteUnit();
}

void TargetSizeSpinBox::refreshText() { lineEdit()->setText(textFromValue(value())); }

void TargetSizeSpinBox::stepBy(int steps)
{
    // Above one megabyte the steps are tenths of one, landing on the tenths as shown; below, 50 KB each.
    const double current = value();
    const bool inMegabytes = steps > 0 ? current >= kilobytesPerMegabyte : current > kilobytesPerMegabyte;
    const double step = inMegabytes ? megabyteStep : kilobyteStep;
    const double onGrid = (steps > 0 ? std::floor(current / step + 1e-6) : std::ceil(current / step - 1e-6)) * step;
    setValue(onGrid + steps * step);
}

QString TargetSizeSpinBox::textFromValue(double kilobytes) const
{
    // No group separator: "1,000 KB" would read back as one kilobyte.
    QLocale shown = locale();
    shown.setNumberOptions(QLocale::OmitGroupSeparator);
    if (kilobytes >= kilobytesPerMegabyte) {
        return shown.toString(kilobytes / kilobytesPerMegabyte, 'f', 1) + QLatin1Char(' ') + megabyteUnit();
    }
    return shown.toString(qRound(kilobytes)) + QLatin1Char(' ') + kilobyteUnit();
}

double TargetSizeSpinBox::valueFromText(const QString& text) const
{
    const double kilobytes = kilobytesOf(text);
    return kilobytes < 0 ? value() : kilobytes;
}

QValidator::State TargetSizeSpinBox::validate(QString& text, int& position) const
{
    Q_UNUSED(position)
    const double kilobytes = kilobytesOf(text);
    if (kilobytes < 0) {
        // Digits on their way to a size are fine while typing; anything else is not.
        static const QRegularExpression partial(QStringLiteral("^\\s*[0-9.,]*\\s*[A-Za-z]{0,2}\\s*$"));
        return partial.match(text).hasMatch() ? QValidator::Intermediate : QValidator::Invalid;
    }
    return kilobytes >= minimum() && kilobytes <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
}

double TargetSizeSpinBox::kilobytesOf(const QString& text) const
{
    static const QRegularExpression size(QStringLiteral("^\\s*([0-9]+(?:[.,][0-9]*)?)\\s*([A-Za-z]*)\\s*$"));
    const QRegularExpressionMatch match = size.match(text);
    if (!match.hasMatch()) {
        return -1.0;
    }
    QString number = match.captured(1);
    number.replace(QLatin1Char(','), QLatin1Char('.'));
    bool isNumber = false;
    const double amount = QLocale::c().toDouble(number, &isNumber);
    const QString unit = match.captured(2);
    if (!isNumber) {
        return -1.0;
    }
    // A number without a unit is read in the unit shown now.
    if (unit.isEmpty()) {
        return value() >= kilobytesPerMegabyte ? amount * kilobytesPerMegabyte : amount;
    }
    if (unit.compare(megabyteUnit(), Qt::CaseInsensitive) == 0
        || unit.compare(QLatin1String("M"), Qt::CaseInsensitive) == 0
        || unit.compare(QLatin1String("MB"), Qt::CaseInsensitive) == 0) {
        return amount * kilobytesPerMegabyte;
    }
    if (unit.compare(kilobyteUnit(), Qt::CaseInsensitive) == 0
        || unit.compare(QLatin1String("K"), Qt::CaseInsensitive) == 0
        || unit.compare(QLatin1String("KB"), Qt::CaseInsensitive) == 0) {
        return amount;
    }
    return -1.0;
}
