#include "documents/FunctionRunnable.h"

#include "documents/FileItem.h"
#include "foundation/CrashHandler.h"
#include "foundation/LogSite.h"

#include <QDebug>
#include <QThread>

namespace {
    const char* const sourceFile = "src/functionRunnable";
}

FunctionRunnable::FunctionRunnable(qint32 kind, FileItem* item, const QString& outputDir, QObject* parent)
    : QObject(parent)
    , m_item(item)
    , m_filePath(item != nullptr ? item->filePath() : QString())
    , m_outputDir(outputDir)
    , m_kind(kind)
{
    setAutoDelete(true);
}

FunctionRunnable::~FunctionRunnable()
{
    qDebug() << LOG_SITE(sourceFile, "FunctionRunnable::~FunctionRunnable") << "Thread end: " << m_filePath;
}

void FunctionRunnable::run()
{
    // Pool threads are not ours: give this one an alternate stack so a stack overflow is reported too.
    CrashHandler::prepareThread();
    qDebug() << LOG_SITE(sourceFile, "FunctionRunnable::run") << "Thread running: " << QThread::currentThreadId();
    m_item->emitProcessing();
    qint32 code = -1;
    if (m_kind == compressKind) {
        code = m_item->pdfCompress(m_item->filePath(), m_outputDir);
    }
    emit finished(code);
}
