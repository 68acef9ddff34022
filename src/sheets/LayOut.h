#pragma once
// The user's column order of the main grid: the header texts as they stood
// after the last column drop, kept from one run to the next in LayOut.dat
// under the data folder. The file is the 21 entries back to back, each a
// caption (16-bit length and its 8-bit characters), Reserved (Int16), Pos and
// Pos2 (Int32), little-endian, nothing before or after.
#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

struct LayOutEntry {
    QByteArray Caption;   // header text, Windows-1252
    int16_t Reserved = 0; // nothing uses it; kept as read
    int32_t Pos = 0;      // where the column with this header goes
    int32_t Pos2 = 0;     // a second copy of Pos, kept in the file only
};

using LayOutTable = std::array<LayOutEntry, 21>;

class FlexGrid;

// Entry 0 stays empty: the grid's first column never moves. Filled at
// start-up (frmMain::LoadLayOut), saved by frmMain::SaveLayOut, applied to
// the quote list by frmMain::FixLayOut; each hands the work to LayOutFile.
extern LayOutTable LayOut;

namespace LayOutFile {
QString Path(); // AppFolder + "/LayOut.dat"
// Reads the file into LayOut; true when it was read.
bool Load();
// Writes LayOut to the file; loaded: Load read it at start-up.
void Save(bool loaded);
// Moves the grid's columns to the positions kept in LayOut, each found by
// its header text.
void Fix(FlexGrid *grid);
} // namespace LayOutFile
