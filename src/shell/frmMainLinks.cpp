// The tree's link leaves as the main window's members (links/LinkEntry.h).
#include "shell/frmMain.h"

#include "links/LinkEntry.h"
#include "platform/Geometry.h"
#include "queries/Reuters.h"

void frmMain::OpenChartLink(int16_t n) { LinkEntry::OpenChartLink(n); }

void frmMain::OpenNewsLink(int16_t n)
{
    LinkEntry::OpenNewsLink(n, [this](Reuters *form, bool fresh) {
        if (fresh) {
            // Centred on this window; its Left is not added (the place is on the screen).
            Geometry::SetLeft(form, Geometry::Width(this) / 2 - Geometry::Width(form) / 2);
            Geometry::SetTop(form, Geometry::Top(this) + (Geometry::Height(this) - Geometry::Height(form)) / 2);
        }
        Own(form);
        form->show();
        form->raise();
        form->activateWindow();
    });
}

void frmMain::OpenRatioGraph(int16_t n) { LinkEntry::OpenRatioGraph(n); }
void frmMain::OpenMessageBoard(int16_t n) { LinkEntry::OpenMessageBoard(n); }
void frmMain::OpenIndustryGroup(int16_t n) { LinkEntry::OpenIndustryGroup(n); }
void frmMain::OpenVideoStream(int16_t n) { LinkEntry::OpenVideoStream(n); }
void frmMain::OpenRadioStream(int16_t n) { LinkEntry::OpenRadioStream(n); }

void frmMain::OpenSectorBoard(const QString &sectorFolder, const QString &industry)
{
    LinkEntry::OpenSectorBoard(sectorFolder, industry);
}
