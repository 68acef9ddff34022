#pragma once
// The readers of the per-stock sheets: page bytes in, a SheetTable out, no
// grid touched. The fillers hand them to SheetFrame::Fill; tests and fuzz
// targets call them directly.
#include "sheets/SheetFrame.h"

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

} // namespace SheetReaders
