#pragma once

#include <QDoubleSpinBox>
#include <QtGlobal>

/**
 * A file size to fit under, shown as people read sizes: megabytes with one decimal ("2.5 MB"), and
 * kilobytes below one megabyte ("500 KB"), in units of 1024 like every size the rows show. The arrows
 * step by a tenth of a megabyte, and by 50 KB below one; typing "800 KB" or "1.5 MB" works too.
 */
class TargetSizeSpinBox final : public QDoubleSpinBox
{
    Q_OBJECT

public:
    explicit TargetSizeSpinBox(QWidget* parent = nullptr);

    qint64 bytes() const;
    /** Shows bytes, brought into the range a target may have. */
    void setBytes(qint64 bytes);
    /** Writes the size again in the units of the current language. */
    void refreshText();

    /**
     * A target as the rows name it, rounded as the box shows it but without a needless ".0": "2 MB",
     * "2.2 MB", "500 KB", in the interface's language.
     */
    static QString sizeText(qint64 bytes);

    void stepBy(int steps) override;
    QString textFromValue(double kilobytes) const override;
    double valueFromText(const QString& text) const override;
    QValidator::State validate(QString& text, int& position) const override;

private:
    /** The kilobytes text stands for, or a negative number when it is no size. */
    double kilobytesOf(const QString& text) const;
};
