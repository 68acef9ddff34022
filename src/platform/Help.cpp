#include "platform/Help.h"

#include <QFile>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

namespace Help {

namespace {
QPointer<QTextBrowser> Viewer;
}

QList<Request> &Requests()
{
    static QList<Request> requests;
    return requests;
}

void Reset()
{
    Requests().clear();
    delete Viewer;
}

void Show(const QString &file, const QString &windowType, int contextId, QWidget *owner)
{
    Requests().append({file, windowType, contextId});
    const QString page = QStringLiteral(":/resources/help/%1.html").arg(contextId);
    if (!QFile::exists(page))
        return;
    if (!Viewer) {
        Viewer = new QTextBrowser(owner);
        Viewer->setWindowFlag(Qt::Window);
        Viewer->setObjectName(QStringLiteral("HelpViewer"));
        Viewer->setOpenExternalLinks(false);
        Viewer->setAttribute(Qt::WA_DeleteOnClose);
    }
    // The small type is for short topics such as the key list.
    if (windowType == QStringLiteral(">Small"))
        Viewer->resize(420, 360);
    else
        Viewer->resize(720, 540);
    Viewer->setWindowTitle(QStringLiteral("Tickerwatch Help"));
    Viewer->setSource(QUrl(QStringLiteral("qrc") + page));
    Viewer->show();
    Viewer->raise();
}

} // namespace Help
