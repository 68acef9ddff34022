// The quote jobs of the main window: the detailed price refresh and the
// analysts' recommendation of the Update run, the fast update from one
// quote list for the whole set, and the "Current" prices grid they redraw.
#include "shell/frmMain.h"
#include "platform/Hourglass.h"

#include "collect/QuoteList.h"
#include "collect/QuotePage.h"
#include "collect/SheetCache.h"
#include "core/Hosts.h"
#include "core/Misc.h"
#include "core/Stock.h"
#include "core/ViewState.h"
#include "platform/Artwork.h"
#include "platform/FlexGrid.h"
#include "platform/Inet.h"
#include "platform/Text.h"
#include "platform/TreeView.h"
#include "platform/Vb.h"
#include "sheets/CurrentGrid.h"
#include "sheets/SheetState.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPointer>

namespace {

// The turns of a per-stock quote job: the slot of CurrentSymbol alone in
// single-stock mode, else slots 0 to StockCount (one past the last stock of
// a packed set) up to slot 200, ending at a stop. A current symbol that is
// not in the set gives no turn at all: nothing is fetched or written.
void ForEachSlot(const frmMain &m, const std::function<void(int16_t slot)> &turn)
{
    if (m.SingleStockMode == -1) {
        const int16_t slot = Stock::FindStock(CurrentSymbol);
        if (slot != Stock::NotFound)
            turn(slot);
        return;
    }
    for (int16_t i = 0; i <= StockCount && i < Stock::StockSlots; ++i) {
        if (m.AbortFlag == -1)
            return;
        turn(i);
    }
}

QString Sym(const QByteArray &symbol) { return Text::FromCp1252(symbol); }

} // namespace

bool frmMain::FetchWorkFile(const QString &file, const QString &url, const QString &status, qint64 minimum)
{
    return DownloadURL(file, url, status, minimum);
}

void frmMain::ShowRunning()
{
    lblDesc[0]->setText(QStringLiteral("Stop"));
    mnuTray[0]->setText(QStringLiteral("Stop"));
    Panel1[1]->setEnabled(false);
    Picture1[4]->setEnabled(false);
    Picture1[0]->setPixmap(Artwork::Picture(QStringLiteral("B4")));
}

// --- price refresh ---

QByteArray frmMain::Parse_PricePage(int16_t index)
{
    if (index < 0 || index >= Stock::StockSlots)
        return {};
    QFile page(SheetCache::DataSheet(QStringLiteral("YahooQuote.Sh")));
    if (!page.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = page.readAll();
    if (page.error() != QFileDevice::NoError)
        return {};
    return QuotePage::Read(bytes, Stocks[size_t(index)]);
}

void frmMain::ClearStockQuote(int16_t index)
{
    if (index >= 0 && index < Stock::StockSlots)
        QuotePage::Clear(Stocks[size_t(index)]);
}

void frmMain::UpdatePrices()
{
    const QString page = SheetCache::DataSheet(QStringLiteral("Yahooquote.Sh"));
    ForEachSlot(*this, [&](int16_t slot) {
        try {
            const QByteArray symbol = Stocks[size_t(slot)].Symbol;
            if (!Stock::IsFreeSlot(symbol)) {
                QFile::remove(page);
                const QString status = BaseCaption + QStringLiteral("    Updating Current Price - ") + Sym(symbol)
                                       + QStringLiteral(" Current Prices");
                // A page that did not come leaves the record as it was.
                bool fetched = false;
                if (SheetCache::UsableSymbol(symbol)) {
                    fetched = FetchWorkFile(page,
                                            Hosts::Url(QStringLiteral("FinancePortal"),
                                                       QStringLiteral("/q?s=") + SheetCache::ForUrl(symbol.toLower())
                                                           + QStringLiteral("&d=t")),
                                            status);
                    Misc::DoEvents();
                }
                if (fetched) {
                    Parse_PricePage(slot);
                    Misc::DoEvents();
                }
            }
            Stock::SaveStocks();
            if (SingleStockMode == -1)
                return;

            // Free portfolio slots have no symbol and get nothing.
            for (int p = 0; p < Stock::PortfolioSlots - 1 && !Stock::IsFreeSlot(symbol); ++p) {
                if (Portfolio[size_t(p)].Symbol != symbol)
                    continue;
                Portfolio[size_t(p)].CurrentPrice = Stocks[size_t(slot)].LastSale;
                Stock::SavePortfolio();
                Misc::DoEvents();
            }
            if (CurrentView == QLatin1String("Current")) {
                FG_Current();
                ShowCurrentRow(symbol);
            }
            SelectTreeStock(Sym(symbol));
            Misc::DoEvents();
        } catch (const VbError &e) {
            if (e.number == 5)
                ClearStockQuote(slot);
        } catch (const std::exception &) {
        }
    });
}

// --- analysts' recommendation ---

void frmMain::UpdateRec()
{
    const int width = img[0]->width();
    const QString page = SheetCache::DataSheet(QStringLiteral("Rec.Sh"));
    ForEachSlot(*this, [&](int16_t slot) {
        try {
            QFile::remove(page);
            const QByteArray symbol = Stocks[size_t(slot)].Symbol;
            if (Stock::IsFreeSlot(symbol) || !SheetCache::UsableSymbol(symbol)) {
                Stock::SaveStocks();
                Misc::DoEvents();
                return;
            }
            const bool fetched = FetchWorkFile(
                page,
                Hosts::Url(QStringLiteral("ResearchReportSite"),
                           QStringLiteral("/cgi-bin/ShowFreeCompRep?") + SheetCache::ForUrl(symbol)),
                BaseCaption + QStringLiteral("    Getting ") + Sym(symbol) + QStringLiteral(" Recommendations. "));
            if (!fetched)
                return;
            const std::optional<float> r = QuotePage::Recommendation(Misc::ReadFile(page));
            if (!r)
                return;
            Stocks[size_t(slot)].Recommendation = *r;
            Stock::SaveStocks();
            for (int k = 0; k < 7; ++k)
                if (Text::ToCp1252(lblSbl[k]->text()) == symbol)
                    DrawRecRow(k, width);
            Misc::DoEvents();
        } catch (const std::exception &) {
        }
    });
    // The page of a whole-set run is scratch; a single stock's stays.
    if (SingleStockMode != -1)
        QFile::remove(page);
}

// --- the prices grid ---

void frmMain::FG_Current()
{
    CurrentGrid::Show(*this, mnuEdit[4] && mnuEdit[4]->isChecked());
    // A move shifts the other columns, so the second pass puts right what
    // the first one displaced.
    FlexGrid *grid = TargetGrid ? TargetGrid.data() : FG;
    FixLayOut(grid);
    FixLayOut(grid);
}

// --- fast update ---

void frmMain::Parse_QuotesCsv()
{
    QuoteList::Store(Misc::ReadFile(SheetCache::DataSheet(QStringLiteral("quotes_csv.txt"))));
    Misc::DoEvents();
}

void frmMain::FastUpdate()
{
    if (!Misc::CheckOnline())
        return;
    {
        const Hourglass hourglass;
        try {
            PrepareInet();
            ShowRunning();
            AbortFlag = 0;
            const QString symbols = QuoteList::Symbols();
            if (!symbols.isEmpty() && AbortFlag != -1) {
                setWindowTitle(BaseCaption + QStringLiteral("    Getting fast stocks prices"));
                const QString url = Hosts::Url(QStringLiteral("FinancePortal"), QuoteList::Path(symbols));
                const QString file = SheetCache::DataSheet(QStringLiteral("quotes_csv.txt"));
                // Only this request's reply is read: after a failed one the
                // older list in the cache is left alone. A short reply is the
                // service's error text and is thrown away.
                if (AbortFlag != -1
                    && FetchWorkFile(file, url, BaseCaption + QStringLiteral("        Getting fast stocks prices"), 100)) {
                    Parse_QuotesCsv();
                    Misc::DoEvents();
                    Stock::SaveStocks();
                    if (CurrentView == QLatin1String("Current")) {
                        FG_Current();
                        Misc::DoEvents();
                    }
                }
            }
        } catch (const std::exception &) {
        }
    }
    StopUpdate();
    setWindowTitle(BaseCaption);
}
