#include "sheets/SheetFrame.h"
#include "platform/Hourglass.h"

#include "collect/SheetCache.h"
#include "core/CellText.h"
#include "core/LinkColumns.h"
#include "core/MainView.h"
#include "core/Misc.h"
#include "core/Stock.h"
#include "core/ViewState.h"
#include "platform/Artwork.h"
#include "platform/FlexGrid.h"
#include "platform/Text.h"
#include "platform/Vb.h"
#include "platform/VbColor.h"
#include "sheets/SheetState.h"
#include "sheets/Utilities.h"

#include <QApplication>
#include <QFileInfo>
#include <QPointer>
#include <QWidget>

namespace SheetFrame {

namespace {

std::function<ZoomTarget()> &ZoomMaker()
{
    static std::function<ZoomTarget()> maker;
    return maker;
}

void ApplyLook(FlexGrid *grid, int row, int col, const CellLook &look)
{
    if (look.alignment >= 0)
        grid->SetCellAlignment(row, col, look.alignment);
    if (look.backColor != CellLook::NoColor)
        grid->SetCellBackColor(row, col, look.backColor);
    if (look.foreColor != CellLook::NoColor)
        grid->SetCellForeColor(row, col, look.foreColor);
    if (look.bold)
        grid->SetCellFontBold(row, col, true);
    if (look.underline)
        grid->SetCellFontUnderline(row, col, true);
    if (look.textStyle != 0)
        grid->SetCellTextStyle(row, col, look.textStyle);
    if (look.fontWidth != 0)
        grid->SetCellFontWidth(row, col, look.fontWidth);
    if (!look.picture.isEmpty())
        grid->SetCellPicture(row, col, Artwork::Picture(QString::fromLatin1(look.picture)));
    if (look.pictureAlignment >= 0)
        grid->SetCellPictureAlignment(row, col, look.pictureAlignment);
}

QStringList ScreenTexts(const QList<QByteArray> &texts)
{
    QStringList out;
    out.reserve(texts.size());
    for (const QByteArray &t : texts)
        out << Text::FromCp1252(t);
    return out;
}

} // namespace

// --- SheetTable ---

void SheetTable::SetUp(int rows, int cols)
{
    rows_ = rows;
    cols_ = cols;
    setUp_ = true;
    cells_.assign(size_t(rows) * size_t(cols), Cell{});
    heights_.assign(size_t(rows), -1);
    rowData_.assign(size_t(rows), QByteArray());
}

void SheetTable::AddRow()
{
    ++rows_;
    cells_.resize(size_t(rows_) * size_t(cols_));
    heights_.push_back(-1);
    rowData_.emplace_back();
}

void SheetTable::AddItem(const QByteArray &line)
{
    AddRow();
    const QList<QByteArray> texts = line.split('\t');
    for (int c = 0; c < cols_ && c < texts.size(); ++c)
        cells_[At(rows_ - 1, c)].text = texts[c];
}

size_t SheetTable::At(int row, int col) const
{
    if (row < 0 || row >= rows_ || col < 0 || col >= cols_)
        throw VbError(CellOutside, QStringLiteral("Subscript out of range"));
    return size_t(row) * size_t(cols_) + size_t(col);
}

void SheetTable::SetText(int row, int col, const QByteArray &text) { cells_[At(row, col)].text = text; }

bool SheetTable::PlaceCell(int row, int col, const QByteArray &text)
{
    if (col >= cols_ && row >= 0 && row < rows_)
        return false;
    SetText(row, col, text);
    return true;
}

CellLook &SheetTable::Look(int row, int col) { return cells_[At(row, col)].look; }

QByteArray SheetTable::Text(int row, int col) const
{
    return row >= 0 && row < rows_ && col >= 0 && col < cols_ ? cells_[At(row, col)].text : QByteArray();
}

CellLook SheetTable::LookOf(int row, int col) const
{
    return row >= 0 && row < rows_ && col >= 0 && col < cols_ ? cells_[At(row, col)].look : CellLook{};
}

void SheetTable::SetRowHeight(int row, int multiple)
{
    if (row < 0 || row >= rows_)
        throw VbError(CellOutside, QStringLiteral("Subscript out of range"));
    heights_[size_t(row)] = multiple;
}

void SheetTable::SetRowData(int row, const QByteArray &data)
{
    if (row < 0 || row >= rows_)
        throw VbError(CellOutside, QStringLiteral("Subscript out of range"));
    rowData_[size_t(row)] = data;
}

// --- drawing ---

void Draw(FlexGrid *grid, const SheetTable &t, int baseRowHeight)
{
    grid->SetRedraw(false);
    grid->Clear();
    grid->SetRows(t.Rows());
    grid->SetCols(t.Cols());
    grid->SetBackColor(t.backColor);
    grid->SetGridLines(t.gridLines);
    const CellLook plain;
    for (int r = 0; r < t.Rows(); ++r) {
        // Rows kept from the sheet before get the default height again.
        const int h = t.RowHeight(r);
        grid->SetRowHeight(r, h < 0 ? -1 : h * baseRowHeight);
        if (!t.RowData(r).isEmpty())
            grid->SetRowData(r, Text::FromCp1252(t.RowData(r)));
        for (int c = 0; c < t.Cols(); ++c) {
            const QByteArray text = t.Text(r, c);
            if (!text.isEmpty())
                grid->SetTextMatrix(r, c, Text::FromCp1252(text));
            const CellLook look = t.LookOf(r, c);
            if (look != plain)
                ApplyLook(grid, r, c, look);
        }
    }
    grid->SetSortRows(t.sortFirst, t.sortLast);
    if (t.topRow >= 0 && t.topRow < t.Rows())
        grid->SetTopRow(t.topRow);
    Utilities::SetColAlignment(grid, t.alignments);
    Utilities::SetColWidth(grid, t.widths);
    Utilities::SetHeaders(grid, ScreenTexts(t.headers));
    grid->SetRedraw(true);
}

void SetZoomMaker(std::function<ZoomTarget()> maker) { ZoomMaker() = std::move(maker); }

void Fill(MainView &main, const Sheet &sheet)
{
    const Hourglass hourglass;
    CurrentView = sheet.view;

    const bool handOver = sheet.zooming != Zooming::Ignored;
    ZoomTarget zoom;
    if (sheet.zooming == Zooming::Zooms && ZoomMode == -1 && ZoomMaker())
        zoom = ZoomMaker()();
    // Held weakly: a window closed meanwhile is never drawn into.
    const QPointer<QWidget> window = zoom.window;
    const QPointer<FlexGrid> grid = zoom.grid ? zoom.grid : main.FG;
    if (handOver)
        TargetGrid = grid;

    const QByteArray name = Stock::CurrentStockName();
    SheetTable table;
    std::optional<int> failure;
    try {
        // The file is looked for first: a missing page is its own case, not
        // the missing marker its empty text would give.
        QByteArray page;
        if (sheet.source == Source::Page) {
            if (sheet.page.isEmpty() || !QFileInfo(sheet.page).isFile())
                throw VbError::FileNotFound();
            page = Misc::ReadFile(sheet.page);
        }
        sheet.read(page, name, table);
    } catch (const VbError &e) {
        failure = int(e.number);
    } catch (const std::exception &) {
        failure = 0;
    }

    try {
        if (!failure) {
            if (grid)
                Draw(grid, table, main.BaseRowHeight);
            if (window) {
                window->show();
                ZoomMode = 0;
                Misc::DoEvents();
            }
        } else {
            std::optional<QByteArray> message = sheet.message ? sheet.message(*failure, name) : std::nullopt;
            if (!message && !table.IsSetUp()) {
                if (sheet.message)
                    message = sheet.message(PageMissing, name);
                if (!message)
                    message = NoDataMessage(name);
            }
            if (message)
                ShowGridMessage(main, Text::FromCp1252(*message));
            else if (grid)
                Draw(grid, table, main.BaseRowHeight); // the part read before the failure
            if (window)
                delete window.data();
        }
    } catch (const VbError &) {
        // the exit path below still runs
    }

    if (handOver)
        ZoomMode = 0;
    if (main.FG)
        main.FG->SetRedraw(true);
}

// --- pages and messages ---

QString StockPage(const char *suffix)
{
    if (!SheetCache::UsableSymbol(CurrentSymbol))
        return {};
    return SheetCache::DataSheet(QString::fromLatin1(CurrentSymbol) + QLatin1String(suffix));
}

QByteArray NoDataMessage(const QByteArray &name)
{
    return "Tickerwatch do not have additional information for " + name;
}

Messages UsualMessages(std::optional<QByteArray> other)
{
    return [other](int number, const QByteArray &name) -> std::optional<QByteArray> {
        if (number == PageMissing || number == MarkerMissing)
            return NoDataMessage(name);
        return other;
    };
}

// --- reading helpers ---

qsizetype Need(qsizetype pos)
{
    if (pos < 0)
        throw VbError::InvalidCall();
    return pos;
}

QByteArray CutTable(const QByteArray &page, qsizetype from)
{
    const qsizetype s = Need(page.indexOf("<table", from));
    const qsizetype e = Need(page.indexOf("</table>", s));
    return page.mid(s, e - s);
}

QByteArray CutBetween(const QByteArray &page, const char *anchor, const char *end)
{
    const qsizetype a = Need(page.indexOf(anchor));
    const qsizetype e = Need(page.indexOf(end, a));
    return page.mid(a, e - a);
}

QByteArray RowLine(QByteArrayView row, bool skipEmpty)
{
    QByteArray line;
    ForEachCell(row, [&](QByteArray cell) {
        const QByteArray text = CellText::Of(cell);
        if (!skipEmpty || !text.isEmpty())
            line += text + '\t';
    });
    return line;
}

namespace {

// A letter or digit of a word; bytes of the upper half are the code page's
// accented letters.
bool WordByte(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || u >= 0x80;
}

// Every occurrence of word with no letter or digit right before or after it.
void DropWord(QByteArray &page, QByteArrayView word)
{
    QByteArray out;
    qsizetype from = 0;
    for (qsizetype at = page.indexOf(word); at >= 0; at = page.indexOf(word, qMax(at + 1, from))) {
        const qsizetype after = at + word.size();
        if ((at > 0 && WordByte(page[at - 1])) || (after < page.size() && WordByte(page[after])))
            continue;
        out.append(page.constData() + from, at - from);
        from = after;
    }
    if (from == 0)
        return;
    out.append(page.constData() + from, page.size() - from);
    page = out;
}

} // namespace

void DropLinkWords(QByteArray &page)
{
    // The words first, while a blank entity or a comma still parts them
    // from their neighbours.
    for (const char *word : {"News", "BrokerReports", "Chart", "Compare"})
        DropWord(page, word);
    page.replace("&nbsp;", "");
    page.replace(",", "");
}

void LinkLook(CellLook &look)
{
    look.foreColor = LinkBlue;
    look.underline = true;
}

void LinkLook(SheetTable &t, int row, int col, const LinkColumns::View &view)
{
    if (!view.Drawn().Holds(col))
        return;
    CellLook &look = t.Look(row, col);
    if (view.look == LinkColumns::Look::BlueText)
        look.foreColor = LinkBlue;
    else
        LinkLook(look);
}

void LinkLooks(SheetTable &t, int row, const LinkColumns::View &view, bool hasAddress)
{
    if (!hasAddress && view.rows == LinkColumns::Rows::WithAddress)
        return;
    for (int c = 0; c < t.Cols(); ++c)
        LinkLook(t, row, c, view);
}

void ChangePictures(SheetTable &t, int first, int changeCol)
{
    for (int r = first; r < t.Rows(); ++r) {
        const QByteArray change = t.Text(r, changeCol);
        const char *picture = change.startsWith('-') ? "DN" : change.startsWith('+') ? "UP" : nullptr;
        if (!picture)
            continue;
        CellLook &look = t.Look(r, 0);
        look.picture = picture;
        look.pictureAlignment = 4;
    }
}

void ChangeColors(SheetTable &t, int first, int col)
{
    for (int r = first; r < t.Rows(); ++r) {
        const QByteArray change = t.Text(r, col);
        if (change.startsWith('-'))
            t.Look(r, col).foreColor = Red;
        else if (change.startsWith('+'))
            t.Look(r, col).foreColor = LinkBlue;
    }
}

QByteArray LinkAddress(QByteArrayView text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    const qsizetype n = text.size();
    for (qsizetype open = text.indexOf('<'); open >= 0 && open + 2 < n; open = text.indexOf('<', open + 1)) {
        if ((text[open + 1] != 'a' && text[open + 1] != 'A') || !blank(text[open + 2]))
            continue;
        // The anchor's attributes, one by one, up to the end of its tag.
        qsizetype i = open + 2;
        while (i < n) {
            while (i < n && blank(text[i]))
                ++i;
            if (i >= n || text[i] == '>')
                break;
            const qsizetype name = i;
            while (i < n && !blank(text[i]) && text[i] != '=' && text[i] != '>')
                ++i;
            const QByteArrayView attribute = text.sliced(name, i - name);
            while (i < n && blank(text[i]))
                ++i;
            if (i >= n || text[i] != '=')
                continue; // an attribute without a value
            ++i;
            while (i < n && blank(text[i]))
                ++i;
            qsizetype start = i, end;
            if (i < n && (text[i] == '"' || text[i] == '\'')) {
                start = i + 1;
                end = text.indexOf(text[i], start);
                if (end < 0)
                    return {};
                i = end + 1;
            } else {
                while (i < n && !blank(text[i]) && text[i] != '>')
                    ++i;
                end = i;
            }
            if (attribute.compare("href", Qt::CaseInsensitive) == 0)
                return CellText::Trim(text.sliced(start, end - start).toByteArray());
        }
        return {}; // the first anchor has no address
    }
    return {};
}

// The failure message of a sheet: always in the main grid, also while a
// sheet was being drawn into a Zoom window. Each step stands alone.
void ShowGridMessage(MainView &main, const QString &message)
{
    FlexGrid *const fg = main.FG;
    if (!fg)
        return;
    using Utilities::Skip;
    Skip([&] { fg->SetRedraw(false); });
    Skip([&] { fg->Clear(); });
    Skip([&] { fg->SetRows(1); });
    Skip([&] { fg->SetTextMatrix(0, 0, message); });
    Skip([&] { fg->SetRowHeight(0, 3 * main.BaseRowHeight); });
    Skip([&] { fg->SetColWidthPercent(0, 100); }); // the whole grid, as wide as it grows
    Skip([&] { fg->SetCellAlignment(0, 0, FlexGrid::flexAlignCenterCenter); });
    Skip([&] { fg->SetBackColor(VbColor::Window); });
    Skip([&] { fg->SetGridLines(FlexGrid::flexGridNone); });
    Skip([&] { fg->SetRedraw(true); });
}

} // namespace SheetFrame
