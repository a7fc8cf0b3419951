#include "support/TestHome.h"

#include <QFile>

TestHome::TestHome()
    : TestHome(QString())
{
}

TestHome::TestHome(const QString& path)
    : m_path(path.isEmpty() ? m_dir.path() : path)
    , m_previousHome(qgetenv("HOME"))
{
    qputenv("HOME", QFile::encodeName(m_path));
}

TestHome::~TestHome() { qputenv("HOME", m_previousHome); }
