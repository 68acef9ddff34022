#pragma once
// The program's help: a topic by its context id, in one of the two help
// window types (">Box" the large one, ">Small" the small one).
//
// The topics are our own static HTML pages, compiled in as resources under
// :/resources/help/: "<context id>.html" for each topic a window asks for,
// "contents.html" listing every page, and a few pages the topics link to.
// A context id we have no page for shows the contents page, so a Help button
// never opens nothing. One help window serves every owner; it keeps its own
// Back and Forward history across the topics it has shown.
#include <QList>
#include <QString>
#include <QUrl>

class QWidget;

namespace Help {

// The resource folder of the pages and the page shown for an unknown id.
inline constexpr char PageFolder[] = ":/resources/help/";
inline constexpr char ContentsFile[] = "contents.html";

// The page shown for contextId: its own page, else the contents page.
QUrl PageOf(int contextId);

// Shows the topic of contextId in the help window, owned by owner (the
// window stays usable above a modal owner). file is the help file name the
// caller names; our pages are the one help there is.
void Show(const QString &file, const QString &windowType, int contextId, QWidget *owner);

// The help window while it is open (its controls: "HelpBack", "HelpForward"
// and the browser "HelpBrowser"), else nullptr.
QWidget *Window();

// --- test seam: every request, shown or not ---
struct Request {
    QString file;
    QString windowType;
    int contextId = 0;
};
QList<Request> &Requests();
// Forgets the requests and closes the help window.
void Reset();

} // namespace Help
