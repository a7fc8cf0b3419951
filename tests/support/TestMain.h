#pragma once

#include "support/TestHome.h"

#include <QTest>
#include <functional>
#include <type_traits>

/**
 * Runs one test class the way QTEST_MAIN does, but with HOME, and with it every settings file, in a private
 * temporary folder, and the per-user configuration folder following HOME. The test object gets that
 * folder's path when its constructor takes one. beforeApplication runs before the application object
 * exists (environment variables, application attributes).
 */
template <typename Application, typename Test>
int runTestWithPrivateHome(int argc, char* argv[], const std::function<void()>& beforeApplication = {})
{
    qunsetenv("XDG_CONFIG_HOME");
    TestHome home;
    if (beforeApplication) {
        beforeApplication();
    }
    Application application(argc, argv);
    if constexpr (std::is_constructible_v<Test, QString>) {
        Test test(home.path());
        return QTest::qExec(&test, argc, argv);
    } else {
        Test test;
        return QTest::qExec(&test, argc, argv);
    }
}
