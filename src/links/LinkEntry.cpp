#include "shell/frmMain.h"

#include "core/Misc.h"
#include "links/Boards.h"
#include "links/Streams.h"
#include "navtree/NavState.h"
#include "platform/Vb.h"

// Launchers the tree's leaves reach: built with the link launchers.
void frmMain::OpenChartLink(int16_t) {}
void frmMain::OpenNewsLink(int16_t) {}
void frmMain::OpenRatioGraph(int16_t) {}
void frmMain::OpenIndustryGroup(int16_t) {}

void frmMain::OpenVideoStream(int16_t n)
{
    Vb::Skip([n] {
        if (const QString address = Streams::Video(n); !address.isEmpty())
            Misc::OpenFixedLink(address);
    });
}

void frmMain::OpenRadioStream(int16_t n)
{
    Vb::Skip([n] {
        // The day is read on every call, whichever entry it is for.
        const QString day = Streams::RadioDay();
        if (const QString address = Streams::Radio(n, day); !address.isEmpty())
            Misc::OpenFixedLink(address);
    });
}

void frmMain::OpenSectorBoard(const QString &sectorFolder, const QString &industry)
{
    Vb::Skip([&] { Misc::OpenLink(Boards::Sector(sectorFolder, industry)); });
}

void frmMain::OpenMessageBoard(int16_t n)
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
