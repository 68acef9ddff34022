// The Ticker menu's "Put on air" commands: prices and headlines read aloud
// by the speech window's control.
#include "shell/frmMain.h"

#include "core/Misc.h"
#include "core/Stock.h"
#include "core/ViewState.h"
#include "platform/Geometry.h"
#include "platform/Speech.h"
#include "platform/Text.h"
#include "platform/Vb.h"
#include "shell/frmSpeech.h"

#include <QLabel>
#include <QPointer>

namespace {

const QByteArray CrLf = QByteArrayLiteral("\r\n");

QByteArray PriceSentence(const StockRecord &s)
{
    return CrLf + s.Name + ", Last Price: " + s.LastSale + ", change: " + s.DChange + ", " + s.PChange + '.';
}

} // namespace

QByteArray frmMain::SpokenHeadlines(const QByteArray &symbol)
{
    QByteArray h = StripTickerLinks(ReadNewsHeadlines(symbol));
    return h.replace(';', "." + CrLf);
}

void frmMain::Speak(int Action)
{
    const QPointer<frmMain> alive(this);
    QByteArray text;
    switch (Action) {
    case 0:
        text = SpokenHeadlines(CurrentSymbol);
        break;
    case 1: {
        // A symbol outside the open set has no price to read: slot 0 belongs
        // to another stock.
        const int slot = Stock::FindStock(CurrentSymbol);
        if (slot == Stock::NotFound)
            return;
        text = PriceSentence(Stocks[size_t(slot)]);
        Misc::DoEvents();
        break;
    }
    case 2:
        for (int i = 0; i < StockCount && i < Stock::StockSlots; ++i) {
            const StockRecord &s = Stocks[size_t(i)];
            text += s.Name + " news: " + SpokenHeadlines(s.Symbol) + CrLf;
            Misc::DoEvents();
            if (!alive)
                return;
        }
        break;
    case 3:
        for (int i = 0; i < StockCount && i < Stock::StockSlots; ++i)
            text += PriceSentence(Stocks[size_t(i)]);
        Misc::DoEvents();
        break;
    default:
        break;
    }
    if (!alive)
        return;

    // A failing step ends the command where it is; the menu goes on.
    try {
        QPointer<frmSpeech> speech = frmSpeech::Load();
        speech->lblWait->show();
        PlaceBelowTicker(speech, Geometry::Width(this));
        Own(speech);
        speech->show();
        Misc::DoEvents();
        // Its Close may have unloaded it meanwhile.
        if (!speech || frmSpeech::Loaded() != speech)
            return;
        speech->TextToSpeech1->Speak(Text::FromCp1252(text));
        Misc::DoEvents();
        if (speech)
            speech->lblWait->hide();
    } catch (const VbError &) {
    }
}
