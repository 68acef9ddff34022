#pragma once
// The main window on show with a set open and a portfolio written to disk,
// and the ways a user reaches the portfolio: tree and grid popups, the
// dialogs they open (recorded by the modal seam, then shown to be typed
// into), clicks on grid cells.
#include "../shell/MainFixture.h"
#include "../shell/MouseEvents.h"
#include "collect/UpdateJobs.h"
#include "core/Stock.h"
#include "core/ViewState.h"
#include "platform/Dialogs.h"
#include "platform/FlexGrid.h"
#include "platform/TreeView.h"
#include "portfolio/LastPar.h"
#include "portfolio/frmPurchace.h"
#include "sheets/SheetState.h"

#include <QAction>
#include <QDate>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace tw::test {

struct Lot {
    QByteArray symbol;
    QByteArray action;
    int shares;
    float price;
    float commission;
    int id;
    double gain = 0;
    QByteArray current = "12";
};

class PortfolioFixture : public MainFixture {
public:
    void StartShown()
    {
        Start();
        UpdateJobs::SetClock([] { return QDate(2024, 3, 5); });
        main->ShowWindow();
        QVERIFY(QTest::qWaitForWindowExposed(main));
    }
    void StopShown()
    {
        UpdateJobs::SetClock(nullptr);
        Stop();
    }

    // Set 0 holds these symbols, each with LastSale "12"; it is opened.
    void OpenSet(const QList<QByteArray> &symbols)
    {
        Stock::StockTable t{};
        for (int i = 0; i < symbols.size(); ++i) {
            t[size_t(i)].Symbol = symbols[i];
            t[size_t(i)].Name = symbols[i] + " Corp";
            t[size_t(i)].LastSale = "12";
        }
        QVERIFY(Stock::SaveStocks(0, t));
        main->mnuSet_Click(0);
    }

    // Slots as given, the rest empty, written to Portfolio.dat.
    static void WritePortfolio(const QList<QPair<int, Lot>> &records)
    {
        Portfolio.fill({});
        for (const auto &[slot, l] : records) {
            TransactionRecord &r = Portfolio[size_t(slot)];
            r.Symbol = l.symbol;
            r.Action = l.action;
            r.Shares = int16_t(l.shares);
            r.Price = l.price;
            r.Commission = l.commission;
            r.ID = int16_t(l.id);
            r.Gain = l.gain;
            r.CurrentPrice = l.current;
            r.Date = "1/2/2024";
        }
        QVERIFY(Stock::SavePortfolio());
        QVERIFY(Stock::ReadPortfolio());
    }

    // What the file holds now.
    static std::array<TransactionRecord, Stock::PortfolioSlots> Saved()
    {
        const auto memory = Portfolio;
        Stock::ReadPortfolio();
        const auto saved = Portfolio;
        Portfolio = memory;
        Stock::ReadPortfolio();
        return saved;
    }

    FlexGrid *Grid() const { return main->FG; }
    QPoint At(int row, int col) const { return CellCenter(Grid(), row, col); }
    void ClickCell(int row, int col) const { tw::test::ClickCell(Grid(), row, col); }
    // A row of the main grid whose column 0 reads text, from row 2 on.
    int RowOf(const QString &text, int from = 2) const
    {
        for (int r = from; r < Grid()->Rows(); ++r)
            if (Grid()->TextMatrix(r, 0) == text)
                return r;
        return -1;
    }
    // Column col of the main grid from row 2 on.
    QStringList Column(int col) const
    {
        QStringList out;
        for (int r = 2; r < Grid()->Rows(); ++r)
            out << Grid()->TextMatrix(r, col);
        return out;
    }
    QStringList RowTexts(int row, int cols) const
    {
        QStringList out;
        for (int c = 0; c < cols; ++c)
            out << Grid()->TextMatrix(row, c);
        return out;
    }

    // The grid popup over a cell, as the user opens it: the row is chosen
    // with the left button, the menu comes with the right one.
    void GridCommand(int row, int col, int item)
    {
        ClickCell(row, col);
        SendMouse(Grid()->viewport(), QEvent::MouseButtonPress, Qt::RightButton, At(row, col));
        SendMouse(Grid()->viewport(), QEvent::MouseButtonRelease, Qt::RightButton, At(row, col));
        QVERIFY(!popups.isEmpty() && popups.last().first == main->mnuEdits);
        QVERIFY(main->mnuEdit[item]->isVisible());
        if (main->mnuEdit[item]->isEnabled())
            main->mnuEdit[item]->trigger();
    }

    // The stock's node clicked, then the tree popup's item, the menu opened
    // by the right button on that node.
    void TreeCommand(const QByteArray &symbol, int item)
    {
        TreeNode *node = nullptr;
        for (int i = 0; i < Stock::StockSlots && !node; ++i)
            if (Stocks[size_t(i)].Symbol == symbol)
                node = main->TreeView1->Find(QStringLiteral("ID%1").arg(i));
        QVERIFY(node);
        main->TreeView1_NodeClick(node);
        main->TreeView1->EnsureVisible(node);
        SendMouse(main->TreeView1->viewport(), QEvent::MouseButtonPress, Qt::RightButton,
                  main->TreeView1->visualItemRect(node).center());
        QVERIFY(!popups.isEmpty() && popups.last().first == main->mnuTrees);
        emit main->mnuTrees->aboutToShow(); // the menu's own click as it opens
        if (main->mnuTree[item]->isEnabled())
            main->mnuTree[item]->trigger();
    }

    // The last window the modal seam took, shown so it can be typed into.
    template <typename T> T *Modal()
    {
        for (qsizetype i = modals.size() - 1; i >= 0; --i)
            if (T *w = qobject_cast<T *>(modals[i].data())) {
                w->show();
                return w;
            }
        return nullptr;
    }

    static void Type(QLineEdit *box, const QString &text)
    {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    void Ok(frmPurchace *d)
    {
        QTest::mouseClick(d->cmdOK, Qt::LeftButton);
        QTRY_VERIFY(!d->isVisible());
    }
};

} // namespace tw::test
