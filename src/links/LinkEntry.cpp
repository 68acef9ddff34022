#include "shell/frmMain.h"

// Launchers the tree's leaves reach: built with the link launchers.
void frmMain::OpenChartLink(int16_t) {}
void frmMain::OpenNewsLink(int16_t) {}
void frmMain::OpenRatioGraph(int16_t) {}
void frmMain::OpenMessageBoard(int16_t) {}
void frmMain::OpenIndustryGroup(int16_t) {}
void frmMain::OpenVideoStream(int16_t) {}
void frmMain::OpenRadioStream(int16_t) {}
void frmMain::OpenSectorBoard(const QString &, const QString &) {}
