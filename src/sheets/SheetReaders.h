#pragma once
// The readers of the per-stock sheets: page bytes in, a SheetTable out, no
// grid touched. The fillers at the end hand them to SheetFrame::Fill; tests
// and fuzz targets call the readers directly.
#include "sheets/SheetFrame.h"

class MainView;

namespace SheetReaders {

using SheetFrame::SheetTable;

void ReadAIS(QByteArray &page, const QByteArray &name, SheetTable &t);
void ReadABS(QByteArray &page, const QByteArray &name, SheetTable &t);
void ReadIT(QByteArray &page, const QByteArray &name, SheetTable &t);
void ReadQR(QByteArray &page, const QByteArray &name, SheetTable &t);
void ReadEG(QByteArray &page, const QByteArray &name, SheetTable &t);
void ReadEH(QByteArray &page, const QByteArray &name, SheetTable &t);
void ReadER(QByteArray &page, const QByteArray &name, SheetTable &t);
void ReadEC(QByteArray &page, const QByteArray &name, SheetTable &t);
void ReadCall(QByteArray &page, const QByteArray &name, SheetTable &t);
void ReadPut(QByteArray &page, const QByteArray &name, SheetTable &t);
void ReadOptions(QByteArray &page, const QByteArray &name, SheetTable &t);

// The company profile's text as the profile sheet, the tree's tool tip and
// the summary report take it: from the first "hr", wherever it stands (in a
// word, an "href", an opening rule), up to, not including, the next "<hr";
// empty when either is missing.
QByteArray ProfileCut(const QByteArray &page);

// --- the fillers of the per-stock sheets; the main window's members of the
// same names call them ---
void FG_Profile(MainView &main);
void FG_SI(MainView &main);
void FG_AIS(MainView &main);
void FG_ABS(MainView &main);
void FG_EG(MainView &main);
void FG_EH(MainView &main);
void FG_ER(MainView &main);
void FG_EC(MainView &main);
void FG_IT(MainView &main);
void FG_QR(MainView &main);
void FG_Call(MainView &main);
void FG_Put(MainView &main);
void FG_Options(MainView &main);
void FG_Split(MainView &main);
void FG_UPH(MainView &main);
void FG_DNH(MainView &main);
void FG_BRP(MainView &main);
void FG_NMR(MainView &main);

} // namespace SheetReaders
