#pragma once
// Message and input boxes. Every box of the program goes through here so a
// test can answer it and read back what the user would have seen.
#include <QList>
#include <QString>
#include <functional>

namespace Dialogs {

enum Buttons : int {
    vbOKOnly = 0, vbOKCancel = 1, vbAbortRetryIgnore = 2, vbYesNoCancel = 3,
    vbYesNo = 4, vbRetryCancel = 5,
    vbCritical = 16, vbQuestion = 32, vbExclamation = 48, vbInformation = 64,
    vbDefaultButton2 = 256, vbDefaultButton3 = 512,
};
enum Result : int { vbOK = 1, vbCancel = 2, vbAbort = 3, vbRetry = 4, vbIgnore = 5, vbYes = 6, vbNo = 7 };

// title omitted (null): the program's own title; any title given, "" too,
// shows as given, so a box meant to have an empty title has one.
int MsgBox(const QString &text, int flags = vbOKOnly, const QString &title = QString());
// Cancel gives "".
QString InputBox(const QString &prompt, const QString &title = QString(), const QString &defaultText = QString());
inline const QString EmptyTitle = QStringLiteral("");

QString AppTitle(); // "Tickerwatch"

// --- test seam ---
struct Shown {
    bool input = false;
    QString text;
    QString title;
    int flags = 0;
    QString defaultText;
};
// Scripted: boxes are recorded and answered from the queues; an empty queue
// answers with the box's default button (InputBox: its proposed text).
void SetScripted(bool on);
bool Scripted();
void QueueAnswer(int result);
void QueueInput(const QString &text); // "" is the Cancel answer
QList<Shown> &Log();
// Runs while a scripted box is "open", before it is answered.
void SetOnShow(std::function<void(const Shown &)> hook);
void Reset();

} // namespace Dialogs
