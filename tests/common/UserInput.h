#pragma once
// What a user does that QTest has no one call for: text typed beyond ASCII,
// and answering a real (not scripted) modal box once it is up.
#include "common/WhenReady.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <functional>

namespace tw::test {

// One key event per character, so text beyond ASCII types too.
inline void TypeChars(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

// Runs look on the modal box once it is up; look answers it.
inline void WhenModalUp(const std::function<void(QWidget *)> &look)
{
    WhenReady(
        qApp,
        [] {
            const QWidget *box = QApplication::activeModalWidget();
            return box && box->isVisible();
        },
        [look] { look(QApplication::activeModalWidget()); });
}

} // namespace tw::test
