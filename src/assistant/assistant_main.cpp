// The translation assistant's program entry. One assistant runs per program folder
// and user: a second start (F6 or "Pomocník" in the main program once more) asks the
// running one to come forward and ends.

#include <QApplication>
#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

#include "app/end_requests.h"
#include "app/lexavo_application.h"
#include "app/program_state.h"
#include "assistant/assistant_window.h"

namespace {

// The name both starts meet at: the program folder and the user, hashed.
QString meetingName(const std::string& programDir) {
    const QByteArray key = QByteArray::fromStdString(programDir) + '\n' + qgetenv("USER");
    return QStringLiteral("lexavo-pomocnik-") +
           QString::fromLatin1(
               QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(16));
}

bool askRunningAssistant(const QString& name) {
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(500)) return false;
    socket.write("forward\n");
    socket.waitForBytesWritten(500);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    // As the main program: Qt reads none of the arguments.
    lexavo::LexavoApplication app(argc > 0 ? argv[0] : nullptr);
    app.setApplicationName(QStringLiteral("Lexavo pomocník"));
    const std::string dir =
        lexavo::programDirFromExecutable(QCoreApplication::applicationFilePath().toStdString());
    lexavo::installCzechQtTexts(app, QString::fromStdString(dir));

    const QString name = meetingName(dir);
    if (askRunningAssistant(name)) return 0;
    QLocalServer server;
    QLocalServer::removeServer(name);  // left by an assistant that was killed
    server.listen(name);

    lexavo::AssistantWindow window{lexavo::ProgramFolder(dir)};
    QObject::connect(&server, &QLocalServer::newConnection, &window, [&server, &window] {
        while (QLocalSocket* socket = server.nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            window.bringForward(true);
        }
    });
    lexavo::EndRequests ends;
    QObject::connect(&ends, &lexavo::EndRequests::endRequested, &window, &QWidget::close);
    window.show();
    return app.exec();
}
