#include "links/LinkEntry.h"

#include "core/MainView.h"
#include "core/Misc.h"
#include "core/ViewState.h"
#include "links/Boards.h"
#include "links/StockPages.h"
#include "links/Streams.h"
#include "platform/Dialogs.h"
#include "platform/Geometry.h"
#include "platform/Hourglass.h"
#include "platform/Text.h"
#include "platform/Vb.h"
#include "queries/Reuters.h"

#include <QLineEdit>

namespace LinkEntry {

namespace {
const QString NoSymbolTitle = QStringLiteral("No stock symbol selected");
}

// The stock page launchers act on the current stock, whichever stock's leaf
// was clicked.
void OpenChartLink(int16_t n)
{
    if (CurrentSymbol.isEmpty()) {
        Dialogs::MsgBox(QStringLiteral("Select any stock graph."), Dialogs::vbInformation, NoSymbolTitle);
        return;
    }
    Vb::Skip([n] {
        if (const QString address = StockPages::Chart(n, CurrentSymbol); !address.isEmpty())
            Misc::OpenLink(address);
    });
    Misc::DoEvents();
}

void OpenNewsLink(MainView &main, int16_t n)
{
    if (CurrentSymbol.isEmpty()) {
        Dialogs::MsgBox(QStringLiteral("Select any stock."), Dialogs::vbInformation, NoSymbolTitle);
        return;
    }
    const Hourglass hourglass;
    try {
        if (n == StockPages::HeadlinesSource) {
            // The dialog checks the connection itself when it opens its page.
            const bool fresh = !Reuters::Loaded();
            if (Reuters *form = Reuters::Load()) {
                form->txtSymbol[0]->setText(Text::FromCp1252(CurrentSymbol.toUpper()));
                if (fresh) {
                    // Centred on the window; its Left is not added (the place is on the screen).
                    QWidget *window = main.Widget();
                    Geometry::SetLeft(form, Geometry::Width(window) / 2 - Geometry::Width(form) / 2);
                    Geometry::SetTop(form, Geometry::Top(window) + (Geometry::Height(window) - Geometry::Height(form)) / 2);
                }
                main.Own(form);
                form->show();
                form->raise();
                form->activateWindow();
            }
        } else if (const QString address = StockPages::News(n, CurrentSymbol); !address.isEmpty()) {
            Misc::OpenLink(address);
        }
        Misc::DoEvents();
    } catch (const VbError &) {
    }
}

void OpenRatioGraph(int16_t n)
{
    try {
        // Asked before the symbol is looked at.
        if (!Misc::CheckOnline())
            return;
        const Hourglass hourglass;
        if (CurrentSymbol.size() < 2) {
            Dialogs::MsgBox(QStringLiteral("Select Some Stock Symbol."), Dialogs::vbInformation, NoSymbolTitle);
            return;
        }
        Misc::OpenLink(StockPages::Ratio(n, CurrentSymbol));
        Misc::DoEvents();
    } catch (const VbError &) {
    }
}

void OpenIndustryGroup(int16_t n)
{
    // No symbol is no reason to stop: the page opens without one.
    Vb::Skip([n] {
        if (const QString address = StockPages::IndustryGroup(n, CurrentSymbol); !address.isEmpty())
            Misc::OpenLink(address);
    });
}

void OpenVideoStream(int16_t n)
{
    Vb::Skip([n] {
        if (const QString address = Streams::Video(n); !address.isEmpty())
            Misc::OpenFixedLink(address);
    });
}

void OpenRadioStream(int16_t n)
{
    Vb::Skip([n] {
        // The day is read on every call, whichever entry it is for.
        const QString day = Streams::RadioDay();
        if (const QString address = Streams::Radio(n, day); !address.isEmpty())
            Misc::OpenFixedLink(address);
    });
}

void OpenSectorBoard(const QString &sectorFolder, const QString &industry)
{
    Vb::Skip([&] { Misc::OpenLink(Boards::Sector(sectorFolder, industry)); });
}

void OpenMessageBoard(int16_t n)
{
    Vb::Skip([n] {
        // The launcher's own check comes first, so a refused connection asks
        // once and the check inside OpenLink then passes.
        if (!Misc::CheckOnline() || CurrentSymbol.isEmpty())
            return;
        if (const QString address = Boards::Stock(n, CurrentSymbol); !address.isEmpty())
            Misc::OpenLink(address);
    });
}

} // namespace LinkEntry
