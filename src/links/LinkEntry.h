#pragma once
// What the tree's link leaves start: the outside pages about the current
// stock, the streams and the message boards. The tree calls these, and the
// main window's OpenNewsLink member calls its namesake.
#include <QString>
#include <cstdint>

class MainView;

namespace LinkEntry {

void OpenChartLink(int16_t n);
// The headlines source opens the news dialog instead of a page, owned by the
// window and, when made for this call, centred on it.
void OpenNewsLink(MainView &main, int16_t n);
void OpenRatioGraph(int16_t n);
void OpenMessageBoard(int16_t n);
void OpenIndustryGroup(int16_t n);
void OpenVideoStream(int16_t n);
void OpenRadioStream(int16_t n);
void OpenSectorBoard(const QString &sectorFolder, const QString &industry);

} // namespace LinkEntry
