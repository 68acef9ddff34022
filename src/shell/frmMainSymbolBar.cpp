#include "shell/frmMain.h"

#include "collect/PriceText.h"
#include "core/Misc.h"
#include "core/Stock.h"
#include "core/ViewState.h"
#include "platform/Artwork.h"
#include "platform/FlexGrid.h"
#include "platform/Geometry.h"
#include "platform/Text.h"
#include "platform/TreeView.h"
#include "platform/Twips.h"
#include "platform/Vb.h"
#include "platform/VbColor.h"
#include "portfolio/Properties.h"
#include "shell/Skins.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <exception>

// Symbol bar: seven rows of the open set, each a symbol beside a bar whose
// marker shows the analysts' average recommendation.

namespace {

constexpr int Rows = 7;

QByteArray Caption(const QLabel *label) { return Text::ToCp1252(label->text()); }
void SetCaption(QLabel *label, const QByteArray &text) { label->setText(Text::FromCp1252(text)); }

// The symbol of a slot; the strip looks up to seven slots past the one it
// found, and anything past the table's end reads as empty.
QByteArray SlotSymbol(int slot)
{
    if (slot < 0 || slot >= Stock::StockSlots)
        return {};
    return Stocks[size_t(slot)].Symbol;
}

void Style(QLabel *label, bool selected)
{
    QFont f = label->font();
    f.setBold(selected);
    label->setFont(f);
    VbColor::SetForeColor(label, selected ? QColor(0, 0, 255) : QColor(0, 0, 0));
}


// The quote screens' price and volume forms, as the grids show them.
QString ScreenPrice(const QByteArray &text) { return Text::FromCp1252(PriceText::Price(text)); }
QString ScreenVolume(const QByteArray &text) { return Text::FromCp1252(PriceText::Volume(text)); }

} // namespace

void frmMain::WireSymbolBar()
{
    for (int i = 0; i < Rows; ++i) {
        img[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        OnMouse(img[i], {[this, i](int b, int s, float x, float y) { img_MouseDown(i, b, s, x, y); },
                         {},
                         [this, i](int b, int s, float x, float y) { img_MouseUp(i, b, s, x, y); },
                         [this, i] { img_Click(i); },
                         [this, i] { img_DblClick(i); }});
        OnMouse(lblSbl[i], {[this, i](int b, int s, float x, float y) { lblSbl_MouseDown(i, b, s, x, y); },
                            [this, i](int b, int s, float x, float y) { lblSbl_MouseMove(i, b, s, x, y); },
                            [this, i](int b, int s, float x, float y) { lblSbl_MouseUp(i, b, s, x, y); },
                            [this, i] { lblSbl_Click(i); },
                            {}});
    }
    OnMouse(ImgUp, {[this](int b, int s, float x, float y) { ImgUp_MouseDown(b, s, x, y); },
                    [this](int b, int s, float x, float y) { ImgUp_MouseMove(b, s, x, y); },
                    [this](int b, int s, float x, float y) { ImgUp_MouseUp(b, s, x, y); },
                    {},
                    {}});
    OnMouse(ImgDn, {[this](int b, int s, float x, float y) { ImgDn_MouseDown(b, s, x, y); },
                    [this](int b, int s, float x, float y) { ImgDn_MouseMove(b, s, x, y); },
                    [this](int b, int s, float x, float y) { ImgDn_MouseUp(b, s, x, y); },
                    {},
                    {}});
    OnMouse(PicCont, {{},
                      [this](int b, int s, float x, float y) { PicCont_MouseMove(b, s, x, y); },
                      {},
                      {},
                      {}});
    connect(TmrNav, &QTimer::timeout, this, &frmMain::TmrNav_Timer);
}

void frmMain::LoadPrices()
{
    try {
        int n = 0;
        for (int i = 0; i < Rows; ++i) {
            if (!Stock::IsFreeSlot(Stocks[size_t(i)].Symbol))
                SetCaption(lblSbl[n++], Stocks[size_t(i)].Symbol);
        }
    } catch (const VbError &e) {
        Misc::ErrorTraping(e, QStringLiteral("frmMain_LoadPrices"), false);
    }
}

int frmMain::MarkerX(double rating, int width)
{
    const double w = width;
    return Twips::ScreenInt(((5 - rating) * (w - w * 6.5 / 100) + rating * (w * 2.5 / 100)) / 4);
}

void frmMain::DrawRecRow(int i, int width)
{
    QLabel *bar = img[i];
    const double r = Stock::GetRecommendation(Caption(lblSbl[i]));
    if (r <= 0) {
        bar->hide();
        return;
    }
    bar->show();
    // A picture set from outside (a new skin, or none) replaces the one we
    // drew over; our own drawing keeps the picture underneath.
    if (bar->pixmap().cacheKey() != barDrawing_[i])
        barPicture_[i] = bar->pixmap();
    if (barPicture_[i].isNull())
        barPicture_[i] = Artwork::Picture(SkinBarName);
    // The bar cleared: its picture alone, stretched to the bar as the
    // resizer sized it, so the marker reads against the right part of the
    // scale at any window size.
    const QPixmap &picture = barPicture_[i];
    QPixmap drawing;
    if (!picture.isNull()) {
        const int across = bar->width() > 0 ? bar->width() : picture.width();
        drawing = QPixmap(across, qMax(picture.height(), 1));
        drawing.fill(bar->palette().color(QPalette::Window));
        QPainter p(&drawing);
        p.drawPixmap(QRect(0, 0, across, picture.height()), picture);
    }
    const QPixmap marker = BitBltModule::Surface(SkinMarkerDC);
    if (!drawing.isNull() && !marker.isNull()) {
        QPainter p(&drawing);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawPixmap(QPoint(MarkerX(r, width), 0), marker, QRect(0, 0, 8, 10));
    }
    bar->setPixmap(drawing);
    barDrawing_[i] = drawing.cacheKey();
}

void frmMain::ShowRec()
{
    try {
        const int width = img[0]->width();
        for (int i = 0; i < Rows; ++i) {
            if (lblSbl[i]->text().isEmpty()) {
                img[i]->hide();
                return;
            }
            DrawRecRow(i, width);
        }
    } catch (const VbError &e) {
        Misc::ErrorTraping(e, QStringLiteral("frmMain_ShowRec"), false);
    }
}

void frmMain::ClearRecStrip()
{
    for (int i = 0; i < Rows; ++i) {
        lblSbl[i]->setText(QString());
        img[i]->hide();
    }
}

void frmMain::RefillRecStrip()
{
    // The strip starts at the first of its stocks still in the set, or at
    // the set's start when none is.
    int first = 0;
    for (QLabel *label : lblSbl) {
        if (const int16_t slot = Stock::FindStock(Caption(label)); slot != Stock::NotFound) {
            first = slot;
            break;
        }
    }
    ClearRecStrip();
    StyleRows();
    int n = 0;
    for (int k = first; k < Stock::StockSlots && n < Rows; ++k) {
        const QByteArray s = SlotSymbol(k);
        if (Stock::IsFreeSlot(s))
            continue;
        SetCaption(lblSbl[n], s);
        Style(lblSbl[n++], s == CurrentSymbol);
    }
    ShowRec();
}

void frmMain::StyleRows()
{
    for (QLabel *label : lblSbl)
        Style(label, false);
}

void frmMain::RefreshTicker()
{
    Vb::Skip([this] { mnuTicker_Click(mnuTicker[1]->isChecked() ? 1 : 0); });
}

void frmMain::SelectSymbol(QByteArray &symbol)
{
    CurrentSymbol = symbol;
    StyleRows();
    int found = -1;
    for (int j = 0; j <= StockCount; ++j) {
        if (SlotSymbol(j) == CurrentSymbol) {
            found = j;
            break;
        }
    }
    if (found >= 0) {
        for (int n = 0; n < Rows; ++n) {
            const QByteArray s = SlotSymbol(found + n);
            if (!Stock::IsFreeSlot(s)) {
                SetCaption(lblSbl[n], s);
                ShowRec();
            } else {
                img[n]->setPixmap(QPixmap());
                lblSbl[n]->setText(QString());
            }
        }
        RefreshTicker();
    }
    Style(lblSbl[0], true);
    Misc::DoEvents();
}

void frmMain::ScrollRecStrip(bool up)
{
    const QByteArray first = Caption(lblSbl[0]);
    auto put = [](QLabel *label, const QByteArray &s) {
        SetCaption(label, s);
        Style(label, s == CurrentSymbol);
    };
    for (int j = 0; j <= StockCount; ++j) {
        if (SlotSymbol(j) != first)
            continue;
        if (up) {
            int i = 0;
            for (int k = j - 1; k <= j + 5; ++k) {
                if (k < 0 || k >= StockCount || i == Rows)
                    return;
                put(lblSbl[i++], SlotSymbol(k));
            }
        } else {
            int i = 0;
            for (int k = j + 1; k <= j + 7; ++k) {
                if (k > StockCount || i >= Rows)
                    return;
                lblSbl[i]->setVisible(Geometry::Top(lblSbl[i]) <= Geometry::Top(ImgDn) - 60);
                put(lblSbl[i++], SlotSymbol(k));
            }
        }
    }
}

void frmMain::TmrNav_Timer()
{
    ScrollRecStrip(ScrollUp);
    Misc::DoEvents();
    ShowRec();
    Misc::DoEvents();
}

void frmMain::img_Click(int index)
{
    if (img[index]->pixmap().isNull())
        return;
    CurrentSymbol = Caption(lblSbl[index]);

    Vb::Skip([this] { CollapseStocks(); });
    // Selecting the node from here does not run the tree's own click
    // handling, so the rows keep their order.
    SelectTreeStock(Text::FromCp1252(CurrentSymbol));

    StyleRows();
    Style(lblSbl[index], true);
    RefreshTicker();

    if (CurrentView == QLatin1String("Current")) {
        Vb::Skip([this] { ShowCurrentRow(CurrentSymbol); });
        return;
    }
    using Filler = void (frmMain::*)();
    static const struct {
        const char *view;
        Filler fill;
    } fillers[] = {
        {"Profile", &frmMain::FG_Profile}, {"AIS", &frmMain::FG_AIS},     {"ABS", &frmMain::FG_ABS},
        {"ER", &frmMain::FG_ER},           {"EG", &frmMain::FG_EG},       {"EH", &frmMain::FG_EH},
        {"QR", &frmMain::FG_QR},           {"IT", &frmMain::FG_IT},       {"Call", &frmMain::FG_Call},
        {"Put", &frmMain::FG_Put},         {"BRP", &frmMain::FG_BRP},     {"DNH", &frmMain::FG_DNH},
        {"UPH", &frmMain::FG_UPH},         {"NMR", &frmMain::FG_NMR},     {"Split", &frmMain::FG_Split},
        {"SI", &frmMain::FG_SI},           {"Options", &frmMain::FG_Options},
    };
    for (const auto &f : fillers) {
        if (CurrentView == QLatin1String(f.view)) {
            Vb::Skip([this, &f] { (this->*f.fill)(); });
            return;
        }
    }
}

void frmMain::lblSbl_Click(int index) { img_Click(index); }

void frmMain::img_DblClick(int)
{
    // A symbol that has left the set has no stock to show.
    const int16_t s = Stock::FindStock(CurrentSymbol);
    if (s == Stock::NotFound)
        return;
    const StockRecord &st = Stocks[size_t(s)];

    auto *w = new Properties(this);
    const QString name = Text::FromCp1252(st.Name);
    w->setWindowTitle(name);
    w->lblName->setText(name);
    const QString data[18] = {
        ScreenPrice(st.LastSale),  ScreenPrice(st.DChange),  Text::FromCp1252(st.PChange),
        ScreenVolume(st.Volume),   ScreenPrice(st.TodayHigh), ScreenPrice(st.TodayLow),
        ScreenPrice(st.Bid),       ScreenPrice(st.Ask),      Text::FromCp1252(st.LTS),
        ScreenPrice(st.Opens),     ScreenPrice(st.PreClose), Text::FromCp1252(st.High52),
        Text::FromCp1252(st.Low52), Text::FromCp1252(st.EPS), Text::FromCp1252(st.pe),
        Text::FromCp1252(st.DPS), Text::FromCp1252(st.Exchange), Text::FromCp1252(st.industry),
    };
    for (int i = 0; i < 18; ++i)
        w->lblData[i]->setText(data[i]);
    w->lblTime->setText(Text::FromCp1252(st.LastUpdate));
    w->txtTarget[0]->setText(Vb::SingleToString(st.LowAlert));
    w->txtTarget[1]->setText(Vb::SingleToString(st.HighAlert));

    w->ensurePolished();
    Geometry::Move(w, Geometry::Width(this) / 2 - Geometry::Width(w) / 2, Geometry::Top(NewsTicker1) + 700,
                   Geometry::Width(w), Geometry::Height(w));
    Geometry::KeepOnScreen(w);
    w->show();
    Misc::DoEvents();
}

void frmMain::PressRow(int index)
{
    img[index]->setFrameShape(QFrame::Box);
    if (!lblSbl[index]->text().isEmpty()) {
        Geometry::SetTop(Shape1, Geometry::Top(lblSbl[index]) - 20);
        Shape1->show();
    }
}

void frmMain::ReleaseRow(int index)
{
    img[index]->setFrameShape(QFrame::NoFrame);
    Shape1->hide();
}

void frmMain::img_MouseDown(int index, int button, int, float x, float y)
{
    if (button != 2) {
        PressRow(index);
        return;
    }
    // As in the tree, the menu is about the stock under the pointer: the
    // row is selected first. A bar that selects no stock offers no menu, and
    // neither does one whose row another selection has taken meanwhile.
    const QByteArray symbol = Caption(lblSbl[index]);
    if (Stock::IsFreeSlot(symbol))
        return;
    const QPointer<frmMain> self(this);
    img_Click(index);
    if (!self || CurrentSymbol != symbol)
        return;
    PopStockMenu(img[index], x, y, false, true);
}

void frmMain::img_MouseUp(int index, int, int, float, float) { ReleaseRow(index); }
void frmMain::lblSbl_MouseDown(int index, int, int, float, float) { PressRow(index); }
void frmMain::lblSbl_MouseUp(int index, int, int, float, float) { ReleaseRow(index); }
void frmMain::lblSbl_MouseMove(int, int, int, float, float) { TmrNav->stop(); }

void frmMain::ImgUp_MouseMove(int, int, float, float)
{
    ScrollUp = true;
    // Starting a running timer again would hold its tick off while the
    // mouse keeps moving.
    if (!TmrNav->isActive())
        TmrNav->start();
}

void frmMain::ImgDn_MouseMove(int, int, float, float)
{
    ScrollUp = false;
    if (!TmrNav->isActive())
        TmrNav->start();
}

void frmMain::ImgUp_MouseDown(int, int, float, float) { TmrNav->stop(); }
void frmMain::ImgUp_MouseUp(int, int, float, float) { TmrNav->stop(); }
void frmMain::ImgDn_MouseDown(int, int, float, float) { TmrNav->stop(); }
void frmMain::ImgDn_MouseUp(int, int, float, float) { TmrNav->stop(); }
void frmMain::PicCont_MouseMove(int, int, float, float) { TmrNav->stop(); }

// The stock's row of the quote list made current and scrolled into view.
// Rows are found by the symbol they carry, as two stocks can share a
// company name. False when no row carries it.
bool frmMain::ShowCurrentRow(const QByteArray &symbol)
{
    const QString wanted = Text::FromCp1252(symbol);
    for (int r = 2; r < FG->Rows(); ++r) {
        if (wanted.isEmpty() || FG->RowData(r) != wanted)
            continue;
        FG->SetRedraw(false);
        if (r > FG->TopRow() + 6 || r < FG->TopRow())
            FG->SetTopRow(r);
        FG->SetRow(r);
        FG->SetCol(0);
        FG->SetRowSel(r);
        FG->SetColSel(1);
        FG->SetRedraw(true);
        return true;
    }
    return false;
}

void frmMain::SelectTreeStock(const QString &symbol)
{
    for (int n = 1; n <= TreeView1->Count(); ++n) {
        TreeNode *node = TreeView1->Node(n);
        if (node && node->Image() == 1 && node->Key().startsWith(QLatin1String("ID")) && node->Text() == symbol) {
            TreeView1->SetSelectedItem(node);
            TreeView1->setFocus();
            return;
        }
    }
}
