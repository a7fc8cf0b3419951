#pragma once

#include "foundation/GLanguage.h"
#include "services/BLUpdateNotice.h"
#include "services/IBLUpdatesService.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTranslator>
#include <functional>

class QNetworkAccessManager;
class QNetworkReply;

namespace Brimlake {
    class BLProductMeta;

    /**
     * The update service: fetches one small version document of the product it serves over HTTPS,
     * compares it with the product's version and tells the user the outcome in the language of the
     * localisation manager. The window keeps running while it waits.
     *
     * The version document is JSON: {"product": "<product number>", "version": "<d.d.d>"}.
     */
    class BLUpdatesService final : public QObject, public IBLUpdatesService
    {
        Q_OBJECT

    public:
        using Presenter = std::function<void(const BLUpdateNotice&)>;

        static constexpr int defaultTimeout = 15000; // ms without a complete answer
        static constexpr int defaultMinimumInterval = 10000; // ms between the starts of two checks
        static constexpr qint64 maximumDocumentSize = 64 * 1024;

        /** The process-wide service as the services themselves use it; lives until the process ends. */
        static std::shared_ptr<BLUpdatesService> shared();

        BLUpdatesService();
        ~BLUpdatesService() override;

        void setProductMeta(std::shared_ptr<IBLProductMeta> productMeta, bool notifyUser) override;
        void checkForUpdates(std::shared_ptr<void> handle) override;

        std::shared_ptr<IBLProductMeta> productMeta() const { return m_productMeta; }
        bool notifiesUser() const { return m_notifyUser; }
        bool isChecking() const { return !m_reply.isNull(); }

        // Seams, so that tests can use a server of their own and answer without a person.
        void setFeedAddress(const QUrl& address) { m_feedAddress = address; }
        QUrl feedAddress() const { return m_feedAddress; }
        /** Who shows the notices to the user: the window sets its message box at start-up. */
        void setPresenter(Presenter presenter);
        void setTimeout(int milliseconds) { m_timeout = milliseconds; }
        void setMinimumInterval(int milliseconds) { m_minimumInterval = milliseconds; }

    private:
        bool tooSoon() const;
        QNetworkAccessManager* network();
        void checkFinished(QNetworkReply* reply);
        /** Takes what has arrived of the answer, up to one byte beyond the limit; aborts past it. */
        void readAnswer(QNetworkReply* reply);
        /** The version the document offers; empty when the answer is no usable document. */
        QString offeredVersion(QNetworkReply* reply, const BLProductMeta& meta);
        void tell(BLUpdateNotice::Kind kind, const QString& availableVersion = QString());
        QString translated(GLanguage::MessageId id);

        std::shared_ptr<IBLProductMeta> m_productMeta;
        bool m_notifyUser = false;
        QUrl m_feedAddress;
        Presenter m_presenter;
        int m_timeout = defaultTimeout;
        int m_minimumInterval = defaultMinimumInterval;

        QPointer<QNetworkAccessManager> m_network; // owned by the application object
        QPointer<QNetworkReply> m_reply; // the check under way, owned by m_network
        QByteArray m_answer; // what has arrived of its answer, never more than one byte beyond the limit
        std::shared_ptr<void> m_handle; // the caller's context, kept while the check runs
        QElapsedTimer m_lastStart;

        QTranslator m_translator;
        QString m_translatorSuffix;
    };
} // namespace Brimlake
