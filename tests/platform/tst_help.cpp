#include "common/TestRegistry.h"
#include "platform/Help.h"

#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTextBrowser>

namespace {

// The topic ids the program's windows name, those built and those to come
// (the set editor, the details window, the screener, the weekly tip).
const QList<int> NamedTopics = {1001, 1012, 1011, 1013, 1009, 1008, 1002, 1004, 1006, 1007, 86};

QUrl PageUrl(const QString &file) { return QUrl(QStringLiteral("qrc") + QLatin1String(Help::PageFolder) + file); }
QUrl ContentsUrl() { return PageUrl(QLatin1String(Help::ContentsFile)); }

QStringList PageFiles()
{
    QStringList files;
    QDirIterator it(QLatin1String(Help::PageFolder), {QStringLiteral("*.html")}, QDir::Files);
    while (it.hasNext())
        files << QFileInfo(it.next()).fileName();
    files.sort();
    return files;
}

QString PageText(const QString &file)
{
    QFile f(QLatin1String(Help::PageFolder) + file);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(f.readAll());
}

// Every href of a page, as written.
QStringList Links(const QString &html)
{
    QStringList links;
    static const QRegularExpression href(QStringLiteral("(?:href|src)\\s*=\\s*\"([^\"]*)\""),
                                         QRegularExpression::CaseInsensitiveOption);
    for (auto m = href.globalMatch(html); m.hasNext();)
        links << m.next().captured(1);
    return links;
}

// The context ids the program's sources pass to the help: every call that
// names a help window type with an id after it (in a call or in a table of
// topics), and every Help::Show call with a literal id.
QSet<int> IdsUsedInSources()
{
    static const QRegularExpression typed(QStringLiteral("\">(?:Box|Small)\"\\)?\\s*,\\s*(\\d+)"));
    static const QRegularExpression call(QStringLiteral("Help::Show\\s*\\([^;]*?,[^;]*?,\\s*(\\d+)\\s*,"));
    QSet<int> ids;
    QDirIterator it(QStringLiteral(TW_TESTDATA "/../src"), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        if (!f.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(f.readAll());
        for (const QRegularExpression *re : {&typed, &call})
            for (auto m = re->globalMatch(text); m.hasNext();)
                ids.insert(m.next().captured(1).toInt());
    }
    return ids;
}

QTextBrowser *Browser() { return Help::Window() ? Help::Window()->findChild<QTextBrowser *>(QStringLiteral("HelpBrowser")) : nullptr; }
QPushButton *Button(const char *name)
{
    return Help::Window() ? Help::Window()->findChild<QPushButton *>(QLatin1String(name)) : nullptr;
}

// A click delivered to the window as the window system delivers it, so a
// window that a modal one blocks does not receive it.
void Click(QWidget *w, QPoint at = QPoint(-1, -1))
{
    if (at == QPoint(-1, -1))
        at = w->rect().center();
    QWidget *top = w->window();
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, w->mapTo(top, at));
}

} // namespace

class tst_help : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { Help::Reset(); }

    // Every topic id the sources use, and every id the windows to come name,
    // opens a page of its own, not the contents page.
    void everyTopicHasItsPage_data()
    {
        QTest::addColumn<int>("contextId");
        QSet<int> ids = IdsUsedInSources();
        // The scan must see the calls that exist today, or it proves nothing.
        for (int built : {1001, 1002, 1008, 1009, 1011, 1012, 1013})
            QVERIFY2(ids.contains(built), qPrintable(QString::number(built)));
        for (int id : NamedTopics)
            ids.insert(id);
        QList<int> sorted = ids.values();
        std::sort(sorted.begin(), sorted.end());
        for (int id : sorted)
            QTest::addRow("%d", id) << id;
    }
    void everyTopicHasItsPage()
    {
        QFETCH(int, contextId);
        const QUrl own = PageUrl(QString::number(contextId) + QStringLiteral(".html"));
        QCOMPARE(Help::PageOf(contextId), own);
        Help::Show(QStringLiteral("Tkw5.chm"), QStringLiteral(">Small"), contextId, nullptr);
        QTextBrowser *browser = Browser();
        QVERIFY(browser);
        QVERIFY(Help::Window()->isVisible());
        QCOMPARE(browser->source(), own);
        QVERIFY(!browser->documentTitle().isEmpty());
        QVERIFY(browser->toPlainText().size() > 200);
    }

    // Each page's links lead to a page that exists, and a #name to an anchor
    // on it; pages are static and lead nowhere else.
    void linksResolve_data()
    {
        QTest::addColumn<QString>("page");
        const QStringList files = PageFiles();
        QVERIFY(files.size() > NamedTopics.size());
        for (const QString &f : files)
            QTest::newRow(qPrintable(f)) << f;
    }
    void linksResolve()
    {
        QFETCH(QString, page);
        const QString html = PageText(page);
        QVERIFY(html.contains(QStringLiteral("<title>")));
        for (const QString &link : Links(html)) {
            const QUrl url(link);
            QVERIFY2(url.isRelative() && !link.startsWith(u'/'), qPrintable(link));
            const QUrl target = PageUrl(page).resolved(url);
            const QString file = target.path().mid(QLatin1String(Help::PageFolder).size() - 1);
            QVERIFY2(QFile::exists(QLatin1Char(':') + target.path()), qPrintable(page + QStringLiteral(": ") + link));
            if (url.hasFragment()) {
                const QString anchor = QStringLiteral("name=\"%1\"").arg(url.fragment());
                QVERIFY2(PageText(file).contains(anchor), qPrintable(page + QStringLiteral(": ") + link));
            }
        }
    }

    // A page nobody links to cannot be found: every page is reachable from
    // the contents page.
    void everyPageReachableFromContents()
    {
        QSet<QString> seen{QLatin1String(Help::ContentsFile)};
        QStringList queue{QLatin1String(Help::ContentsFile)};
        while (!queue.isEmpty()) {
            const QString page = queue.takeFirst();
            for (const QString &link : Links(PageText(page))) {
                const QString file = QUrl(link).adjusted(QUrl::RemoveFragment).toString();
                if (!file.isEmpty() && !seen.contains(file)) {
                    seen.insert(file);
                    queue << file;
                }
            }
        }
        for (const QString &f : PageFiles())
            QVERIFY2(seen.contains(f), qPrintable(f));
    }

    // An id without a page of its own shows the contents page.
    void unknownIdShowsContents_data()
    {
        QTest::addColumn<int>("contextId");
        QTest::addColumn<QString>("windowType");
        QTest::newRow("zero") << 0 << ">Box";
        QTest::newRow("negative") << -1 << ">Small";
        QTest::newRow("unused 1003") << 1003 << ">Box";
        QTest::newRow("large") << 2147483647 << QString();
    }
    void unknownIdShowsContents()
    {
        QFETCH(int, contextId);
        QFETCH(QString, windowType);
        QCOMPARE(Help::PageOf(contextId), ContentsUrl());
        QWidget owner;
        Help::Show(QStringLiteral("Tkw5.chm"), windowType, contextId, &owner);
        QCOMPARE(Help::Requests().size(), 1);
        QCOMPARE(Help::Requests()[0].contextId, contextId);
        QVERIFY(Browser());
        QVERIFY(Help::Window()->isVisible());
        QCOMPARE(Browser()->source(), ContentsUrl());
        QVERIFY(Browser()->toPlainText().contains(QStringLiteral("Getting Started")));
    }

    // A link clicked in the page, then Back and Forward, all by mouse.
    void backAndForwardByClicks()
    {
        QWidget owner;
        owner.show();
        Help::Show(QStringLiteral("Tkw5.chm"), QStringLiteral(">Box"), 1001, &owner);
        QWidget *window = Help::Window();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTextBrowser *browser = Browser();
        QPushButton *back = Button("HelpBack");
        QPushButton *forward = Button("HelpForward");
        QVERIFY(back && forward);
        QVERIFY(!back->isEnabled());
        QVERIFY(!forward->isEnabled());

        // The first link to the key list, brought into view and clicked.
        QTextCursor at = browser->document()->find(QStringLiteral("Keyboard Shortcut"));
        QVERIFY(!at.isNull());
        at.setPosition(at.selectionStart() + 2);
        browser->setTextCursor(at);
        browser->ensureCursorVisible();
        Click(browser->viewport(), browser->cursorRect(at).center());
        QCOMPARE(browser->source(), PageUrl(QStringLiteral("1009.html")));
        QVERIFY(back->isEnabled());
        QVERIFY(!forward->isEnabled());

        Click(back);
        QCOMPARE(browser->source(), PageUrl(QStringLiteral("1001.html")));
        QVERIFY(!back->isEnabled());
        QVERIFY(forward->isEnabled());

        Click(forward);
        QCOMPARE(browser->source(), PageUrl(QStringLiteral("1009.html")));

        // A second Help call shows its topic in the same window, after the
        // pages already seen.
        Help::Show(QStringLiteral("Tkw5.chm"), QStringLiteral(">Small"), 1002, &owner);
        QCOMPARE(Help::Window(), window);
        QCOMPARE(browser->source(), PageUrl(QStringLiteral("1002.html")));
        Click(back);
        QCOMPARE(browser->source(), PageUrl(QStringLiteral("1009.html")));
    }

    // Help asked for from a modal window (Options is one) takes clicks while
    // that window is open, also when the help window was opened before from
    // another window.
    void usableAboveModalOwner()
    {
        QWidget main;
        main.show();
        Help::Show(QStringLiteral("Tkw5.chm"), QStringLiteral(">Box"), 1001, &main);
        Help::Show(QStringLiteral("Tkw5.chm"), QStringLiteral(">Box"), 1009, &main);
        QDialog modal(&main);
        modal.setWindowModality(Qt::ApplicationModal);
        modal.show();
        QVERIFY(QTest::qWaitForWindowExposed(&modal));
        Help::Show(QStringLiteral("Tkw5.chm"), QStringLiteral(">Small"), 1002, &modal);
        QVERIFY(QTest::qWaitForWindowExposed(Help::Window()));
        QCOMPARE(Browser()->source(), PageUrl(QStringLiteral("1002.html")));
        Click(Button("HelpBack"));
        QCOMPARE(Browser()->source(), PageUrl(QStringLiteral("1009.html")));
        // Back under the main window once the modal one is gone.
        modal.close();
        Help::Show(QStringLiteral("Tkw5.chm"), QStringLiteral(">Box"), 1013, &main);
        QCOMPARE(Help::Window()->parentWidget(), &main);
        QCOMPARE(Browser()->source(), PageUrl(QStringLiteral("1013.html")));
    }
};

TW_TEST(tst_help)
#include "tst_help.moc"
