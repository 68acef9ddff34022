// The news ticker strip, its menu, and the stock's headline file behind it.
#include "shell/frmMain.h"

#include "collect/Headlines.h"
#include "collect/SheetCache.h"
#include "core/Misc.h"
#include "core/Stock.h"
#include "core/ViewState.h"
#include "platform/Dialogs.h"
#include "platform/NewsTicker.h"
#include "platform/Text.h"

#include <QAction>
#include <QFile>
#include <QLabel>

namespace {

const QByteArray NoHeadlines = QByteArrayLiteral("Please Update For Latest News");

// A slot outside the table reads as an empty stock.
const StockRecord &Slot(int index)
{
    static const StockRecord none;
    return index >= 0 && index < Stock::StockSlots ? Stocks[size_t(index)] : none;
}

struct HeadlineFile {
    bool missing = false;
    QByteArray bytes; // "" as well when the file cannot be read
};

HeadlineFile ReadHeadlineFile(const QByteArray &symbol)
{
    const QString path = SheetCache::UsableSymbol(symbol)
                             ? SheetCache::News(QString::fromLatin1(symbol) + QStringLiteral(".txt"))
                             : QString();
    QFile f(path);
    if (path.isEmpty() || !f.exists())
        return {true, {}};
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return {false, f.readAll()};
}

} // namespace

QWidget *frmMain::MakeNewsTicker()
{
    auto *ticker = new NewsTicker(this);
    ticker->setObjectName(QStringLiteral("NewsTicker1"));
    connect(ticker, &NewsTicker::ItemClick, this, [this](int item) { NewsTicker1_ItemClick(item); });
    return ticker;
}

void frmMain::SetTickerText(const QByteArray &text)
{
    if (auto *ticker = qobject_cast<NewsTicker *>(NewsTicker1))
        ticker->SetText(text);
}

void frmMain::SetTickerItems(const QList<QByteArray> &items)
{
    if (auto *ticker = qobject_cast<NewsTicker *>(NewsTicker1))
        ticker->SetItems(items);
}

void frmMain::ParseNewsHeadlines(const QByteArray &, const QString &pagePath, const QString &headlinePath)
{
    Headlines::AppendFromPage(pagePath, headlinePath);
}

QByteArray frmMain::ReadNewsHeadlines(const QByteArray &symbol)
{
    const HeadlineFile file = ReadHeadlineFile(symbol);
    if (file.missing)
        SetTickerText(NoHeadlines);
    return Headlines::TextOfFile(file.bytes).value_or(QByteArray());
}

void frmMain::SplitTickerLinks(const QByteArray &text) { TickerLinks = Headlines::Parse(text).links; }

QByteArray frmMain::StripTickerLinks(const QByteArray &text) { return Headlines::Parse(text).Joined(); }

void frmMain::Ticker_Sel_Headlines(int index)
{
    QByteArray title = Slot(index).Name;
    if (title.size() < 2)
        title = CurrentSymbol;
    // Each line of the file is one item, so a ";" in a headline or in the
    // company's name never moves an item off its story. Without a file the
    // title stands alone.
    const Headlines::Items headlines = Headlines::ItemsOfFile(ReadHeadlineFile(CurrentSymbol).bytes).value_or(Headlines::Items{});
    TickerLinks = headlines.links;
    SetTickerItems(QList<QByteArray>{"... Latest " + title + " News ..."} + headlines.texts);
}

void frmMain::TickerStockPrice(int index)
{
    const StockRecord &s = Slot(index);
    TickerLinks.clear(); // the items are no longer the headlines the links belong to
    SetTickerItems({s.Name + "  -  Last Price: " + s.LastSale + "   Change: " + s.DChange + "  " + s.PChange
                    + "   Last Upadte: " + s.LastUpdate});
}

void frmMain::TickerAllPrices()
{
    // Four stocks an item; a count that is a multiple of four ends in an
    // empty item.
    QList<QByteArray> items{QByteArray()};
    for (int i = 0; i < StockCount && i < Stock::StockSlots; ++i) {
        const StockRecord &s = Stocks[size_t(i)];
        items.last() += "      " + s.Symbol + ' ' + s.LastSale + "  " + s.DChange + "  " + s.PChange;
        if ((i + 1) % 4 == 0)
            items.append(QByteArray());
    }
    TickerLinks.clear();
    SetTickerItems(items);
}

void frmMain::Ticker_Market_News() {}

void frmMain::RelistTicker()
{
    if (mnuTicker[4]->isChecked()) {
        TickerAllPrices();
    } else if ((mnuTicker[0]->isChecked() || mnuTicker[1]->isChecked())
               && Stock::FindStock(CurrentSymbol) == Stock::NotFound) {
        TickerLinks.clear();
        SetTickerItems({});
    }
}

void frmMain::mnuTicker_Click(int index)
{
    const int Items = int(std::size(mnuTicker));
    if (index < 8) {
        for (QAction *item : mnuTicker)
            item->setChecked(false);
        if (index >= 0)
            mnuTicker[index]->setChecked(true);
    } else if (index < Items) {
        mnuTicker[index]->setChecked(false); // the speech items never keep a check
    }

    switch (index) {
    case 0:
    case 1: {
        // A symbol outside the open set must not borrow the slot found last.
        const int slot = Stock::StockDetails(CurrentSymbol).isEmpty() ? Stock::NotFound : StockIndex;
        if (index == 0)
            Ticker_Sel_Headlines(slot);
        else
            TickerStockPrice(slot);
        break;
    }
    case 3:
    case 6:
    case 7:
        Dialogs::MsgBox(QStringLiteral("This option will be available in the next coming version, stay tune!"),
                        Dialogs::vbInformation, QStringLiteral(" Coming Soon.."));
        mnuTicker[0]->setChecked(true);
        break;
    case 4:
        TickerAllPrices();
        break;
    case 8:
        Speak(0);
        break;
    case 9:
        Speak(1);
        break;
    case 11:
        Speak(2);
        break;
    case 12:
        Speak(3);
        break;
    default:
        break;
    }
}

void frmMain::NewsTicker1_ItemClick(int item)
{
    if (item < 1) {
        Panel1[6]->setText(QStringLiteral("Wrong web address, Try updating ugain and click for full story.."));
        return;
    }
    // Item 1 is the title; item n is the (n - 1)-th headline.
    const qsizetype entry = qsizetype(item) - 2;
    if (entry < 0 || entry >= TickerLinks.size() || TickerLinks[entry].isEmpty()) {
        Panel1[6]->setText(QStringLiteral("Click on news subjects to review the full story."));
        return;
    }
    // The story opens without a connection check, as a browser link would.
    Misc::OpenAddress(Text::FromCp1252(TickerLinks[entry]));
}
