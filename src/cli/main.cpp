#include "cli/CommandLanguage.h"
#include "cli/CommandRun.h"
#include "foundation/ProductConstants.h"
#include "foundation/TerminationWatcher.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    int status = 0;
    int receivedSignal = 0;
    {
        QCoreApplication application(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("kompresto"));
        QCoreApplication::setApplicationVersion(Product::version);
        CommandLanguage::install(application);
        QList<QByteArray> rawArguments;
        for (int index = 0; index < argc; ++index) {
            rawArguments << QByteArray(argv[index]);
        }
        CommandRun run;
        status = run.exec(QCoreApplication::arguments(), rawArguments);
        receivedSignal = run.receivedSignal();
    }
    TerminationWatcher::endBySignal(receivedSignal);
    return status;
}
