#include "ui/RefusedFilesNotice.h"

#include "services/MultiLanguage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>
#include <QToolButton>

namespace {
    // Long enough to read two lines twice, short enough not to linger over the next task.
    constexpr int defaultShownFor = 8000;
} // namespace

RefusedFilesNotice::RefusedFilesNotice(QWidget* parent)
    : QFrame(parent)
    , m_label(new QLabel(this))
    , m_close(new QToolButton(this))
    , m_timer(new QTimer(this))
{
    setObjectName(QStringLiteral("frame_notice"));
    m_label->setObjectName(QStringLiteral("label_notice"));
    m_close->setObjectName(QStringLiteral("btn_notice_close"));
    setStyleSheet(
        QStringLiteral("#frame_notice { background: #FFF6E0; border: none; border-bottom: 1px solid #F2D38A; }\n"
                       "#label_notice { color: #5A4300; }\n"
                       "#btn_notice_close { border: none; color: #5A4300; font-size: 14px; padding: 0 4px; }\n"
                       "#btn_notice_close:hover { color: #000000; }"));

    // Names can hold anything; the notice shows only counts, but never as markup.
    m_label->setTextFormat(Qt::PlainText);
    m_label->setWordWrap(true);
    m_close->setText(QStringLiteral("✕"));
    m_close->setCursor(Qt::PointingHandCursor);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 6, 6, 6);
    layout->setSpacing(6);
    layout->addWidget(m_label, 1);
    layout->addWidget(m_close, 0, Qt::AlignTop);

    m_timer->setSingleShot(true);
    m_timer->setInterval(defaultShownFor);
    connect(m_timer, &QTimer::timeout, this, &RefusedFilesNotice::dismiss);
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
    m_timer->start();
}

void RefusedFilesNotice::setShownFor(int milliseconds) { m_timer->setInterval(milliseconds); }

int RefusedFilesNotice::shownFor() const { return m_timer->interval(); }

QString RefusedFilesNotice::text() const { return m_label->text(); }

void RefusedFilesNotice::dismiss()
{
    m_timer->stop();
    m_counts.clear();
    hide();
}

void RefusedFilesNotice::retranslate()
{
    m_close->setToolTip(tr("Close"));
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
        }
    }
    m_label->setText(tr("Files not added: %n (%1)", nullptr, total)
                         .arg(reasons.join(tr(", ", "separates the reasons in the list of refused files"))));
}
