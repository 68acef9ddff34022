// The tree's link leaves as the main window's members (links/LinkEntry.h).
#include "shell/frmMain.h"

#include "links/LinkEntry.h"

void frmMain::OpenChartLink(int16_t n) { LinkEntry::OpenChartLink(n); }

void frmMain::OpenNewsLink(int16_t n) { LinkEntry::OpenNewsLink(*this, n); }

void frmMain::OpenRatioGraph(int16_t n) { LinkEntry::OpenRatioGraph(n); }
void frmMain::OpenMessageBoard(int16_t n) { LinkEntry::OpenMessageBoard(n); }
void frmMain::OpenIndustryGroup(int16_t n) { LinkEntry::OpenIndustryGroup(n); }
void frmMain::OpenVideoStream(int16_t n) { LinkEntry::OpenVideoStream(n); }
void frmMain::OpenRadioStream(int16_t n) { LinkEntry::OpenRadioStream(n); }

void frmMain::OpenSectorBoard(const QString &sectorFolder, const QString &industry)
{
    LinkEntry::OpenSectorBoard(sectorFolder, industry);
}
