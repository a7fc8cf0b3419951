#include "MarkdownTable.h"

#include <cmath>

namespace {
    QString rowText(const QStringList& cells)
    {
        QStringList escaped;
        for (QString cell : cells) {
            escaped << cell.replace(QLatin1Char('|'), QStringLiteral("\\|"));
        }
        return QStringLiteral("| ") + escaped.join(QStringLiteral(" | ")) + QStringLiteral(" |\n");
    }
} // namespace

MarkdownTable::MarkdownTable(const QStringList& header, const QString& alignment)
    : m_header(header)
    , m_alignment(alignment)
{
}

void MarkdownTable::addRow(const QStringList& cells) { m_rows << cells; }

QString MarkdownTable::toMarkdown() const
{
    QString text = rowText(m_header);
    QStringList rules;
    for (int column = 0; column < m_header.size(); ++column) {
        rules << (column < m_alignment.size() && m_alignment.at(column) == QLatin1Char('r') ? QStringLiteral("---:")
                                                                                            : QStringLiteral("---"));
    }
    text += rowText(rules);
    for (const QStringList& row : m_rows) {
        QStringList cells = row;
        while (cells.size() < m_header.size()) {
            cells << QString();
        }
        text += rowText(cells);
    }
    return text;
}

QString MarkdownTable::number(double value, int decimals)
{
    if (std::isnan(value)) {
        return QStringLiteral("n/a");
    }
    if (std::isinf(value)) {
        return QStringLiteral("∞");
    }
    return QString::number(value, 'f', decimals);
}

QString MarkdownTable::percent(double share, int decimals)
{
    return std::isnan(share) ? QStringLiteral("n/a")
                             : QString::number(share * 100.0, 'f', decimals) + QStringLiteral(" %");
}

QString MarkdownTable::mebibytes(qint64 bytes)
{
    return bytes < 0 ? QStringLiteral("n/a") : QString::number(static_cast<double>(bytes) / 1048576.0, 'f', 2);
}
