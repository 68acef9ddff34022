#pragma once
// The desktop's Save As dialog. Every file chooser of the program goes
// through here so a test can answer it and read what was asked.
#include <QList>
#include <QString>
#include <QStringList>

namespace SaveDialog {

struct Request {
    QString title;
    QString initialFolder;
    QString defaultFileName;
    QString defaultExtension; // added when the user types none
    QStringList filters;      // "Text File (*.txt)": the pattern in brackets
    int filterIndex = 0;      // the starting filter, counted from 1
};

struct Answer {
    bool chosen = false; // false: cancelled
    QString path;        // the whole path chosen
};

// Asks with overwrite confirmation and without a read-only box.
Answer Show(const Request &request);

// --- test seam ---
// Scripted: requests are recorded and answered from the queue; an empty
// queue, or "", cancels.
void SetScripted(bool on);
void QueueAnswer(const QString &path);
QList<Request> &Shown();
void Reset();

} // namespace SaveDialog
