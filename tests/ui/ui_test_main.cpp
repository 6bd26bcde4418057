#include "ui_test_main.h"

#include <QApplication>
#include <QTest>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace lexavo::testing {

namespace {

std::map<std::string, UiTestFactory>& registry() {
    static std::map<std::string, UiTestFactory> classes;
    return classes;
}

}  // namespace

bool registerUiTest(const char* className, UiTestFactory make) {
    registry().emplace(className, std::move(make));
    return true;
}

}  // namespace lexavo::testing

int main(int argc, char* argv[]) {
    // QApplication takes the Qt options out of argv first ("-platform" and the like).
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    const auto& classes = lexavo::testing::registry();
    const auto found = argc > 1 ? classes.find(argv[1]) : classes.end();
    if (found == classes.end()) {
        std::fprintf(stderr, "usage: %s <test class> [QTest options]\nclasses:", argv[0]);
        for (const auto& [name, make] : classes) std::fprintf(stderr, " %s", name.c_str());
        std::fprintf(stderr, "\n");
        return 2;
    }
    // QTest sees the program's name and the options after the class.
    std::vector<char*> args{argv[0]};
    for (int i = 2; i < argc; ++i) args.push_back(argv[i]);
    const std::unique_ptr<QObject> test = found->second();
    return QTest::qExec(test.get(), static_cast<int>(args.size()), args.data());
}
