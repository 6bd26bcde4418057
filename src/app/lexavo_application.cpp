#include "app/lexavo_application.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QSessionManager>
#include <QTranslator>
#include <exception>

#include "app/end_requests.h"
#include "app/program_state.h"
#include "app/program_windows.h"
#include "morphology/hunspell_base_forms.h"

namespace lexavo {

LexavoApplication::LexavoApplication(char* programName)
    : ProgramNameOnly(programName), QApplication(ProgramNameOnly::argc, ProgramNameOnly::argv) {}

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

bool installCzechQtTexts(QCoreApplication& app, const QString& programDir) {
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    auto* translator = new QTranslator(&app);
    const QString name = QStringLiteral("qtbase_cs");
    for (const QString& folder : {programDir + QStringLiteral("/translations"),
                                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)}) {
        if (translator->load(name, folder)) {
            QCoreApplication::installTranslator(translator);
            return true;
        }
    }
    delete translator;
    return false;
}

int runLexavo(int argc, char** argv) {
    LexavoApplication app(argc > 0 ? argv[0] : nullptr);
    app.setApplicationName(QStringLiteral("Lexavo"));
    const std::string exe = QCoreApplication::applicationFilePath().toStdString();
    const std::string dir = programDirFromExecutable(exe);
    installCzechQtTexts(app, QString::fromStdString(dir));
    auto state = std::make_unique<ProgramState>(
        dir, std::make_unique<HunspellBaseForms>(hunspellFolders(dir)));
    ProgramWindows windows(*state);
    // Every way of ending that the program can see runs the close step once.
    EndRequests ends;
    QObject::connect(&ends, &EndRequests::endRequested, &windows.main, &TfrmMain::endRun);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &windows.main,
                     [&windows](QSessionManager& manager) {
                         if (!windows.main.commitSession()) manager.cancel();
                     });
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
