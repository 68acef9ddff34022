#include "queries/TechGraph.h"

#include "core/Hosts.h"
#include "core/MainView.h"
#include "core/Misc.h"
#include "core/ViewState.h"
#include "platform/Geometry.h"
#include "platform/RunOnce.h"
#include "queries/QueryTables.h"
#include "queries/SliderScale.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

namespace {
TechGraph *g_tech = nullptr;

constexpr int kBoxes = 3;

// Hidden boxes keep their room, so the dialog does not jump between
// indicators.
void KeepRoom(QWidget *w)
{
    QSizePolicy p = w->sizePolicy();
    p.setRetainSizeWhenHidden(true);
    w->setSizePolicy(p);
    w->hide();
}
} // namespace

TechGraph::TechGraph(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TechGraph"));
    setWindowTitle(QStringLiteral("Technical Graph Explorer"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto *heading = new QLabel(QStringLiteral("Technical Graph Explorer"), this);
    heading->setObjectName(QStringLiteral("lblTitle"));
    QFont big = heading->font();
    big.setPointSizeF(big.pointSizeF() * 1.8);
    big.setBold(true);
    heading->setFont(big);

    auto *options = new QGroupBox(QStringLiteral("Options"), this);
    options->setObjectName(QStringLiteral("fraOptions"));
    auto *optColumn = new QVBoxLayout(options);
    optColumn->setSpacing(2);
    m_graphs = new QButtonGroup(this);
    const auto indicators = Queries::TechIndicators();
    for (size_t i = 0; i < indicators.size(); ++i) {
        auto *o = new QRadioButton(QString::fromLatin1(indicators[i].caption), options);
        o->setObjectName(QStringLiteral("optGraph_%1").arg(i));
        m_graphs->addButton(o, int(i));
        optColumn->addWidget(o);
        optGraph.append(o);
    }

    auto *params = new QGridLayout;
    for (int n = 0; n < kBoxes; ++n) {
        auto *label = new QLabel(QStringLiteral("----"), this);
        label->setObjectName(QStringLiteral("lbl_%1").arg(n));
        auto *box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("D_%1").arg(n));
        box->setMaximumWidth(80);
        label->setBuddy(box);
        KeepRoom(label);
        KeepRoom(box);
        params->addWidget(label, n, 0);
        params->addWidget(box, n, 1);
        lbl.append(label);
        D.append(box);
    }
    for (int n = 0; n < kBoxes; ++n) {
        auto *check = new QCheckBox(QStringLiteral("Check1"), this);
        check->setObjectName(QStringLiteral("chk_%1").arg(n));
        KeepRoom(check);
        params->addWidget(check, kBoxes + n, 0, 1, 2);
        chk.append(check);
    }
    params->setRowStretch(2 * kBoxes, 1);

    auto *period = new QLabel(QStringLiteral("Period"), this);
    period->setObjectName(QStringLiteral("lblPeriod"));
    QStringList times;
    for (const Queries::TechSpan &s : Queries::TechSpans())
        times << QString::fromLatin1(s.label);
    auto *scale = new SliderScale(QStringLiteral("Slider1"), times, this);
    Slider1 = scale->slider;
    lblTime = scale->labels;

    cmdQuery = new QPushButton(QStringLiteral("Query"), this);
    cmdQuery->setObjectName(QStringLiteral("cmdQuery"));
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    for (QPushButton *b : {cmdQuery, cmdCancel})
        b->setAutoDefault(false);

    auto *root = new QVBoxLayout(this);
    // The roll-up shrinks the window below its layout's minimum.
    root->setSizeConstraint(QLayout::SetNoConstraint);
    root->addWidget(heading);
    auto *middle = new QHBoxLayout;
    middle->addWidget(options, 1);
    middle->addLayout(params, 1);
    root->addLayout(middle);
    root->addWidget(period);
    root->addWidget(scale);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdQuery);
    buttons->addWidget(cmdCancel);
    root->addLayout(buttons);

    connect(m_graphs, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            optGraph_Click(id);
    });
    connect(Slider1, &QSlider::actionTriggered, this, [this] { Slider1_Scroll(); });
    connect(cmdQuery, &QPushButton::clicked, this, [this] { cmdQuery_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });

    m_key = QStringLiteral("Bollinger");
    optGraph[0]->setChecked(true);
    resize(sizeHint());
}

TechGraph::~TechGraph()
{
    if (g_tech == this)
        g_tech = nullptr;
}

TechGraph *TechGraph::Loaded() { return g_tech; }

TechGraph *TechGraph::Load()
{
    if (g_tech) {
        if (g_tech->isVisible()) {
            g_tech->raise();
            g_tech->activateWindow();
        }
        return g_tech;
    }
    g_tech = new TechGraph;
    // Across the main window's outer width (the window is a widget).
    if (MainView *main = MainView::Loaded())
        main->PlaceBelowTicker(g_tech, Geometry::Width(main->Widget()));
    return g_tech;
}

void TechGraph::optGraph_Click(int index)
{
    const auto indicators = Queries::TechIndicators();
    if (index < 0 || size_t(index) >= indicators.size())
        return;
    for (int n = 0; n < kBoxes; ++n) {
        D[n]->hide();
        lbl[n]->hide();
        chk[n]->hide();
    }
    const Queries::TechIndicator &row = indicators[size_t(index)];
    m_key = QString::fromLatin1(row.key);
    for (const Queries::TechParam &p : row.params)
        ShowParam(p.box, QString::fromLatin1(p.text), QString::fromLatin1(p.caption));
    for (const Queries::TechCheck &c : row.checks)
        ShowCheck(c.box, QString::fromLatin1(c.caption), c.ticked);
}

void TechGraph::ShowParam(int box, const QString &text, const QString &caption)
{
    D[box]->setText(text);
    D[box]->show();
    lbl[box]->setText(caption);
    lbl[box]->show();
}

void TechGraph::ShowCheck(int box, const QString &caption, bool ticked)
{
    chk[box]->setText(caption);
    chk[box]->setChecked(ticked);
    chk[box]->show();
}

QString TechGraph::MakeIndicator() const
{
    QStringList boxes;
    QList<int> checks;
    for (int n = 0; n < kBoxes; ++n) {
        boxes << D[n]->text();
        checks << (chk[n]->isChecked() ? 1 : 0);
    }
    return Queries::TechClause(m_key, boxes, checks, CurrentSymbol);
}

void TechGraph::Slider1_Scroll()
{
    // actionTriggered comes before the value follows the move.
    const int position = Slider1->sliderPosition();
    const auto spans = Queries::TechSpans();
    if (position < 0 || size_t(position) >= spans.size())
        return;
    m_timespan = spans[size_t(position)].code;
    if (auto *scale = static_cast<SliderScale *>(Slider1->parentWidget()))
        scale->ShowTip(QString::fromLatin1(spans[size_t(position)].tip));
}

void TechGraph::cmdQuery_Click()
{
    const RunOnce once(this, "cmdQuery_Click");
    if (!once)
        return;
    const QPointer<TechGraph> self(this);
    Misc::OpenLink(Hosts::Url(QStringLiteral("TechGraphHost"), Queries::TechPath(MakeIndicator(), m_timespan)));
    Misc::DoEvents();
    if (self)
        cmdCancel_Click();
}

void TechGraph::cmdCancel_Click()
{
    const RunOnce once(this, "cmdCancel_Click");
    if (!once)
        return;
    const QPointer<TechGraph> self(this);
    Misc::RollWindow(this, 25);
    if (!self)
        return;
    if (g_tech == this)
        g_tech = nullptr;
    hide();
    deleteLater();
    Misc::DoEvents();
}

void TechGraph::reject() { cmdCancel_Click(); }
