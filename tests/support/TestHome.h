#pragma once

#include <QTemporaryDir>

/** Points HOME at a fresh temporary folder for as long as it lives, so no test touches the real one. */
class TestHome final
{
public:
    TestHome();
    ~TestHome();
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QByteArray m_previousHome;
};
