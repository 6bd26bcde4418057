#include "ui_fixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include "morphology/hunspell_base_forms.h"

namespace lexavo::testing {

WindowFixture::WindowFixture() = default;
WindowFixture::~WindowFixture() { stop(); }

TfrmMain& WindowFixture::start() {
    state_ = std::make_unique<ProgramState>(
        dir_.path(), std::make_unique<HunspellBaseForms>(hunspellFolders(dir_.path())));
    windows_ = std::make_unique<ProgramWindows>(*state_);
    window().show();
    window().activateWindow();
    if (!QTest::qWaitForWindowActive(&window())) QTest::qWait(50);
    return window();
}

void WindowFixture::stop() {
    windows_.reset();
    state_.reset();
}

void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(widget, c.toLatin1());
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

void answerFileDialog(QFileDialog* dialog, const QString& path) {
    if (path.isEmpty()) {
        dialog->reject();
        return;
    }
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (name != nullptr)
        name->setText(path);
    else
        dialog->selectFile(path);
    QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
}

QString q(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace lexavo::testing
