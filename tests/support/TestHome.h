#pragma once

#include <QString>
#include <QTemporaryDir>

/**
 * Points HOME at a folder of the test's for as long as it lives, so no test touches the real one, and
 * gives the previous HOME back when it goes. Every test that needs a HOME of its own takes it from here.
 */
class TestHome final
{
public:
    /** A fresh, empty temporary folder, removed with this object. */
    TestHome();
    /** A path the test has prepared (or left missing, or made a file) to see how a home like it is handled. */
    explicit TestHome(const QString& path);
    ~TestHome();
    TestHome(const TestHome&) = delete;
    TestHome& operator=(const TestHome&) = delete;

    QString path() const { return m_path; }

private:
    QTemporaryDir m_dir;
    QString m_path;
    QByteArray m_previousHome;
};
