#pragma once
// What the tree's link leaves start: the outside pages about the current
// stock, the streams and the message boards. The main window's Open*
// members call these.
#include <QString>
#include <cstdint>
#include <functional>

class Reuters;

namespace LinkEntry {

void OpenChartLink(int16_t n);
// The headlines source opens the news dialog instead of a page; present
// places and shows it (fresh: the dialog was made for this call).
void OpenNewsLink(int16_t n, const std::function<void(Reuters *form, bool fresh)> &present);
void OpenRatioGraph(int16_t n);
void OpenMessageBoard(int16_t n);
void OpenIndustryGroup(int16_t n);
void OpenVideoStream(int16_t n);
void OpenRadioStream(int16_t n);
void OpenSectorBoard(const QString &sectorFolder, const QString &industry);

} // namespace LinkEntry
