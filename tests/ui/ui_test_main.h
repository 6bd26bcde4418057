#pragma once
// The Qt tests of every window share one program: each test class registers itself
// under its name, and `ui_tests <Class> [QTest options]` runs that class alone, in a
// process of its own as QTEST_MAIN would.

#include <QObject>
#include <functional>
#include <memory>

namespace lexavo::testing {

using UiTestFactory = std::function<std::unique_ptr<QObject>()>;

// Records a test class; returns true so that a namespace-scope constant can call it.
bool registerUiTest(const char* className, UiTestFactory make);

}  // namespace lexavo::testing

// In place of QTEST_MAIN(Class), at namespace scope after the class.
#define LEXAVO_UI_TEST(Class)                                                 \
    static const bool kRegistered##Class = ::lexavo::testing::registerUiTest( \
        #Class, [] { return std::unique_ptr<QObject>(new Class); });
