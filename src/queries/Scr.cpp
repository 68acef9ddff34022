#include "queries/Scr.h"

#include "core/Hosts.h"
#include "core/Misc.h"
#include "platform/Artwork.h"
#include "platform/Help.h"
#include "platform/RunOnce.h"
#include "platform/Shell.h"
#include "platform/Twips.h"
#include "platform/VbColor.h"
#include "queries/QueryTables.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
Scr *g_scr = nullptr;

const QColor kChosen(0, 0, 255);
const QColor kOther(128, 128, 128);


// Groups by their place in the address order, column by column from the top.
constexpr int kLeft[] = {1, 4, 0};   // book value, analysts, S&P 500
constexpr int kMiddle[] = {7, 5, 2}; // dividend yield, PEG, P/E
constexpr int kRight[] = {6, 3};     // historic and estimated growth
} // namespace

Scr::Scr(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Scr"));
    setWindowTitle(QStringLiteral("Tickerwatch Screen"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Eight groups and the list share a small window: a small face, as the
    // screener has always had.
    QFont small = font();
    small.setPixelSize(10);
    setFont(small);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(Artwork::Picture(QStringLiteral("Screen")));
    Image1->resize(Image1->pixmap().size());
    Image1->hide();

    const QColor window = VbColor::ToQColor(VbColor::Window);
    const auto criteria = Queries::ScreenCriteria();
    for (size_t g = 0; g < criteria.size(); ++g) {
        const Queries::ScreenGroup &group = criteria[g];
        auto *frame = new QGroupBox(QString::fromLatin1(group.caption), this);
        frame->setObjectName(QStringLiteral("fra_") + QLatin1String(group.control).mid(4));
        frame->setAutoFillBackground(true);
        VbColor::SetPaletteColor(frame, QPalette::Window, window);
        // Book value keeps the desktop's text colour; the others are grey.
        const QColor title = g == 1 ? VbColor::ToQColor(VbColor::WindowText) : kOther;
        VbColor::SetForeColor(frame, title);
        VbColor::SetPaletteColor(frame, QPalette::Text, title);
        auto *column = new QVBoxLayout(frame);
        column->setContentsMargins(4, 0, 4, 1);
        column->setSpacing(0);
        auto *buttons = new QButtonGroup(this);
        QList<QRadioButton *> options;
        for (int i = 0; i < group.options.size(); ++i) {
            auto *option = new QRadioButton(group.options[i], frame);
            option->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(group.control)).arg(i));
            // A button fills with its Button colour unless told otherwise.
            option->setBackgroundRole(QPalette::Window);
            option->setAutoFillBackground(true);
            VbColor::SetPaletteColor(option, QPalette::Window, Qt::white);
            VbColor::SetForeColor(option, kOther);
            buttons->addButton(option, i);
            column->addWidget(option);
            options.append(option);
        }
        connect(buttons, &QButtonGroup::idToggled, this, [this, g](int id, bool on) {
            if (on)
                opt_Click(int(g), id);
        });
        m_buttons.append(buttons);
        groups.append(options);
        frames.append(frame);
    }

    lblIndustry = new QLabel(QStringLiteral("Industry Group"), this);
    lblIndustry->setObjectName(QStringLiteral("Label1"));
    lblIndustry->setAutoFillBackground(true);
    VbColor::SetPaletteColor(lblIndustry, QPalette::Window, Qt::white);
    VbColor::SetForeColor(lblIndustry, kOther);
    lstIndestry = new QListWidget(this);
    lstIndestry->setObjectName(QStringLiteral("lstIndestry"));
    lstIndestry->setSelectionMode(QAbstractItemView::SingleSelection);

    cmdClose = new QPushButton(QStringLiteral("&Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdShow = new QPushButton(QStringLiteral("&Query"), this);
    cmdShow->setObjectName(QStringLiteral("cmdShow"));
    cmdReset = new QPushButton(QStringLiteral("&Reset"), this);
    cmdReset->setObjectName(QStringLiteral("cmdReset"));
    cmdHelp = new QPushButton(QStringLiteral("&Help"), this);
    cmdHelp->setObjectName(QStringLiteral("cmdHelp"));
    // No default button: Enter presses the button that has the focus only.
    for (QPushButton *b : {cmdClose, cmdShow, cmdReset, cmdHelp})
        b->setAutoDefault(false);

    auto *root = new QVBoxLayout(this);
    // The roll-up shrinks the window below its layout's minimum.
    root->setSizeConstraint(QLayout::SetNoConstraint);
    root->setContentsMargins(6, 4, 6, 4);
    root->setSpacing(4);
    auto *columns = new QHBoxLayout;
    columns->setSpacing(5);
    // The right column's captions are the longest; it takes the room left.
    auto addColumn = [&](std::span<const int> order, int stretch) {
        auto *column = new QVBoxLayout;
        column->setSpacing(2);
        for (int g : order)
            column->addWidget(frames[g]);
        columns->addLayout(column, stretch);
        return column;
    };
    addColumn(kLeft, 0)->addStretch(1);
    addColumn(kMiddle, 0)->addStretch(1);
    QVBoxLayout *right = addColumn(kRight, 1);
    right->addWidget(lblIndustry);
    right->addWidget(lstIndestry, 1);
    root->addLayout(columns, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(cmdClose);
    bottom->addWidget(cmdShow);
    bottom->addWidget(cmdReset);
    bottom->addStretch(1);
    bottom->addWidget(cmdHelp);
    root->addLayout(bottom);

    // The tab order starts at Query, so it has the focus on opening.
    QList<QWidget *> order{cmdShow, cmdReset, cmdHelp, cmdClose, lstIndestry};
    for (const auto &column : {std::span<const int>(kLeft), std::span<const int>(kMiddle), std::span<const int>(kRight)})
        for (int g : column)
            for (QRadioButton *o : groups[g])
                order.append(o);
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    cmdShow->setFocus();

    connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
    connect(cmdShow, &QPushButton::clicked, this, [this] { cmdShow_Click(); });
    connect(cmdReset, &QPushButton::clicked, this, [this] { cmdReset_Click(); });
    connect(cmdHelp, &QPushButton::clicked, this, [this] { cmdHelp_Click(); });

    resize(Twips::ToPixels(8550), Twips::ToPixels(5955));
    Form_Load();
}

Scr::~Scr()
{
    if (g_scr == this)
        g_scr = nullptr;
}

Scr *Scr::Loaded() { return g_scr; }

Scr *Scr::Load()
{
    if (!g_scr) {
        g_scr = new Scr;
        return g_scr;
    }
    if (g_scr->isVisible()) {
        g_scr->raise();
        g_scr->activateWindow();
    }
    return g_scr;
}

void Scr::Form_Load()
{
    for (const Queries::ScreenIndustry &row : Queries::ScreenIndustries())
        lstIndestry->addItem(QString::fromLatin1(row.text));
    lstIndestry->setCurrentRow(0);
    for (QList<QRadioButton *> &options : groups)
        options[0]->setChecked(true);
}

void Scr::opt_Click(int group, int index)
{
    const QList<QRadioButton *> &options = groups.value(group);
    for (QRadioButton *o : options)
        VbColor::SetForeColor(o, kOther);
    if (index >= 0 && index < options.size())
        VbColor::SetForeColor(options[index], kChosen);
}

void Scr::cmdShow_Click()
{
    const QPointer<Scr> self(this);
    if (!Misc::CheckOnline() || !self)
        return;
    QList<int> selected;
    for (QButtonGroup *b : m_buttons)
        selected.append(b->checkedId());
    const QList<QListWidgetItem *> rows = lstIndestry->selectedItems();
    const int row = rows.isEmpty() ? -1 : lstIndestry->row(rows.first());
    // Straight to the desktop, without the link opener's online check again.
    Shell::Open(Hosts::Url(QStringLiteral("ScreenerHost"), Queries::ScreenPath(selected, row)));
}

void Scr::cmdReset_Click()
{
    for (qsizetype g = 0; g < groups.size(); ++g)
        groups[g][0]->setChecked(true);
    // Reset asks for S&P 500 members ("Yes"), although the window opens at "None".
    groups[0][1]->setChecked(true);
    lstIndestry->setCurrentRow(0);
}

void Scr::cmdHelp_Click() { Help::Show(QStringLiteral("Tkw5.chm"), QStringLiteral(">Small"), 1004, this); }

void Scr::cmdClose_Click()
{
    const RunOnce once(this, "cmdClose_Click");
    if (!once)
        return;
    const QPointer<Scr> self(this);
    Misc::RollWindow(this, 25);
    Misc::DoEvents();
    if (!self)
        return;
    if (g_scr == this)
        g_scr = nullptr;
    hide();
    deleteLater();
    Misc::DoEvents();
}

void Scr::reject() { cmdClose_Click(); }

void Scr::paintEvent(QPaintEvent *) { Misc::TilePicture(this, Image1); }
