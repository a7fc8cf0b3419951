#include "services/QNetWorkProcess.h"

#include "foundation/ProductConstants.h"
#include "services/IBLLogConfig.h"
#include "services/IBLProductMeta.h"
#include "services/IBLUpdatesService.h"

#include <QCoreApplication>

namespace {
    QNetWorkProcess* bridge = nullptr;
}

QNetWorkProcess::QNetWorkProcess()
{
    QCoreApplication::setOrganizationName(Product::organisationName);
    QCoreApplication::setApplicationName(Product::displayName);

    Brimlake::IBLLogConfig::InitializeLogConfig(Product::logFolder().toStdString());

    m_productMeta = Brimlake::IBLProductMeta::MallocProductMeta(Product::productNumber.toStdString());
    m_productMeta->setVersion(Product::version.toStdString());
    m_productMeta->setCompanyName(Product::organisationName.toStdString());

    Brimlake::IBLUpdatesService::Shared()->setProductMeta(m_productMeta, true);
}

QNetWorkProcess* QNetWorkProcess::instance()
{
    if (!bridge) {
        bridge = new QNetWorkProcess();
    }
    return bridge;
}

void QNetWorkProcess::checkForUpdates() { Brimlake::IBLUpdatesService::Shared()->checkForUpdates(nullptr); }

std::shared_ptr<Brimlake::IBLProductMeta> QNetWorkProcess::productMeta()
{
    return bridge ? bridge->m_productMeta : nullptr;
}
