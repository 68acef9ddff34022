// The main window's entry points into the per-stock sheets (sheets/): the
// fillers, the Update run's research jobs and the column layout, each
// handed to the routine of the same name.
#include "shell/frmMain.h"

#include "sheets/LayOut.h"
#include "sheets/ResearchJobs.h"
#include "sheets/SheetReaders.h"

void frmMain::FG_Profile() { SheetReaders::FG_Profile(*this); }
void frmMain::FG_SI() { SheetReaders::FG_SI(*this); }
void frmMain::FG_AIS() { SheetReaders::FG_AIS(*this); }
void frmMain::FG_ABS() { SheetReaders::FG_ABS(*this); }
void frmMain::FG_EG() { SheetReaders::FG_EG(*this); }
void frmMain::FG_EH() { SheetReaders::FG_EH(*this); }
void frmMain::FG_ER() { SheetReaders::FG_ER(*this); }
void frmMain::FG_EC() { SheetReaders::FG_EC(*this); }
void frmMain::FG_IT() { SheetReaders::FG_IT(*this); }
void frmMain::FG_QR() { SheetReaders::FG_QR(*this); }
void frmMain::FG_Call() { SheetReaders::FG_Call(*this); }
void frmMain::FG_Put() { SheetReaders::FG_Put(*this); }
void frmMain::FG_Options() { SheetReaders::FG_Options(*this); }
void frmMain::FG_Split() { SheetReaders::FG_Split(*this); }
void frmMain::FG_UPH() { SheetReaders::FG_UPH(*this); }
void frmMain::FG_DNH() { SheetReaders::FG_DNH(*this); }
void frmMain::FG_BRP() { SheetReaders::FG_BRP(*this); }
void frmMain::FG_NMR() { SheetReaders::FG_NMR(*this); }

void frmMain::UpdateSplit() { ResearchJobs::UpdateSplit(*this); }
void frmMain::UpdateUPH() { ResearchJobs::UpdateUPH(*this); }
void frmMain::UpdateDNH() { ResearchJobs::UpdateDNH(*this); }
void frmMain::UpdateNMR() { ResearchJobs::UpdateNMR(*this); }
void frmMain::UpdateBRP() { ResearchJobs::UpdateBRP(*this); }
void frmMain::UpdateSI() { ResearchJobs::UpdateSI(*this); }
void frmMain::UpdateProfile() { ResearchJobs::UpdateProfile(*this); }

void frmMain::LoadLayOut() { LayOutLoaded = LayOutFile::Load(); }
void frmMain::SaveLayOut() { LayOutFile::Save(LayOutLoaded); }
void frmMain::FixLayOut(FlexGrid *grid) { LayOutFile::Fix(grid ? grid : FG); }
