#include "platform/Help.h"

#include "platform/Geometry.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace Help {

namespace {

// The help window: a browser over the page resources with Back and Forward.
// Links between pages open in the same window; the pages hold no outside
// addresses, and none would open from here.
class HelpWindow : public QWidget {
public:
    explicit HelpWindow(QWidget *owner) : QWidget(owner, Qt::Window)
    {
        setObjectName(QStringLiteral("HelpViewer"));
        setAttribute(Qt::WA_DeleteOnClose);
        back = new QPushButton(QStringLiteral("&Back"), this);
        back->setObjectName(QStringLiteral("HelpBack"));
        forward = new QPushButton(QStringLiteral("&Forward"), this);
        forward->setObjectName(QStringLiteral("HelpForward"));
        browser = new QTextBrowser(this);
        browser->setObjectName(QStringLiteral("HelpBrowser"));
        browser->setOpenExternalLinks(false);
        back->setEnabled(false);
        forward->setEnabled(false);

        auto *buttons = new QHBoxLayout;
        buttons->addWidget(back);
        buttons->addWidget(forward);
        buttons->addStretch(1);
        auto *column = new QVBoxLayout(this);
        column->addLayout(buttons);
        column->addWidget(browser, 1);

        connect(back, &QPushButton::clicked, browser, &QTextBrowser::backward);
        connect(forward, &QPushButton::clicked, browser, &QTextBrowser::forward);
        connect(browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
        connect(browser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
        connect(browser, &QTextBrowser::sourceChanged, this, [this] {
            const QString title = browser->documentTitle();
            setWindowTitle(title.isEmpty() ? QStringLiteral("Tickerwatch Help")
                                           : QStringLiteral("Tickerwatch Help - ") + title);
        });
    }

    QPushButton *back = nullptr;
    QPushButton *forward = nullptr;
    QTextBrowser *browser = nullptr;
};

QPointer<HelpWindow> Viewer;

} // namespace

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

QWidget *Window() { return Viewer; }

QUrl PageOf(int contextId)
{
    QString page = QLatin1String(PageFolder) + QString::number(contextId) + QStringLiteral(".html");
    if (!QFile::exists(page))
        page = QLatin1String(PageFolder) + QLatin1String(ContentsFile);
    return QUrl(QStringLiteral("qrc") + page);
}

void Show(const QString &file, const QString &windowType, int contextId, QWidget *owner)
{
    Requests().append({file, windowType, contextId});
    bool place = false;
    if (!Viewer) {
        Viewer = new HelpWindow(owner);
        place = true;
    } else if (Viewer->parentWidget() != owner) {
        // A modal owner blocks windows that are not its own, so the help
        // window moves under the window that asks for it.
        Viewer->setParent(owner, Qt::Window);
        place = true;
    }
    // The small type is for short topics such as the key list.
    if (windowType == QStringLiteral(">Small"))
        Viewer->resize(480, 420);
    else
        Viewer->resize(720, 560);
    if (place)
        Geometry::CenterOnScreen(Viewer);
    Viewer->browser->setSource(PageOf(contextId));
    Viewer->show();
    Viewer->raise();
    Viewer->activateWindow();
}

} // namespace Help
