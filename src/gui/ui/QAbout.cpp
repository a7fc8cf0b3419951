#include "ui/QAbout.h"
#include "ui_QAbout.h"

#include "foundation/ProductConstants.h"

#include <QDebug>
#include <QDesktopServices>
#include <QUrl>

namespace {
    QAbout::DateSource& dateSource()
    {
        static QAbout::DateSource source;
        return source;
    }
} // namespace

QAbout::QAbout(QWidget* parent)
    : QDialog(parent)
    , m_ui(new Ui::QAbout())
{
    m_ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint);

    // Qt's rich-text parser takes the colour only without a trailing ';' ("#e9a96f;" is no colour at all).
    const QString copyrightSign = QStringLiteral("<font color=#e9a96f>&#169;</font>");
    m_ui->lab_copyright->setText(tr("Copyright %1 %2 Vantorel Studio. All rights reserved.")
                                     .arg(copyrightSign, QString::number(today().year())));
    m_ui->iconLabel->setPixmap(QPixmap(QStringLiteral(":/resource/vantorel.ico")));
    m_ui->lab_product->setText(Product::displayName);
    m_ui->lab_version->setText(tr("Version %1").arg(Product::version));

    setAttribute(Qt::WA_DeleteOnClose);
    connect(m_ui->btnMoreInfo, &QPushButton::clicked, this, &QAbout::btnMoreInfo_clicked);
}

QAbout::~QAbout() { qDebug() << "~QAbout"; }

void QAbout::setDateSource(DateSource source) { dateSource() = std::move(source); }

QDate QAbout::today() { return dateSource() ? dateSource()() : QDate::currentDate(); }

void QAbout::btnMoreInfo_clicked() { QDesktopServices::openUrl(QUrl(Product::productPage)); }
