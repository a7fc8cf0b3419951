#include "services/BLUpdatesService.h"

#include "foundation/ProductConstants.h"
#include "services/BLLocalizationMgr.h"
#include "services/BLProductMeta.h"

#include <QCoreApplication>
#include <QDebug>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRegularExpression>
#include <QTimer>
#include <QVersionNumber>

namespace Brimlake {
    std::shared_ptr<BLUpdatesService> BLUpdatesService::shared()
    {
        static const auto service = std::make_shared<BLUpdatesService>();
        return service;
    }

    std::shared_ptr<IBLUpdatesService> IBLUpdatesService::Shared() { return BLUpdatesService::shared(); }

    BLUpdatesService::BLUpdatesService()
        : m_feedAddress(Product::updateFeedAddress)
    {
    }

    BLUpdatesService::~BLUpdatesService() = default;

    void BLUpdatesService::setProductMeta(std::shared_ptr<IBLProductMeta> productMeta, bool notifyUser)
    {
        m_productMeta = std::move(productMeta);
        m_notifyUser = notifyUser;
    }

    void BLUpdatesService::setPresenter(Presenter presenter) { m_presenter = std::move(presenter); }

    bool BLUpdatesService::tooSoon() const
    {
        return isChecking() || (m_lastStart.isValid() && m_lastStart.elapsed() < m_minimumInterval);
    }

    QNetworkAccessManager* BLUpdatesService::network()
    {
        // Owned by the application object, so that it goes before Qt's network internals do.
        if (m_network.isNull()) {
            m_network = new QNetworkAccessManager(QCoreApplication::instance());
        }
        return m_network;
    }

    void BLUpdatesService::checkForUpdates(std::shared_ptr<void> handle)
    {
        const auto meta = std::dynamic_pointer_cast<BLProductMeta>(m_productMeta);
        if (!meta) {
            qWarning() << "Update check requested before any product was described";
            return;
        }
        if (tooSoon()) {
            qDebug() << "Update check refused: too soon after the last one";
            tell(BLUpdateNotice::TooFrequent);
            return;
        }

        QNetworkRequest request(m_feedAddress);
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
        request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
        request.setHeader(
            QNetworkRequest::UserAgentHeader, QStringLiteral("%1/%2").arg(meta->productNumber(), meta->version()));
        // Asked for as it is: Qt then never inflates the answer, and a small compressed answer cannot
        // swell into gigabytes in memory before its size is seen. A version document is a few bytes.
        request.setRawHeader("Accept-Encoding", "identity");
        m_handle = std::move(handle);
        m_lastStart.start();
        QNetworkReply* reply = network()->get(request);
        m_reply = reply;
        qDebug() << "Update check started:" << m_feedAddress.toString();

        auto* deadline = new QTimer(reply);
        deadline->setSingleShot(true);
        connect(deadline, &QTimer::timeout, reply, &QNetworkReply::abort);
        deadline->start(m_timeout);
        // Read as it arrives and kept up to the limit only; anything larger is not a version document.
        m_answer.clear();
        reply->setReadBufferSize(maximumDocumentSize + 1);
        connect(reply, &QNetworkReply::readyRead, this, [this, reply] { readAnswer(reply); });
        connect(reply, &QNetworkReply::finished, this, [this, reply] { checkFinished(reply); });
    }

    QString BLUpdatesService::offeredVersion(QNetworkReply* reply, const BLProductMeta& meta)
    {
        if (reply->error() != QNetworkReply::NoError) {
            qWarning() << "Update check failed:" << reply->errorString();
            return {};
        }
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (status != 200) {
            qWarning() << "Update check answered with HTTP status" << status;
            return {};
        }
        readAnswer(reply);
        if (m_answer.size() > maximumDocumentSize) {
            qWarning() << "Update check answer is larger than a version document may be";
            return {};
        }
        const QJsonDocument document = QJsonDocument::fromJson(m_answer);
        const QJsonObject object = document.object();
        const QString product = object.value(QStringLiteral("product")).toString();
        const QString version = object.value(QStringLiteral("version")).toString();
        static const QRegularExpression versionPattern(QStringLiteral("^\\d{1,5}(\\.\\d{1,5}){0,3}$"));
        if (product != meta.productNumber() || !versionPattern.match(version).hasMatch()) {
            qWarning() << "Update check got no usable version document";
            return {};
        }
        return version;
    }

    void BLUpdatesService::readAnswer(QNetworkReply* reply)
    {
        m_answer += reply->read(maximumDocumentSize + 1 - m_answer.size());
        if (m_answer.size() > maximumDocumentSize && reply->isRunning()) {
            reply->abort();
        }
    }

    void BLUpdatesService::checkFinished(QNetworkReply* reply)
    {
        reply->deleteLater();
        m_reply.clear();
        m_handle.reset();

        const auto meta = std::dynamic_pointer_cast<BLProductMeta>(m_productMeta);
        const QString offered = meta ? offeredVersion(reply, *meta) : QString();
        m_answer.clear();
        if (offered.isEmpty()) {
            tell(BLUpdateNotice::NetworkError);
            return;
        }
        qDebug() << "Update check: version offered" << offered << "version running" << meta->version();
        if (QVersionNumber::fromString(offered) > QVersionNumber::fromString(meta->version())) {
            tell(BLUpdateNotice::NewerVersion, offered);
        } else {
            tell(BLUpdateNotice::NewestVersion);
        }
    }

    QString BLUpdatesService::translated(GLanguage::MessageId id)
    {
        // The services answer in the localisation manager's language, whatever the windows show.
        const QString suffix = BLLocalizationMgr::shared()->catalogueSuffix();
        if (suffix != m_translatorSuffix) {
            m_translatorSuffix = suffix;
            if (!m_translator.load(
                    QStringLiteral(":/translations/language/Translation_") + suffix + QStringLiteral(".qm"))) {
                qDebug() << "Update service has no catalogue for" << suffix;
            }
        }
        const QString text = m_translator.translate("GLanguage", GLanguage::sourceUtf8(id));
        return text.isEmpty() ? GLanguage::messageSource(id) : text;
    }

    void BLUpdatesService::tell(BLUpdateNotice::Kind kind, const QString& availableVersion)
    {
        const QString product = QCoreApplication::applicationName();
        const auto meta = std::dynamic_pointer_cast<BLProductMeta>(m_productMeta);
        BLUpdateNotice notice;
        notice.kind = kind;
        notice.title = product;
        switch (kind) {
        case BLUpdateNotice::NewerVersion:
            notice.availableVersion = availableVersion;
            notice.productPage = QUrl(Product::productPage);
            notice.text
                = translated(GLanguage::MsgNewVersionAvailable).arg(product + QLatin1Char(' ') + availableVersion);
            break;
        case BLUpdateNotice::NewestVersion:
            notice.text = product + QLatin1Char(' ') + (meta ? meta->version() : QString()) + QLatin1Char(' ')
                + translated(GLanguage::MsgNewestVersion);
            break;
        case BLUpdateNotice::NetworkError:
            notice.text = translated(GLanguage::MsgNetworkError);
            break;
        case BLUpdateNotice::TooFrequent:
            notice.text = translated(GLanguage::MsgRequestsTooFrequent);
            break;
        }

        if (!m_notifyUser) {
            qDebug() << "Update check outcome:" << notice.text;
            return;
        }
        if (m_presenter) {
            m_presenter(notice);
        } else {
            // Nobody shows notices in this process (no window): the log keeps the outcome.
            qDebug() << "Update check outcome (nobody to tell):" << notice.text;
        }
    }
} // namespace Brimlake
