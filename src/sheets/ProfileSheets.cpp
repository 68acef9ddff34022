// The company profile ("Profile", "_P.Sh") as one block of text under a
// heading, and the short-interest history ("SI", "_SI.Sh"), one row per
// settlement date, of the stock on show.
#include "sheets/SheetFrame.h"

#include "core/CellText.h"
#include "core/MainView.h"
#include "core/Misc.h"
#include "core/ViewState.h"
#include "platform/FlexGrid.h"
#include "platform/Vb.h"
#include "sheets/SheetReaders.h"

using namespace SheetFrame;

namespace SheetReaders {

QByteArray ProfileCut(const QByteArray &page)
{
    try {
        return CutBetween(page, "hr", "<hr");
    } catch (const VbError &) {
        return {}; // a rule is missing
    }
}

} // namespace SheetReaders

namespace {

void ReadProfile(QByteArray &page, const QByteArray &name, SheetTable &t)
{
    // The rest of an opening rule goes with the tags. A cut is never empty
    // when both rules were found.
    QByteArray cut = SheetReaders::ProfileCut(page);
    Need(cut.isEmpty() ? -1 : 0);
    for (const char c : {'\b', '\t', '\n', '\r'})
        cut.replace(c, QByteArray());
    // Each sentence ends a line.
    cut.replace(". ", "\r\n");

    t.SetUp(2, 3);
    t.gridLines = FlexGrid::flexGridNone;
    t.backColor = White;
    const QByteArray text = CellText::Of(cut);
    if (!text.isEmpty())
        t.SetText(1, 1, text);
    t.SetRowHeight(0, 1);
    t.SetRowHeight(1, 7);
    t.alignments = {0};
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c)
            t.Look(r, c).backColor = White;
    CellLook &head = t.Look(0, 1);
    head.bold = true;
    head.textStyle = FlexGrid::flexTextRaisedLight;
    head.alignment = FlexGrid::flexAlignCenterCenter;
    head.fontWidth = 4;
    CellLook &body = t.Look(1, 1);
    body.foreColor = 0x404040;
    body.alignment = FlexGrid::flexAlignLeftCenter;
    t.widths = {1, 97, 1};
    t.headers = {"", name + " (" + CurrentSymbol + ") Profile"};
}

void ReadSI(QByteArray &page, const QByteArray &, SheetTable &t)
{
    page.replace(' ', QByteArray());
    page.replace("\r\n", QByteArray());
    Misc::FixTags(page, true, true, true, true);
    const QByteArray cut = CutBetween(page, "Cover", "</table>");

    t.SetUp(2, 4);
    t.backColor = White;
    t.gridLines = 1;
    ForEachRow(cut, [&t](QByteArrayView row) { t.AddItem(RowLine(row)); });
    t.SetRowHeight(0, 1);
    t.SetRowHeight(1, 2);
    for (int c = 0; c < 4; ++c)
        t.Look(0, c).alignment = FlexGrid::flexAlignCenterTop;
    t.SetText(1, 0, CurrentSymbol + "\r\nShort Interest");
    CellLook &title = t.Look(1, 0);
    title.bold = true;
    title.textStyle = FlexGrid::flexTextRaisedLight;
    t.widths = {20, 25, 25, 25};
    t.alignments = {4, 7, 7, 7};
    t.headers = {"Settlement Date ", "Short Interest", "Avg Daily Share Volume", "Days to Cover"};
}

// The no-data message for a missing page, an empty one for the rest.
Messages ProfileMessages()
{
    return [](int number, const QByteArray &name) -> std::optional<QByteArray> {
        if (number == PageMissing)
            return NoDataMessage(name);
        return QByteArray();
    };
}

} // namespace

namespace SheetReaders {

void FG_Profile(MainView &main)
{
    Fill(main, {QStringLiteral("Profile"), StockPage("_P.Sh"), ReadProfile, ProfileMessages()});
}

void FG_SI(MainView &main) { Fill(main, {QStringLiteral("SI"), StockPage("_SI.Sh"), ReadSI, UsualMessages("")}); }

} // namespace SheetReaders
