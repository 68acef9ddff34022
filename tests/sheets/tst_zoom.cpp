// The Zoom window: opened by the Zoom button on the sheet on show, its
// column widths, keys, strip, link cells and Export menu.
#include "SheetFixture.h"
#include "common/TestRegistry.h"
#include "core/Hosts.h"
#include "platform/Geometry.h"
#include "platform/Shell.h"
#include "reports/Reports.h"
#include "shell/MouseEvents.h"
#include "shell/Zoom.h"
#include "sheets/GridInteraction.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

using namespace tw::test;

class tst_zoom : public QObject {
    Q_OBJECT
    SheetFixture f;
    QList<QPair<QString, QByteArray>> reports;

    void ShowIT()
    {
        f.Fill(&frmMain::FG_IT, QStringLiteral("ZETA_it.Sh"), SheetFixture::Fixture(QStringLiteral("ZETA_it.Sh")), 8,
               QStringLiteral("IT"));
    }
    Zoom *PressZoom()
    {
        const QList<Zoom *> before = SheetFixture::ZoomWindows();
        QTest::mouseClick(f.main->Picture1[3], Qt::LeftButton);
        for (Zoom *z : SheetFixture::ZoomWindows())
            if (!before.contains(z)) {
                (void)QTest::qWaitForWindowExposed(z);
                return z;
            }
        return nullptr;
    }
    static void Click(Zoom *z, int row, int col) { ClickCell(z->FG, row, col); }
    // A click delivered to the button itself, whichever window the desktop
    // would put on top at that place.
    static void Press(QWidget *button)
    {
        const QPointF middle(button->width() / 2.0, button->height() / 2.0);
        SendMouse(button, QEvent::MouseButtonPress, Qt::LeftButton, middle);
        SendMouse(button, QEvent::MouseButtonRelease, Qt::LeftButton, middle);
    }
    static QString Host(const char *name)
    {
        QString root = Hosts::Url(QLatin1String(name), QStringLiteral("/"));
        root.chop(1);
        return root;
    }

private Q_SLOTS:
    void init()
    {
        f.Start();
        f.main->WireZoom();
        f.ShowMain();
        reports.clear();
        Reports::SetRecorder([this](const QString &call, const QByteArray &arg) { reports.append({call, arg}); });
    }
    void cleanup()
    {
        Reports::SetRecorder(nullptr);
        Zoom::SetPopupHook(nullptr);
        for (Zoom *z : SheetFixture::ZoomWindows())
            delete z;
        f.Stop();
    }

    // The button opens a new window of the same cells each time; the main
    // grid stays as it was; the window's widths follow its view.
    void buttonOpensWindows()
    {
        ShowIT();
        const QStringList cells = SheetFixture::Cells(f.fg());
        Zoom *z = PressZoom();
        QVERIFY(z);
        QCOMPARE(z->windowTitle(), QStringLiteral("Zoom"));
        QCOMPARE(SheetFixture::Cells(z->FG), cells);
        QCOMPARE(SheetFixture::Cells(f.fg()), cells);
        QCOMPARE(ZoomMode, int16_t(0));
        z->resize(z->width() + 100, z->height() + 50);
        const QList<double> expected{13, 0, 30, 12, 10, 10, 10, 12};
        for (int c = 0; c < 8; ++c)
            QVERIFY2(qAbs(100.0 * z->FG->ColWidth(c) / z->FG->Width() - expected[c]) < 1.0, qPrintable(QString::number(c)));
        QVERIFY(PressZoom());
        QCOMPARE(SheetFixture::ZoomWindows().size(), 2);
    }

    void viewsThatNeverZoom_data()
    {
        QTest::addColumn<QString>("view");
        QTest::newRow("EG") << "EG";
        QTest::newRow("DNH") << "DNH";
        QTest::newRow("none") << "";
    }
    void viewsThatNeverZoom()
    {
        QFETCH(QString, view);
        ShowIT();
        CurrentView = view;
        QVERIFY(!PressZoom());
        QCOMPARE(ZoomMode, int16_t(0));
    }

    // A missing page: the sheet's message in the main grid, no window.
    void missingPageOpensNothing()
    {
        ShowIT();
        QFile::remove(AppFolder + QStringLiteral("/Cache/DataSheet/ZETA_it.Sh"));
        QVERIFY(!PressZoom());
        QCOMPARE(f.fg()->TextMatrix(0, 0), NoDataForZeta);
        QCOMPARE(ZoomMode, int16_t(0));
    }

    // Enter, Esc, Alt+X and the Exit label each close the window and leave
    // no target grid behind.
    void closing_data()
    {
        QTest::addColumn<int>("key"); // 0: the Exit label
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::newRow("Esc") << int(Qt::Key_Escape) << int(Qt::NoModifier);
        QTest::newRow("Alt+X") << int(Qt::Key_X) << int(Qt::AltModifier);
        QTest::newRow("Exit") << 0 << 0;
    }
    void closing()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        ShowIT();
        QPointer<Zoom> z = PressZoom();
        QVERIFY(z);
        QCOMPARE(TargetGrid.data(), z->FG);
        if (key) {
            z->FG->setFocus();
            QTest::keyClick(z->FG, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        } else {
            QTest::mouseClick(z->Panel1[0], Qt::LeftButton);
        }
        QTRY_VERIFY(!z);
        QVERIFY(!TargetGrid);
    }

    // Alt+E and Alt+P typed to the window's grid open their popup once, the
    // hover frame at their label.
    void altKeysOpenTheirPopupOnce_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("label");
        QTest::newRow("Alt+E Edit") << int(Qt::Key_E) << 1;
        QTest::newRow("Alt+P Export") << int(Qt::Key_P) << 2;
    }
    void altKeysOpenTheirPopupOnce()
    {
        QFETCH(int, key);
        QFETCH(int, label);
        ShowIT();
        Zoom *z = PressZoom();
        QVERIFY(z);
        QList<QMenu *> shown;
        Zoom::SetPopupHook([&](QMenu *m) { shown << m; });
        z->FG->setFocus();
        QTest::keyClick(z->FG, Qt::Key(key), Qt::AltModifier);
        QCOMPARE(shown, QList<QMenu *>{label == 1 ? z->mnuEdits : z->mnuExport});
        QVERIFY(z->Shape1->isVisible());
        QCOMPARE(z->Shape1->x(), z->Panel1[label]->x());
        QVERIFY(z->isVisible());
    }

    // The hover frame: yellow behind the label under the pointer, green while
    // a button is held on it, yellow again on release; gone once the pointer
    // is on the window's free surface.
    void hoverFrame()
    {
        ShowIT();
        Zoom *z = PressZoom();
        QVERIFY(z);
        Zoom::SetPopupHook([](QMenu *) {});
        QLabel *edit = z->Panel1[1];
        const auto frameColour = [z] {
            const QRect r = z->Shape1->geometry();
            return z->grab().toImage().pixelColor(r.left() + 2, r.top() + 2);
        };
        SendMouse(edit, QEvent::MouseMove, Qt::NoButton);
        QVERIFY(z->Shape1->isVisible());
        QCOMPARE(z->Shape1->x(), edit->x());
        QCOMPARE(frameColour(), QColor(Qt::yellow));
        SendMouse(edit, QEvent::MouseButtonPress, Qt::LeftButton);
        QCOMPARE(frameColour(), QColor(Qt::green));
        SendMouse(edit, QEvent::MouseButtonRelease, Qt::LeftButton);
        QVERIFY(z->Shape1->isVisible());
        QCOMPARE(frameColour(), QColor(Qt::yellow));
        SendMouse(z, QEvent::MouseMove, Qt::NoButton, QPointF(z->width() - 5, z->height() - 5));
        QVERIFY(!z->Shape1->isVisible());
    }

    // The strip: 1790 x 500 twips, and back to this window's own load size.
    void strip()
    {
        ShowIT();
        Zoom *a = PressZoom();
        QVERIFY(a);
        const QSize loaded = a->size();
        const QRect bar = a->cmdMin->geometry();
        Press(a->cmdMin);
        QCOMPARE(Twips::ScreenInt(Geometry::Width(a)), 1785); // 1790 in whole pixels
        // The title bar and the top of the inner area: no more than 500
        // twips, and inner area too low to lay the controls out, so the bar
        // that restores the window keeps its size, however thin the frame.
        QVERIFY(Geometry::Height(a) <= 500);
        QVERIFY(Geometry::ScaleHeight(a) < 250);
        QCOMPARE(a->cmdMin->geometry(), bar);
        Zoom *b = PressZoom();
        QVERIFY(b);
        Press(b->cmdMin);
        // Two strips side by side in the first row under the ticker.
        QVERIFY(qAbs(Geometry::Top(a) - (Geometry::Top(f.main->NewsTicker1) + 700)) <= Twips::PerPixel);
        QCOMPARE(Geometry::Top(b), Geometry::Top(a));
        QVERIFY(qAbs(b->x() - (a->x() + a->frameGeometry().width())) <= 1);
        // Each comes back to the size it loaded with.
        Press(a->cmdMin);
        QCOMPARE(a->size(), loaded);
        QCOMPARE(b->LoadWidth, a->LoadWidth);
    }

    // A double-click on a heading of the window's grid sorts it by its
    // figures; one sort order serves it and the main grid, so after an
    // ascending sort of the main grid the window's next sort descends.
    void sortSharesTheOrderWithTheMainGrid()
    {
        for (const auto &[symbol, last] : {std::pair{"AAA", "104 1/8"}, {"BBB", "14 7/8"}, {"CCC", "60 7/8"}}) {
            StockRecord &s = Stocks[size_t(StockCount++)];
            s.Symbol = symbol;
            s.Name = QByteArray(symbol) + " Corp";
            s.LastSale = last;
            s.PChange = "+1.00%";
            s.Exchange = "NYSE";
        }
        GridInteraction::SortOrder = 0;
        f.main->FG_Current();
        Zoom *z = PressZoom();
        QVERIFY(z);
        const auto lastSales = [](FlexGrid *g) {
            QStringList out;
            for (int r = 2; r < g->Rows(); ++r)
                out << g->TextMatrix(r, 2);
            return out;
        };
        QCOMPARE(z->FG->TextMatrix(0, 2), QStringLiteral("Last Sale"));
        DoubleClick(f.main->FG->viewport(), CellCenter(f.main->FG, 0, 2));
        // Zeta Corp, the fixture's stock, has no price: a text, after the figures.
        QCOMPARE(lastSales(f.main->FG), (QStringList{"14 7/8", "60 7/8", "104 1/8", ""}));
        QCOMPARE(lastSales(z->FG), (QStringList{"", "104 1/8", "14 7/8", "60 7/8"})); // each grid its own rows
        DoubleClick(z->FG->viewport(), CellCenter(z->FG, 0, 2));
        QCOMPARE(lastSales(z->FG), (QStringList{"", "104 1/8", "60 7/8", "14 7/8"}));
        QCOMPARE(GridInteraction::SortOrder, int16_t(2));
        DoubleClick(z->FG->viewport(), CellCenter(z->FG, 0, 2));
        QCOMPARE(lastSales(z->FG), (QStringList{"14 7/8", "60 7/8", "104 1/8", ""}));
        QCOMPARE(z->FG->RowHeight(1), 0); // the hidden spacer stays on top
    }

    // After the strip the window lays itself out at every size again:
    // maximised, restored, and resized by its frame, the grid fills it.
    void stripThenAnySize()
    {
        ShowIT();
        Zoom *z = PressZoom();
        QVERIFY(z);
        // The grid keeps its design share of the window's inner area.
        const auto fills = [z] {
            const QSize want(Twips::ToPixels(8775 * Geometry::ScaleWidth(z) / 8805),
                             Twips::ToPixels(4455 * Geometry::ScaleHeight(z) / 5085));
            return qAbs(z->FG->width() - want.width()) <= 1 && qAbs(z->FG->height() - want.height()) <= 1;
        };
        QVERIFY(fills());
        const QSize loaded = z->size();
        Press(z->cmdMin);
        const QSize strip = z->size();
        const QRect bar = z->cmdMin->geometry();

        z->showMaximized();
        QTRY_VERIFY(z->isMaximized() && z->height() > loaded.height());
        QTRY_VERIFY(fills());
        const QSize maximised = z->size();
        Press(z->cmdMin); // no strip while maximised
        QCOMPARE(z->size(), maximised);

        // Restored, it is the strip it was, its bar whole to bring it back.
        z->showNormal();
        QTRY_COMPARE(z->size(), strip);
        QVERIFY(z->cmdMin->geometry().contains(QPoint(z->width() / 2, bar.height() / 2)));
        Press(z->cmdMin);
        QCOMPARE(z->size(), loaded);
        QVERIFY(fills());

        z->showMaximized();
        QTRY_VERIFY(z->isMaximized() && fills());
        z->showNormal();
        QTRY_COMPARE(z->size(), loaded);
        QVERIFY(fills());
        z->resize(loaded + QSize(150, 90)); // dragged by its frame
        QTRY_COMPARE(z->size(), loaded + QSize(150, 90));
        QVERIFY(fills());
    }

    // Link cells as handed to the desktop, by the window's own view.
    void links()
    {
        ShowIT();
        Zoom *z = PressZoom();
        QVERIFY(z);
        Shell::Reset();
        Click(z, 2, 2);
        QCOMPARE(Shell::Opened(), QStringList{Host("BizNewsHost") + u'/' + z->FG->TextMatrix(2, 1)});
        Shell::Reset();
        Click(z, 2, 3);
        Click(z, 1, 2);
        QVERIFY(Shell::Opened().isEmpty());
        // The main window moving on does not change the window's links.
        CurrentView = QStringLiteral("QR");
        Click(z, 3, 2);
        QCOMPARE(Shell::Opened().size(), 1);

        z->ZoomView = QStringLiteral("AIS");
        Shell::Reset();
        Click(z, 4, 3);
        QCOMPARE(z->FG->CellForeColor(4, 3), 0x0000FFu);
        QVERIFY(Shell::Opened().isEmpty());
    }

    // Export goes by the window's own view and stock.
    void exportMenu()
    {
        ShowIT();
        Zoom *z = PressZoom();
        QVERIFY(z);
        QList<QMenu *> shown;
        Zoom::SetPopupHook([&](QMenu *m) { shown << m; });
        SheetFixture::AddStock("ACME", "Acme Inc");
        CurrentSymbol = "ACME";
        CurrentView = QStringLiteral("QR");
        QTest::mouseClick(z->Panel1[2], Qt::LeftButton);
        QCOMPARE(shown, QList<QMenu *>{z->mnuExport});
        for (int i = 0; i < 16; ++i)
            QCOMPARE(z->mnuEx[i]->isEnabled(), i == 0);
        z->mnuEx[0]->trigger();
        QCOMPARE(reports, (QList<QPair<QString, QByteArray>>{{QStringLiteral("H_IT"), "ZETA"}}));

        z->ZoomView = QStringLiteral("Current");
        z->mnuExport_Click();
        for (int i = 0; i < 16; ++i)
            QCOMPARE(z->mnuEx[i]->isEnabled(), i <= 8 || i == 15);
        reports.clear();
        z->mnuEx[1]->trigger();
        z->mnuEx[2]->trigger();
        z->mnuEx[15]->trigger();
        QCOMPARE(reports, (QList<QPair<QString, QByteArray>>{
                              {QStringLiteral("Export"), "1"}, {QStringLiteral("Export"), "0"}, {QStringLiteral("Export"), "14"}}));
    }
};

TW_TEST(tst_zoom)
#include "tst_zoom.moc"
