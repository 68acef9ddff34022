// The 99 update boxes of the Options window: their pages, the Select All and
// Clear All buttons, the exchange columns and the check before saving.
#include "shell/Options.h"

#include "platform/BoxValue.h"
#include "platform/Dialogs.h"
#include "platform/VbColor.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <vector>

namespace {

// Captions as stored on the form ("&&" shows one ampersand). The exchange
// grid's captions stand on its AMEX boxes (kGridRows).
const char *const kCaptions[Options::UpdateItemCount] = {
    "Update Recommendation Graph", "Update Current Stock Prices", "Update News", "Update Annual Balance Sheet",
    "Update Annual Incomes Statement", "Earnings Estimates and Recommendations", "Update Quarterly Reports ",
    "Insider Trades ", "Update Call/Put Options", "Update Splits History", "Update Upgrades History",
    "Update Downgrades History", "Reriza Momentum Rating", "Broker Reports", "Profile",
    // 15..19
    "Top 25  Earnings Surprises", "Percentage Winners", "Percentage Losers ", "Upgrades / Downgrades",
    "Weekly adviser service",
    // 20..49: the exchange grid
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
    // 50..60
    "U.S. Market Data", "International Market Data", "Latest IPO", "IPO News", "IPO Gainers", "IPO Losers",
    "IPO Registrations", "IPO Pricings", "IPO Withdrawals", "Broad Market Overviews *", "Options Market Summary",
    // 61..82
    "Largest Convertible Bond", "Largest Growth Funds", "Largest Equity Funds", "Largest High-Yield Bond Funds",
    "Largest Money Market Funds", "Largest International Funds", "Largest Precious Metals Funds",
    "Smith Barney Mutual && Money Market Funds", "AIM Mutual && Money Market Funds",
    "Benham Mutual && Money Market Funds", "Dean Witter Mutual && Money Market Funds",
    "Franklin/Templeton Mutual && Money Market Funds", "Fidelity Mutual && Money Market Funds",
    "Merrill Lynch Mutual && Money Market Funds", "Janus Mutual && Money Funds",
    "Putnam Mutual && Money Market Funds", "Scudder Mutual && Money Market Funds",
    "Stagecoach Mutual && Money Market", "Strong Mutual && Money Market Funds", "T. Rowe Price Mutual && Money Market",
    "Twentieth Century Mutual && Money Market", "Vanguard Mutual && Money Market Funds",
    // 83..88
    "Today's Splits", "This Week Splits", "Next Week's Splits", "Recently Announced", "Top Tech Splits",
    "Short Interest ",
    // 89..97: the exchange grid
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
    // 98
    "Today's Broker Reports / Bloomberg Analysts Recommendations ",
};

// Rows of the exchange grid, top to bottom; each is a NASDAQ, NYSE, AMEX
// triple starting at the row's first box.
struct GridRow {
    int first;
    const char *caption;
};
const GridRow kGridRows[13] = {
    {20, "Largest % Gain In Price"},  {23, "Largest % Loss In Price"},  {26, "Largest % Gain In Volume"},
    {29, "Largest % Loss In Volume"}, {32, "52-Week Price Highs"},      {35, "52-Week Price Lows"},
    {38, "Most Active Stocks"},       {41, "Largest Money Movers"},     {44, "Most Recent Corporate Earnings"},
    {47, "Largest Short Interest"},   {89, "Most Active by Dollars Traded"}, {92, "Most Active by Price Up"},
    {95, "Most Active by Price Down"},
};
// Column of lblExc(index) within a grid row: AMEX third, NYSE second,
// NASDAQ first.
int ColumnOfLabel(int index) { return 2 - index; }
const char *const kExchangeNames[3] = {"AMEX", "NYSE", "NASDAQ"};

std::vector<int> Range(std::initializer_list<std::pair<int, int>> spans)
{
    std::vector<int> out;
    for (const auto &[from, to] : spans)
        for (int i = from; i <= to; ++i)
            out.push_back(i);
    return out;
}

// The boxes each group button sets, in order, and the value it gives.
struct SelectButton {
    int page;
    const char *caption;
    const char *tip;
    int value;
};
const SelectButton kSelect[8] = {
    {1, "Select &All", "Click to select all options", 1}, {1, "C&lear All", "Click to clear all options", 0},
    {0, "&Select All", "Click to select all options", 1}, {0, "C&lear All", "Click to clear all options", 0},
    {2, "C&lear All", "Click to clear all options", 0},   {2, "Select &All", "Click to select all options", 1},
    {3, "C&lear All", "Click to clear all options", 0},   {3, "Select &All", "Click to select all options", 1},
};
const std::vector<int> &GroupOfPage(int page)
{
    static const std::vector<int> groups[4] = {
        Range({{15, 49}, {89, 97}}),
        Range({{0, 14}, {88, 88}}),
        Range({{50, 60}, {83, 87}, {98, 98}}),
        Range({{61, 82}}),
    };
    return groups[page];
}
// Left and right columns of the plain pages; page 0's left column is the
// exchange grid. Page 2's box 98 runs under both columns.
const std::vector<int> kLeft[4] = {{}, Range({{0, 9}}), Range({{50, 58}}), Range({{61, 75}})};
const std::vector<int> kRight[4] = {Range({{15, 19}}), Range({{10, 14}, {88, 88}}), Range({{83, 87}, {60, 60}, {59, 59}}),
                                    Range({{76, 82}})};

const QColor kBlack(0, 0, 0);
const QColor kBlue(0, 0, 255);

} // namespace

QWidget *Options::BuildUpdatePage(int page)
{
    auto *content = new QWidget(frm[page]);
    auto *v = new QVBoxLayout(content);
    v->setContentsMargins(0, 0, 0, 0);
    auto *columns = new QHBoxLayout;
    columns->setSpacing(18);
    v->addLayout(columns);

    auto makeBox = [&](QWidget *parent, int i, const QString &caption) {
        chkUpdate[i] = NewBox(parent, QStringLiteral("chkUpdate_") + QString::number(i), caption);
        chkUpdate[i]->setCheckState(Qt::Checked);
        chkUpdate[i]->setMouseTracking(true);
        SetForeColor(chkUpdate[i], kBlack);
        return chkUpdate[i];
    };
    auto column = [&](const std::vector<int> &boxes) {
        auto *col = new QVBoxLayout;
        col->setSpacing(2);
        for (int i : boxes)
            col->addWidget(makeBox(content, i, QString::fromLatin1(kCaptions[i])));
        col->addStretch(1);
        return col;
    };

    if (page == 0) {
        fraExchange = new QFrame(content);
        fraExchange->setObjectName(QStringLiteral("fraExchange"));
        fraExchange->setFrameShape(QFrame::StyledPanel);
        fraExchange->setMouseTracking(true);
        auto *grid = new QGridLayout(fraExchange);
        grid->setContentsMargins(8, 6, 8, 6);
        grid->setHorizontalSpacing(10);
        grid->setVerticalSpacing(2);
        for (int index = 2; index >= 0; --index) {
            lblExc[index] = new QLabel(QString::fromLatin1(kExchangeNames[index]), fraExchange);
            lblExc[index]->setObjectName(QStringLiteral("lblExc_") + QString::number(index));
            lblExc[index]->setToolTip(QStringLiteral("Click to select / unselect"));
            lblExc[index]->setCursor(Qt::PointingHandCursor);
            QFont f = lblExc[index]->font();
            f.setBold(true);
            lblExc[index]->setFont(f);
            grid->addWidget(lblExc[index], 0, ColumnOfLabel(index), Qt::AlignLeft);
        }
        for (int r = 0; r < 13; ++r) {
            const GridRow &row = kGridRows[r];
            for (int c = 0; c < 3; ++c) {
                const QString caption = c == 2 ? QString::fromLatin1(row.caption) : QString();
                QCheckBox *box = makeBox(fraExchange, row.first + c, caption);
                if (c < 2) {
                    box->setAccessibleName(QString::fromLatin1(row.caption) + QStringLiteral(" (")
                                           + QString::fromLatin1(kExchangeNames[ColumnOfLabel(c)]) + u')');
                }
                grid->addWidget(box, r + 1, c);
            }
        }
        grid->setColumnStretch(2, 1);
        grid->setRowStretch(14, 1);
        columns->addWidget(fraExchange, 1);
    } else {
        auto *left = column(kLeft[page]);
        if (page == 2) {
            // Box 98 spans the page under both columns.
            auto *both = new QVBoxLayout;
            auto *inner = new QHBoxLayout;
            inner->setSpacing(18);
            inner->addLayout(left, 1);
            inner->addLayout(column(kRight[page]), 1);
            both->addLayout(inner);
            both->addSpacing(4);
            both->addWidget(makeBox(content, 98, QString::fromLatin1(kCaptions[98])));
            columns->addLayout(both, 1);
        } else {
            columns->addLayout(left, 1);
        }
    }
    if (page != 2)
        columns->addLayout(column(kRight[page]), 1);

    // Clear All, then Select All to its right, at the bottom right.
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (int b = 0; b < 8; ++b) {
        if (kSelect[b].page != page || kSelect[b].value != 0)
            continue;
        for (int order : {b, b ^ 1}) {
            cmdSelect[order] = new QPushButton(QString::fromLatin1(kSelect[order].caption), content);
            cmdSelect[order]->setObjectName(QStringLiteral("cmdSelect_") + QString::number(order));
            cmdSelect[order]->setToolTip(QString::fromLatin1(kSelect[order].tip));
            cmdSelect[order]->setMinimumWidth(90);
            buttons->addWidget(cmdSelect[order]);
            connect(cmdSelect[order], &QPushButton::clicked, this, [this, order] { cmdSelect_Click(order); });
        }
    }
    v->addSpacing(6);
    v->addLayout(buttons);
    return content;
}

bool Options::CheckSelection()
{
    int sum = 0;
    for (QCheckBox *box : chkUpdate)
        sum += Vb::BoxValue(box);
    if (sum != 0)
        return true;
    Vb::SetBoxValue(chkUpdate[0], 1);
    Dialogs::MsgBox(QStringLiteral("You have to select at least one option"), Dialogs::vbOKOnly | Dialogs::vbInformation,
                    Dialogs::EmptyTitle);
    return false;
}

void Options::cmdSelect_Click(int index)
{
    if (index < 0 || index >= 8)
        return;
    for (int i : GroupOfPage(kSelect[index].page))
        Vb::SetBoxValue(chkUpdate[i], kSelect[index].value);
}

void Options::lblExc_Click(int index)
{
    if (index < 0 || index >= 3)
        return;
    ExcFlag = ExcFlag == 1 ? 0 : 1;
    for (const GridRow &row : kGridRows)
        Vb::SetBoxValue(chkUpdate[row.first + ColumnOfLabel(index)], ExcFlag);
}

void Options::chkUpdate_MouseMove(int index)
{
    if (VbColor::ForeColor(chkUpdate[index]) == kBlue)
        return;
    for (QCheckBox *box : chkUpdate)
        SetForeColor(box, kBlack);
    SetForeColor(chkUpdate[index], kBlue);
}

void Options::frm_MouseMove()
{
    for (QCheckBox *box : chkUpdate) {
        if (VbColor::ForeColor(box) != kBlack)
            SetForeColor(box, kBlack);
    }
}
