#pragma once
// The real main window with a fresh user for sheet tests: stocks of the open
// set, pages put into the cache, and the grid read back as text so a case
// compares "these bytes give these cells".
#include "common/TestEnv.h"
#include "core/AppFolder.h"
#include "core/Stock.h"
#include "core/ViewState.h"
#include "platform/Artwork.h"
#include "platform/FlexGrid.h"
#include "platform/TreeView.h"
#include "platform/Vb.h"
#include "platform/VbColor.h"
#include "sheets/SheetFrame.h"
#include "sheets/SheetState.h"
#include "shell/Zoom.h"
#include "shell/frmMain.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QStringList>
#include <QTest>
#include <memory>

namespace tw::test {

// 40 000 characters to put before a page's first marker.
inline const QByteArray LongLead = "<p>" + QByteArray(40000, 'x') + "</p>\r\n";
// The head of a reply the socket stores with its page.
inline const QByteArray HttpHead = "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n";
// One table row of these cells, without a line end.
inline QByteArray CellsRow(const QList<QByteArray> &cells)
{
    QByteArray row = "<tr>";
    for (const QByteArray &c : cells)
        row += "<td>" + c + "</td>";
    return row + "</tr>";
}
inline const QString NoDataForZeta = QStringLiteral("Tickerwatch do not have additional information for Zeta Corp");

class SheetFixture {
public:
    std::unique_ptr<TestEnv> env;
    frmMain *main = nullptr;

    void Start()
    {
        env = std::make_unique<TestEnv>();
        env->CreateKeys();
        main = frmMain::Instance();
        main->BaseRowHeight = Vb::CInt(main->FG->RowHeight(0)); // as loading the window reads it
        AddStock("ZETA", "Zeta Corp");
        CurrentSymbol = "ZETA";
    }
    void Stop()
    {
        SheetFrame::SetZoomMaker(nullptr);
        frmMain::Unload();
        main = nullptr;
        env.reset();
    }

    FlexGrid *fg() const { return main->FG; }
    // The main window on show, for clicks on the screen.
    void ShowMain() const
    {
        main->resize(1024, 768);
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main));
    }
    int base() const { return main->BaseRowHeight; }

    // A column's width in per cent of the main grid.
    int Percent(int col) const { return qRound(100.0 * fg()->ColWidth(col) / fg()->Width()); }
    QStringList RowTexts(int row) const
    {
        QStringList out;
        for (int c = 0; c < fg()->Cols(); ++c)
            out << fg()->TextMatrix(row, c);
        return out;
    }
    // The link look: blue and underlined.
    bool Link(int r, int c) const { return fg()->CellFontUnderline(r, c) && fg()->CellForeColor(r, c) == 0xFF0000; }
    // The change picture in column 0: "UP", "DN", "" or "?" for another.
    QString Picture(int r) const
    {
        const QImage shown = fg()->CellPicture(r, 0).toImage();
        for (const char *name : {"UP", "DN"})
            if (!shown.isNull() && shown == Artwork::Picture(QLatin1String(name)).toImage())
                return QLatin1String(name);
        return shown.isNull() ? QString() : QStringLiteral("?");
    }
    // The grid holds the one message line.
    void ExpectMessage(const QString &message) const
    {
        QCOMPARE(fg()->Rows(), 1);
        QCOMPARE(fg()->TextMatrix(0, 0), message);
    }
    // The Zoom windows on show.
    static QList<Zoom *> ZoomWindows()
    {
        QList<Zoom *> out;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *z = qobject_cast<Zoom *>(w); z && z->isVisible())
                out << z;
        return out;
    }

    static void AddStock(const QByteArray &symbol, const QByteArray &name)
    {
        StockRecord &s = Stocks[size_t(StockCount)];
        s.Symbol = symbol;
        s.Name = name;
        ++StockCount;
    }
    static void WritePage(const QString &file, const QByteArray &bytes)
    {
        TestEnv::WriteAll(AppFolder + QStringLiteral("/Cache/DataSheet/") + file, bytes);
    }
    // The page (none when null) in the cache as file, then the sheet filled
    // over a grid of cols columns, as after another sheet of its kind.
    void Fill(void (frmMain::*filler)(), const QString &file, const QByteArray &page, int cols, const QString &view)
    {
        fg()->SetCols(cols);
        if (!page.isNull())
            WritePage(file, page);
        (main->*filler)();
        QCOMPARE(CurrentView, view);
        QVERIFY(fg()->Redraw());
    }

    // The tree built afresh and its node of that key opened, as a click on
    // it does.
    void OpenNode(const char *key) const
    {
        main->initTree();
        TreeNode *node = main->TreeView1->Find(QLatin1String(key));
        QVERIFY2(node, key);
        main->TreeView1_NodeClick(node);
    }

    // The page (none when null) in the cache as file, then the sheet filled
    // over a grid that showed another sheet before.
    void FillOverOther(void (frmMain::*filler)(), const QString &file, const QByteArray &page)
    {
        fg()->SetRows(9);
        fg()->SetCols(3);
        fg()->SetTextMatrix(5, 1, QStringLiteral("before"));
        if (!page.isNull())
            WritePage(file, page);
        (main->*filler)();
        QVERIFY(fg()->Redraw());
    }

    // A stored page of tests/sheets/fixtures.
    static QByteArray Fixture(const QString &name)
    {
        return TestEnv::ReadAll(QStringLiteral(TW_TESTDATA "/sheets/fixtures/") + name);
    }

    // Each grid row as its cells joined by "|", hidden columns included.
    static QStringList Cells(const FlexGrid *g)
    {
        QStringList rows;
        for (int r = 0; r < g->Rows(); ++r) {
            QStringList cells;
            for (int c = 0; c < g->Cols(); ++c)
                cells << g->TextMatrix(r, c);
            rows << cells.join(u'|');
        }
        return rows;
    }

    // What a cell shows beyond a plain cell of its place: alignment (when not
    // its column's), colours, bold, underline, text style, character width.
    static QString Look(const FlexGrid *g, int r, int c)
    {
        const bool fixed = r < g->FixedRows() || c < g->FixedCols();
        QStringList f;
        if (g->CellAlignment(r, c) != g->ColAlignment(c))
            f << QStringLiteral("a%1").arg(g->CellAlignment(r, c));
        if (g->CellFontBold(r, c))
            f << QStringLiteral("b");
        if (g->CellFontUnderline(r, c))
            f << QStringLiteral("u");
        if (g->CellTextStyle(r, c))
            f << QStringLiteral("s%1").arg(g->CellTextStyle(r, c));
        if (g->CellFontWidth(r, c) != 0)
            f << QStringLiteral("w%1").arg(double(g->CellFontWidth(r, c)));
        if (g->CellForeColor(r, c) != (fixed ? VbColor::ButtonText : VbColor::WindowText))
            f << QStringLiteral("fg=%1").arg(g->CellForeColor(r, c), 6, 16, QLatin1Char('0')).toUpper();
        if (g->CellBackColor(r, c) != (fixed ? VbColor::ButtonFace : g->BackColor()))
            f << QStringLiteral("bg=%1").arg(g->CellBackColor(r, c), 6, 16, QLatin1Char('0')).toUpper();
        return f.join(u' ');
    }

    // The whole grid as text: shape, column widths in per cent of the grid
    // and alignments, then per row its height in multiples of the base row
    // and its cells, each with its look in braces.
    static QStringList Dump(const FlexGrid *g, int base)
    {
        QStringList out;
        out << QStringLiteral("grid %1x%2 lines=%3 back=%4 top=%5")
                   .arg(g->Rows())
                   .arg(g->Cols())
                   .arg(g->GridLines())
                   .arg(g->BackColor(), 6, 16, QLatin1Char('0'))
                   .arg(g->TopRow());
        QStringList widths, aligns;
        for (int c = 0; c < g->Cols(); ++c) {
            widths << QString::number(qRound(100.0 * g->ColWidth(c) / g->Width()));
            aligns << QString::number(g->ColAlignment(c));
        }
        out << QStringLiteral("widths% ") + widths.join(u' ');
        out << QStringLiteral("aligns ") + aligns.join(u' ');
        for (int r = 0; r < g->Rows(); ++r) {
            QStringList cells;
            for (int c = 0; c < g->Cols(); ++c) {
                const QString look = Look(g, r, c);
                QString text = g->TextMatrix(r, c);
                text.replace(QStringLiteral("\r\n"), QStringLiteral("\\n"));
                cells << (look.isEmpty() ? text : text + QStringLiteral(" {") + look + u'}');
            }
            out << QStringLiteral("%1 h%2: ").arg(r).arg(base ? g->RowHeight(r) / double(base) : 0.0)
                       + cells.join(QStringLiteral(" | "));
        }
        return out;
    }
};

} // namespace tw::test
