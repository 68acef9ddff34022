#pragma once
// The "Current" prices grid, read from the open set: one row per stock with
// its quote columns, the up/down or alert picture and the colours, in the
// table the sheet frame draws.
#include <QByteArray>
#include <QList>
#include <cstdint>

class MainView;
namespace SheetFrame {
class SheetTable;
}

namespace CurrentGrid {

// Header texts of columns 0 to 20; they are also the keys the user's saved
// column order finds the columns by.
const QList<QByteArray> &Headers();

// Light yellow stripes of the "Old Style Background" (0x00BBGGRR).
constexpr uint32_t Stripe = 0xC0FFFF;
constexpr uint32_t Falling = 0x0000FF; // red "% Change"
constexpr uint32_t Rising = 0xFF0000;  // blue "% Change"

// The grid of slots 0 to StockCount - 1, each row's symbol its row data. A
// record with next to nothing in it gives no row. Prices show in the user's
// fraction and volume forms; with stripes, every odd row is light yellow.
// Reads the records only.
void Read(SheetFrame::SheetTable &table, bool stripes);
// The grid drawn by the sheet frame into the main grid (or the Zoom window
// it draws into).
void Show(MainView &main, bool stripes);

} // namespace CurrentGrid
