#include "app/lexavo_application.h"

#include <QMessageBox>
#include <exception>

#include "app/program_state.h"
#include "app/program_windows.h"
#include "morphology/hunspell_base_forms.h"

namespace lexavo {

LexavoApplication::LexavoApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool LexavoApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        QMessageBox::critical(activeWindow(), QStringLiteral("Lexavo 6"),
                              QString::fromLocal8Bit(e.what()));
    } catch (...) {
        QMessageBox::critical(activeWindow(), QStringLiteral("Lexavo 6"),
                              QStringLiteral("Neznámá chyba."));
    }
    return false;
}

int runLexavo(int argc, char** argv) {
    LexavoApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Lexavo"));
    const std::string exe = QCoreApplication::applicationFilePath().toStdString();
    const std::string dir = programDirFromExecutable(exe);
    auto state = std::make_unique<ProgramState>(
        dir, std::make_unique<HunspellBaseForms>(hunspellFolders(dir)));
    ProgramWindows windows(*state);
    windows.main.show();
    try {
        app.exec();
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, QStringLiteral("Lexavo 6"),
                              QString::fromLocal8Bit(e.what()));
    }
    return 0;
}

}  // namespace lexavo
