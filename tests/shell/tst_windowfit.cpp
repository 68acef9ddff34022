// Windows as a user opens them from the main window, filled with the values
// they typically hold: every label and entry box shows its whole text, and
// every window opens inside the screen's free area, centred on the main
// window when its command gives it no place of its own.
#include "collect/UpdateJobs.h"
#include "common/TestRegistry.h"
#include "core/Stock.h"
#include "core/ViewState.h"
#include "links/StockPages.h"
#include "platform/FlexGrid.h"
#include "platform/TreeView.h"
#include "portfolio/LastPar.h"
#include "portfolio/Properties.h"
#include "portfolio/StkSet.h"
#include "portfolio/frmPurchace.h"
#include "queries/BigChart.h"
#include "queries/Reuters.h"
#include "queries/Scr.h"
#include "queries/TechGraph.h"
#include "reports/SummaryOpt.h"
#include "services/News.h"
#include "services/Thanks.h"
#include "services/frmEmail.h"
#include "services/frmSupport.h"
#include "shell/MainFixture.h"
#include "shell/MouseEvents.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTest>
#include <QTextDocument>

using tw::test::MainFixture;

namespace {

// What is cut of a label whose text is wider than the room it has inside
// its frame and margins; empty when the text fits.
QString CutLabel(const QLabel *l)
{
    if (l->text().isEmpty() || l->wordWrap() || !l->pixmap().isNull())
        return {};
    QString text = l->text();
    if (Qt::mightBeRichText(text)) {
        QTextDocument doc;
        doc.setHtml(text);
        text = doc.toPlainText();
    } else if (l->buddy()) {
        text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    }
    const QFontMetrics fm(l->font());
    int need = 0;
    for (const QString &line : text.split(u'\n'))
        need = std::max(need, fm.horizontalAdvance(line));
    int room = l->contentsRect().width() - 2 * l->margin();
    if (l->frameWidth() > 0 && l->indent() < 0)
        room -= fm.horizontalAdvance(u'x') / 2;
    if (need <= room)
        return {};
    return QStringLiteral("%1 \"%2\" needs %3 px, has %4").arg(l->objectName(), text).arg(need).arg(room);
}

// The same for an entry box, which scrolls its text once the text and the
// cursor are wider than its inner area less two pixels each side.
QString CutBox(const QLineEdit *e)
{
    const QString text = e->displayText();
    if (text.isEmpty())
        return {};
    QStyleOptionFrame opt;
    opt.initFrom(e);
    opt.rect = e->rect();
    opt.lineWidth = e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, e) : 0;
    opt.midLineWidth = 0;
    opt.state |= QStyle::State_Sunken;
    const QRect inner = e->style()->subElementRect(QStyle::SE_LineEditContents, &opt, e).marginsRemoved(e->textMargins());
    const int room = inner.width() - 2 * 2;
    const int need = e->fontMetrics().horizontalAdvance(text) + 1;
    if (need <= room)
        return {};
    return QStringLiteral("%1 \"%2\" needs %3 px, has %4").arg(e->objectName(), text).arg(need).arg(room);
}

// Every shown label and entry box of the window whose text does not fit.
QStringList CutTexts(const QWidget *window)
{
    QStringList cut;
    for (const QLabel *l : window->findChildren<QLabel *>())
        if (l->isVisibleTo(window) && l->window() == window)
            if (const QString c = CutLabel(l); !c.isEmpty())
                cut << c;
    for (const QLineEdit *e : window->findChildren<QLineEdit *>())
        if (e->isVisibleTo(window) && e->window() == window)
            if (const QString c = CutBox(e); !c.isEmpty())
                cut << c;
    return cut;
}

// A control that shows a text of its own: a caption, a button, a box.
bool Captioned(const QWidget *c)
{
    if (c->objectName().startsWith(QLatin1String("qt_")) || qobject_cast<const QComboBox *>(c->parentWidget()))
        return false;
    if (const auto *l = qobject_cast<const QLabel *>(c))
        return !l->text().isEmpty() && l->pixmap().isNull();
    if (const auto *b = qobject_cast<const QAbstractButton *>(c))
        return !b->text().isEmpty();
    return qobject_cast<const QLineEdit *>(c) || qobject_cast<const QComboBox *>(c);
}

// Every pair of shown controls with a text that overlap each other or come
// closer than a blank, where their texts would read as one.
QStringList Overlaps(const QWidget *window)
{
    QList<QPair<QString, QRect>> shown;
    for (const QWidget *c : window->findChildren<QWidget *>())
        if (c->window() == window && c->isVisibleTo(window) && Captioned(c))
            shown.append({c->objectName(), QRect(c->mapTo(window, QPoint()), c->size())});
    const int blank = window->fontMetrics().horizontalAdvance(u' ');
    QStringList out;
    for (qsizetype i = 0; i < shown.size(); ++i)
        for (qsizetype j = i + 1; j < shown.size(); ++j) {
            const QRect a = shown[i].second, b = shown[j].second;
            if (a.adjusted(-blank, 0, blank, 0).intersects(b))
                out << QStringLiteral("%1 %2,%3 %4x%5 and %6 %7,%8 %9x%10")
                           .arg(shown[i].first).arg(a.x()).arg(a.y()).arg(a.width()).arg(a.height())
                           .arg(shown[j].first).arg(b.x()).arg(b.y()).arg(b.width()).arg(b.height());
        }
    return out;
}

// The box around what is drawn inside area: every pixel unlike the background.
QRect Drawn(const QImage &shot, const QRect &area, QRgb background)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (shot.valid(x, y) && shot.pixel(x, y) != background)
                box |= QRect(x, y, 1, 1);
    return box;
}

// How long the window manager may take to answer on a busy machine.
constexpr int DesktopMs = 30000;

QRect FreeArea(const QWidget *w)
{
    const QScreen *s = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    return s->availableGeometry();
}

} // namespace

class tst_windowfit : public QObject {
    Q_OBJECT
    MainFixture f;

    // A set with the figures a quote update leaves, one purchase of MSFT
    // and two of IBM.
    void TypicalUser()
    {
        f.env->Set(QStringLiteral("Email"), QStringLiteral("margaret.hamilton@example.com"));
        f.env->Set(QStringLiteral("EmailServer"), QStringLiteral("smtp.mail.example.com"));
        UpdateJobs::SetClock([] { return QDate(2026, 12, 28); });
        Stock::StockTable t{};
        const char *rows[][3] = {{"MSFT", "Microsoft Corporation", "414.88"},
                                 {"IBM", "International Business Machines", "188.25"},
                                 {"GOOGL", "Alphabet Inc.", "171.93"}};
        for (int i = 0; i < 3; ++i) {
            StockRecord &s = t[size_t(i)];
            s.Symbol = rows[i][0];
            s.Name = rows[i][1];
            s.LastSale = rows[i][2];
            s.PChange = "+1.27%";
            s.DChange = "+5.21";
            s.Volume = "21,544,310";
            s.TodayHigh = "416.10";
            s.TodayLow = "409.33";
            s.Bid = "414.80";
            s.Ask = "414.95";
            s.LTS = "1,200";
            s.Opens = "410.02";
            s.PreClose = "409.67";
            s.High52 = "468.35";
            s.Low52 = "309.45";
            s.EPS = "11.80";
            s.pe = "35.16";
            s.DPS = "3.00";
            s.Exchange = "NasdaqGS";
            s.industry = "Software - Infrastructure";
            s.LastUpdate = "12/28/2026 4:00pm";
            s.LowAlert = 380.5f;
            s.HighAlert = 450.25f;
        }
        QVERIFY(Stock::SaveStocks(0, t));
        Portfolio.fill({});
        const char *lots[][2] = {{"MSFT", "402.12"}, {"IBM", "150.5"}, {"IBM", "161.75"}};
        for (int i = 0; i < 3; ++i) {
            TransactionRecord &r = Portfolio[size_t(i)];
            r.Symbol = lots[i][0];
            r.Action = "Buy";
            r.Shares = 1250;
            r.Price = QByteArray(lots[i][1]).toFloat();
            r.Commission = 19.95f;
            r.ID = int16_t(i + 1);
            r.CurrentPrice = "414.88";
            r.Date = "11/30/2026";
        }
        QVERIFY(Stock::SavePortfolio());
        QVERIFY(Stock::ReadPortfolio());
        f.main->ShowWindow();
        QVERIFY(QTest::qWaitForWindowExposed(f.main));
        f.main->mnuSet_Click(0);
    }

    // The window the command opened, on show: modal windows are recorded by
    // the fixture and shown here.
    QWidget *Opened(QWidget *window)
    {
        if (!window && !f.modals.isEmpty())
            window = f.modals.last();
        if (window && !window->isVisible())
            window->show();
        return window;
    }

    QWidget *Open(const QString &which)
    {
        frmMain *m = f.main;
        CurrentSymbol = which == QLatin1String("purchase picker") ? "IBM" : "MSFT";
        if (which == QLatin1String("buy")) {
            m->mnuTree_Click(2);
        } else if (which == QLatin1String("sell") || which == QLatin1String("purchase picker")) {
            m->mnuTree_Click(3);
        } else if (which == QLatin1String("edit")) {
            m->FG_PortfolioLog();
            m->FG->SetRow(2);
            m->mnuEdit_Click(8);
        } else if (which == QLatin1String("stock set editor")) {
            m->Picture1_Click(4);
            return Opened(StkSet::Loaded());
        } else if (which == QLatin1String("stock details")) {
            m->img_DblClick(0);
            return Opened(m->findChild<Properties *>());
        } else if (which == QLatin1String("news")) {
            m->Picture1_Click(2);
            return Opened(News::Loaded());
        } else if (which == QLatin1String("summary options")) {
            m->Panel1_Click(4);
        } else if (which == QLatin1String("screener")) {
            m->Picture1_Click(5);
            return Opened(Scr::Loaded());
        } else if (which == QLatin1String("chart")) {
            m->TreeView1_NodeClick(m->TreeView1->Find(QStringLiteral("C1")));
            return Opened(BigChart::Loaded());
        } else if (which == QLatin1String("technical graph")) {
            m->TreeView1_NodeClick(m->TreeView1->Find(QStringLiteral("TG1")));
            return Opened(TechGraph::Loaded());
        } else if (which == QLatin1String("headlines")) {
            m->OpenNewsLink(StockPages::HeadlinesSource);
            return Opened(Reuters::Loaded());
        } else if (which == QLatin1String("new message")) {
            m->mnuEmail_Click(0);
        } else if (which == QLatin1String("friend letter")) {
            m->mnuEmail_Click(1);
        } else if (which == QLatin1String("bug report")) {
            m->mnuEmail_Click(2);
        } else if (which == QLatin1String("questionnaire")) {
            m->mnuEmail_Click(4);
            return Opened(Thanks::Loaded());
        } else if (which == QLatin1String("support request")) {
            m->mnuEmail_Click(5);
        }
        return Opened(nullptr);
    }

    // The window on the screen, or none when it did not come.
    QWidget *OpenExposed(const QString &which)
    {
        QWidget *w = Open(which);
        return w && QTest::qWaitForWindowExposed(w, DesktopMs) ? w : nullptr;
    }

    static constexpr const char *WindowNames[] = {"buy", "sell", "edit", "purchase picker", "stock set editor",
                                                  "stock details", "summary options", "screener", "chart",
                                                  "technical graph", "headlines", "news", "new message",
                                                  "friend letter", "bug report", "questionnaire", "support request"};

    static void Windows()
    {
        QTest::addColumn<QString>("which");
        for (const char *w : WindowNames)
            QTest::newRow(w) << QString::fromLatin1(w);
    }

private Q_SLOTS:
    void init()
    {
        f.Start();
        TypicalUser();
    }
    void cleanup()
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w != f.main && w->isVisible())
                w->hide();
        delete StkSet::Loaded();
        delete SummaryOpt::Loaded();
        delete Scr::Loaded();
        delete BigChart::Loaded();
        delete TechGraph::Loaded();
        delete Reuters::Loaded();
        delete News::Loaded();
        delete frmEmail::Loaded();
        delete frmSupport::Loaded();
        delete Thanks::Loaded();
        UpdateJobs::SetClock(nullptr);
        CurrentSymbol.clear();
        f.Stop();
    }

    void textsFit_data() { Windows(); }
    void textsFit()
    {
        QFETCH(QString, which);
        QWidget *w = OpenExposed(which);
        QVERIFY(w);
        const QStringList cut = CutTexts(w);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
        const QStringList overlaps = Overlaps(w);
        QVERIFY2(overlaps.isEmpty(), qPrintable(overlaps.join(QStringLiteral("; "))));
    }

    // The picture buttons at the design size and two larger ones: each face
    // fills its box and stands right above the middle of its caption, and
    // the main window's own labels show their texts.
    void mainWindowSizes_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("632 x 425") << QSize(632, 425);
        QTest::newRow("1024 x 768") << QSize(1024, 768);
        QTest::newRow("1600 x 1200") << QSize(1600, 1200);
    }
    void mainWindowSizes()
    {
        QFETCH(QSize, size);
        f.main->resize(size);
        QTRY_COMPARE(f.main->size(), size);
        const QStringList cut = CutTexts(f.main);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));

        const QImage shot = f.main->frmButtom->grab().toImage();
        const QRgb background = shot.pixel(1, 1);
        for (int i = 0; i < 7; ++i) {
            const QLabel *picture = f.main->Picture1[i];
            const QRect face = Drawn(shot, picture->geometry(), background);
            const QRect caption = Drawn(shot, f.main->lblDesc[i]->geometry(), background);
            const QString where = QStringLiteral("button %1: face %2,%3 %4x%5 in a box %6x%7, caption %8,%9 %10x%11")
                                      .arg(i).arg(face.x()).arg(face.y()).arg(face.width()).arg(face.height())
                                      .arg(picture->width()).arg(picture->height())
                                      .arg(caption.x()).arg(caption.y()).arg(caption.width()).arg(caption.height());
            QVERIFY2(!face.isEmpty() && !caption.isEmpty(), qPrintable(where));
            QVERIFY2(face.width() >= picture->width() * 9 / 10 || face.height() >= picture->height() * 9 / 10,
                     qPrintable(where));
            // Box and caption are scaled apart: a pixel of rounding either way.
            const int gap = caption.top() - face.bottom() - 1;
            QVERIFY2(gap >= -1 && gap <= 6, qPrintable(where));
            QVERIFY2(qAbs(face.center().x() - caption.center().x()) <= 3, qPrintable(where));
        }
    }

    // Windows their commands do not place open centred on the main window,
    // wherever the user has moved it, as far as the screen's free area lets
    // them: a window taller than the room above and below keeps its title
    // bar on the screen.
    void unplacedWindowsCentreOnMain_data()
    {
        QTest::addColumn<QString>("which");
        QTest::newRow("stock set editor") << QStringLiteral("stock set editor");
        QTest::newRow("questionnaire") << QStringLiteral("questionnaire");
    }
    void unplacedWindowsCentreOnMain()
    {
        QFETCH(QString, which);
        f.main->move(90, 60);
        QTRY_COMPARE_WITH_TIMEOUT(f.main->frameGeometry().topLeft(), QPoint(90, 60), DesktopMs);
        QWidget *w = OpenExposed(which);
        QVERIFY(w);
        const auto off = [this, w] {
            const QRect area = FreeArea(w);
            QRect want(QPoint(), w->frameGeometry().size());
            want.moveCenter(f.main->frameGeometry().center());
            want.moveLeft(std::max(area.left(), std::min(want.left(), area.right() + 1 - want.width())));
            want.moveTop(std::max(area.top(), std::min(want.top(), area.bottom() + 1 - want.height())));
            return w->frameGeometry().topLeft() - want.topLeft();
        };
        QTRY_VERIFY2_WITH_TIMEOUT(
            qAbs(off().x()) <= 1 && qAbs(off().y()) <= 1,
            qPrintable(QStringLiteral("%1 px beside and %2 px below the place").arg(off().x()).arg(off().y())), DesktopMs);
    }

    // The transaction dialog names the company of the set's stock, however
    // a purchase or a sale reaches it.
    void transactionShowsName_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("name");
        QTest::newRow("buy") << QStringLiteral("buy") << QStringLiteral("Microsoft Corporation");
        QTest::newRow("sell") << QStringLiteral("sell") << QStringLiteral("Microsoft Corporation");
        QTest::newRow("sell from the picker") << QStringLiteral("purchase picker")
                                              << QStringLiteral("International Business Machines");
    }
    void transactionShowsName()
    {
        QFETCH(QString, which);
        QFETCH(QString, name);
        QWidget *w = Open(which);
        if (auto *picker = qobject_cast<LastPar *>(w)) {
            QVERIFY(QTest::qWaitForWindowExposed(picker));
            QTest::mouseClick(picker->FG->viewport(), Qt::LeftButton, Qt::NoModifier,
                              tw::test::CellCenter(picker->FG, 2, 0));
            QTest::mouseClick(picker->cmdOK, Qt::LeftButton);
            w = Opened(nullptr);
        }
        auto *d = qobject_cast<frmPurchace *>(w);
        QVERIFY(d);
        QCOMPARE(d->lblName->text(), name);
    }

    // Every window opens with its whole frame inside the screen's free area,
    // wherever and however large the main window it is placed by; one that
    // its texts would widen past the free area is held to it.
    void windowsOnScreen_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QSize>("mainSize");
        QTest::addColumn<bool>("mainInCorner");
        QTest::addColumn<QByteArray>("industry");
        const QSize sizes[] = {{632, 425}, {1024, 768}, {1600, 1200}};
        for (const QSize &size : sizes)
            for (const char *w : WindowNames)
                QTest::addRow("%s, main %dx%d", w, size.width(), size.height())
                    << QString::fromLatin1(w) << size << false << QByteArray();
        for (const char *w : WindowNames)
            QTest::addRow("%s, main in the lower right corner", w)
                << QString::fromLatin1(w) << sizes[0] << true << QByteArray();
        QTest::newRow("stock details with a long industry")
            << QStringLiteral("stock details") << sizes[0] << false
            << QByteArray("Software - Infrastructure, Application Services and Consulting; ").repeated(6);
    }
    void windowsOnScreen()
    {
        QFETCH(QString, which);
        QFETCH(QSize, mainSize);
        QFETCH(bool, mainInCorner);
        QFETCH(QByteArray, industry);
        f.main->resize(mainSize);
        QTRY_COMPARE_WITH_TIMEOUT(f.main->size(), mainSize, DesktopMs);
        if (mainInCorner) {
            QRect corner = f.main->frameGeometry();
            corner.moveBottomRight(FreeArea(f.main).bottomRight());
            f.main->move(corner.topLeft());
            QTRY_COMPARE_WITH_TIMEOUT(f.main->frameGeometry(), corner, DesktopMs);
        }
        if (!industry.isEmpty())
            Stocks[size_t(Stock::FindStock("MSFT"))].industry = industry;
        QWidget *w = OpenExposed(which);
        QVERIFY(w);
        const auto where = [w] {
            const QRect r = w->frameGeometry();
            return QStringLiteral("%1 x %2 at %3, %4").arg(r.width()).arg(r.height()).arg(r.x()).arg(r.y());
        };
        QTRY_VERIFY2_WITH_TIMEOUT(FreeArea(w).contains(w->frameGeometry()), qPrintable(where()), DesktopMs);
    }
};

TW_TEST(tst_windowfit)
#include "tst_windowfit.moc"
