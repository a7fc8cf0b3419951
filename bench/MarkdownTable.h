#pragma once

#include <QString>
#include <QStringList>

/** A Markdown table built row by row; numbers are formatted by the caller. */
class MarkdownTable final
{
public:
    /** alignment has one letter per column: 'l' left, 'r' right. */
    MarkdownTable(const QStringList& header, const QString& alignment);

    void addRow(const QStringList& cells);
    bool isEmpty() const { return m_rows.isEmpty(); }
    QString toMarkdown() const;

    static QString number(double value, int decimals);
    static QString percent(double share, int decimals = 1);
    static QString mebibytes(qint64 bytes);

private:
    QStringList m_header;
    QString m_alignment;
    QList<QStringList> m_rows;
};
