#include "ui/RefusedFilesNotice.h"

#include "services/MultiLanguage.h"
#include "ui/ModalDialogs.h"

#include <QDir>

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

namespace {
    // Thousands of refused files name no more than this: the details stay readable, the memory small.
    constexpr int namesKept = 500;
} // namespace

RefusedFilesNotice::RefusedFilesNotice(QWidget* parent)
    : QFrame(parent)
    , m_label(new QLabel(this))
    , m_details(new QToolButton(this))
    , m_close(new QToolButton(this))
{
    setObjectName(QStringLiteral("frame_notice"));
    m_label->setObjectName(QStringLiteral("label_notice"));
    m_close->setObjectName(QStringLiteral("btn_notice_close"));
    m_details->setObjectName(QStringLiteral("btn_notice_details"));
    setStyleSheet(QStringLiteral(
        "#frame_notice { background: #FFF6E0; border: none; border-bottom: 1px solid #F2D38A; }\n"
        "#label_notice { color: #5A4300; }\n"
        "#btn_notice_close { border: none; color: #5A4300; font-size: 14px; padding: 0 4px; }\n"
        "#btn_notice_close:hover { color: #000000; }\n"
        "#btn_notice_close:focus, #btn_notice_details:focus { border: 1px solid #3993F2; }\n"
        "#btn_notice_details { border: 1px solid transparent; color: #1D5FA8; text-decoration: underline; }"));

    // Names can hold anything; the notice shows only counts, but never as markup.
    m_label->setTextFormat(Qt::PlainText);
    m_label->setWordWrap(true);
    m_close->setText(QStringLiteral("✕"));
    m_close->setAccessibleName(tr("Close"));
    m_close->setCursor(Qt::PointingHandCursor);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 6, 6, 6);
    layout->setSpacing(6);
    layout->addWidget(m_label, 1);
    layout->addWidget(m_details, 0, Qt::AlignTop);
    layout->addWidget(m_close, 0, Qt::AlignTop);
    m_details->setCursor(Qt::PointingHandCursor);
    m_close->setAccessibleName(tr("Close"));

    connect(m_details, &QToolButton::clicked, this, &RefusedFilesNotice::showDetails);
    connect(m_close, &QToolButton::clicked, this, &RefusedFilesNotice::dismiss);
    connect(MultiLanguage::instance(), &MultiLanguage::languageChanged, this, &RefusedFilesNotice::retranslate);
    hide();
}

void RefusedFilesNotice::addRefused(FileItemList::Refusal reason, int count)
{
    if (count <= 0) {
        return;
    }
    m_counts[reason] += count;
    retranslate();
    show();
}

void RefusedFilesNotice::addRefusedFile(FileItemList::Refusal reason, const QString& path)
{
    if (m_files.size() < namesKept) {
        m_files.append(qMakePair(reason, path));
    }
}

QString RefusedFilesNotice::text() const { return m_label->text(); }

QString RefusedFilesNotice::details() const
{
    QStringList lines;
    for (const auto& file : m_files) {
        lines << tr("%1: %2").arg(QDir::toNativeSeparators(file.second), reasonText(file.first));
    }
    int total = 0;
    for (const int count : m_counts) {
        total += count;
    }
    if (total > m_files.size()) {
        lines << tr("… and %n more", nullptr, total - m_files.size());
    }
    return lines.join(QLatin1Char('\n'));
}

void RefusedFilesNotice::showDetails()
{
    ModalDialogs::information(window(), tr("Files Not Added"), text(), details());
}

void RefusedFilesNotice::dismiss()
{
    m_counts.clear();
    m_files.clear();
    hide();
}

QString RefusedFilesNotice::reasonText(FileItemList::Refusal reason)
{
    switch (reason) {
    case FileItemList::Refusal::NotPdf:
        return tr("not a PDF");
    case FileItemList::Refusal::Damaged:
        return tr("damaged or unreadable");
    case FileItemList::Refusal::AlreadyListed:
        return tr("already in the list");
    case FileItemList::Refusal::UnreadableName:
        return tr("its name is not valid text and cannot be opened");
    }
    return QString();
}

void RefusedFilesNotice::retranslate()
{
    m_close->setToolTip(tr("Close"));
    m_close->setAccessibleName(tr("Close"));
    m_details->setText(tr("Details…"));
    int total = 0;
    QStringList reasons;
    for (auto each = m_counts.cbegin(); each != m_counts.cend(); ++each) {
        total += each.value();
        switch (each.key()) {
        case FileItemList::Refusal::NotPdf:
            reasons << tr("not a PDF: %n", nullptr, each.value());
            break;
        case FileItemList::Refusal::Damaged:
            reasons << tr("damaged or unreadable: %n", nullptr, each.value());
            break;
        case FileItemList::Refusal::AlreadyListed:
            reasons << tr("already in the list: %n", nullptr, each.value());
            break;
        case FileItemList::Refusal::UnreadableName:
            reasons << tr("unreadable name: %n", nullptr, each.value());
            break;
        }
    }
    m_label->setText(tr("Files not added: %n (%1)", nullptr, total)
                         .arg(reasons.join(tr(", ", "separates the reasons in the list of refused files"))));
}
