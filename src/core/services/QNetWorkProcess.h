#pragma once

#include <QObject>
#include <memory>

namespace Brimlake {
    class IBLProductMeta;
}

/**
 * The application's bridge to the product services: when built it names the application, points
 * the services' logging at the Log folder and hands the product's description to the update service.
 */
class QNetWorkProcess final : public QObject
{
    Q_OBJECT

public:
    /** The one bridge of the process, built on the first call and kept until the process ends. */
    static QNetWorkProcess* instance();

    /** Asks the update service for a check and returns at once; the service tells the user the outcome. */
    void checkForUpdates();

    /** The product description the bridge built; empty while no bridge exists. */
    static std::shared_ptr<Brimlake::IBLProductMeta> productMeta();

private:
    QNetWorkProcess();

    std::shared_ptr<Brimlake::IBLProductMeta> m_productMeta;
};
