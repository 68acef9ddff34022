#pragma once
// The program's help: a topic by its context id, in one of the two help
// window types (">Box" the large one, ">Small" the small one).
#include <QList>
#include <QString>

class QWidget;

namespace Help {

// Shows the topic of contextId from our own help pages, owned by owner; a
// topic we have no page for shows nothing.
void Show(const QString &file, const QString &windowType, int contextId, QWidget *owner);

// --- test seam: every request, shown or not ---
struct Request {
    QString file;
    QString windowType;
    int contextId = 0;
};
QList<Request> &Requests();
void Reset();

} // namespace Help
