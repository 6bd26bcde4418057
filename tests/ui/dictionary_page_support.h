#pragma once
// Helpers shared by the dictionary page's Qt tests: typing into the word field,
// the word list's rows, the history's lines, and answering a modal dialog.

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <functional>

#include "ui_fixture.h"

namespace lexavo::testing {

// Types text as key presses; letters outside ASCII come as key events with text.
inline void typeInto(QWidget* w, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(w, static_cast<char>(c.unicode()));
        } else {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(w, &press);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(w, &release);
        }
    }
}

// Replaces the word field's text by typing: the old text is removed key by key.
inline void typeWord(WindowFixture& f, const QString& text) {
    QLineEdit* field = f.ui().editSlovo;
    field->setFocus(Qt::OtherFocusReason);
    field->end(false);
    while (!field->text().isEmpty()) QTest::keyClick(field, Qt::Key_Backspace);
    typeInto(field, text);
}

inline QStringList listRows(WindowFixture& f) {
    QStringList rows;
    const QAbstractItemModel* model = f.ui().stringGridSeznam->model();
    for (int r = 0; r < model->rowCount(); ++r) rows << model->index(r, 0).data().toString();
    return rows;
}

inline QStringList historyLines(WindowFixture& f) {
    const QString text = f.ui().editHledaneDnes->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

inline int currentRow(WindowFixture& f) { return f.ui().stringGridSeznam->currentIndex().row(); }

// Runs answer on the next modal widget once the event loop shows it.
inline void whenModal(std::function<void(QWidget*)> answer) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            answer(w);
        }
    });
    timer->start();
}

}  // namespace lexavo::testing
