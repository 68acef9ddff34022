#include "queries/BigChart.h"

#include "core/Hosts.h"
#include "core/MainView.h"
#include "core/Misc.h"
#include "core/Settings.h"
#include "core/ViewState.h"
#include "platform/BoxValue.h"
#include "platform/Geometry.h"
#include "platform/RunOnce.h"
#include "platform/Vb.h"
#include "queries/QueryTables.h"
#include "queries/SliderScale.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace {
BigChart *g_chart = nullptr;

const QString kChartOpt = QStringLiteral("ChartOpt");

QComboBox *List(const char *name, QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

void Fill(QComboBox *box, const char *table)
{
    for (const Queries::ChartEntry &e : Queries::ChartCodeTable(table))
        box->addItem(QString::fromLatin1(e.text));
}

// The position of the list's text among its entries; -1 for none, as after
// text was typed that is no entry.
int Position(const QComboBox *box)
{
    return box->findText(box->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
}

// A stored position selects its entry; -1 clears the selection; anything
// else leaves the list as it was.
void Select(QComboBox *box, int position)
{
    if (position == -1 || (position >= 0 && position < box->count()))
        box->setCurrentIndex(position);
}
} // namespace

BigChart::BigChart(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("BigChart"));
    setWindowTitle(QStringLiteral("Chart Explorer"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto *heading = new QLabel(QStringLiteral("Chart Explorer"), this);
    heading->setObjectName(QStringLiteral("lblTitle"));
    QFont big = heading->font();
    big.setPointSizeF(big.pointSizeF() * 1.8);
    big.setBold(true);
    heading->setFont(big);

    auto *style = new QGroupBox(QStringLiteral("ChartStyle"), this);
    style->setObjectName(QStringLiteral("fraStyle"));
    auto *styleForm = new QFormLayout(style);
    cboDisp = List("cboDisp", style);
    cboBack = List("cboBack", style);
    cboSize = List("cboSize", style);
    styleForm->addRow(QStringLiteral("Price Display:"), cboDisp);
    styleForm->addRow(QStringLiteral("Chart Background:"), cboBack);
    styleForm->addRow(QStringLiteral("Chart Size:"), cboSize);

    auto *indicators = new QGroupBox(QStringLiteral("Indicators"), this);
    indicators->setObjectName(QStringLiteral("fraIndicators"));
    auto *indForm = new QFormLayout(indicators);
    cboUp = List("cboUp", indicators);
    cboLow = List("cboLow", indicators);
    cboMove = List("cboMove", indicators);
    cboMove->setEditable(true);
    // Typed text stays typed text; it never becomes an entry.
    cboMove->setInsertPolicy(QComboBox::NoInsert);
    txtMaval = new QLineEdit(QStringLiteral("9"), indicators);
    txtMaval->setObjectName(QStringLiteral("txtMaval"));
    indForm->addRow(QStringLiteral("Upper Indicators:"), cboUp);
    indForm->addRow(QStringLiteral("Lower Indicators:"), cboLow);
    indForm->addRow(QStringLiteral("Moving Averages:"), cboMove);
    indForm->addRow(QStringLiteral("Value:"), txtMaval);

    auto *compare = new QGroupBox(QStringLiteral("CompareTo"), this);
    compare->setObjectName(QStringLiteral("fraCompare"));
    auto *cmpForm = new QFormLayout(compare);
    cboIndex = List("cboIndex", compare);
    txtSbl = new QLineEdit(compare);
    txtSbl->setObjectName(QStringLiteral("txtSbl"));
    cmpForm->addRow(QStringLiteral("Index:"), cboIndex);
    cmpForm->addRow(QStringLiteral("Symbol:"), txtSbl);

    cboFrq = List("cboFrq", this);
    auto *frqLabel = new QLabel(QStringLiteral("Frequency:"), this);
    frqLabel->setBuddy(cboFrq);

    QStringList times;
    for (const Queries::ChartPeriod &p : Queries::ChartPeriods())
        times << QString::fromLatin1(p.label);
    auto *scale = new SliderScale(QStringLiteral("Slider1"), times, this);
    Slider1 = scale->slider;
    Slider1->setToolTip(QStringLiteral("Select Time Period"));
    lblTime = scale->labels;

    cmdQuery = new QPushButton(QStringLiteral("&Query"), this);
    cmdQuery->setObjectName(QStringLiteral("cmdQuery"));
    cmdQuery->setToolTip(QStringLiteral("Qlick To Generate Graph"));
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setToolTip(QStringLiteral("Close Window"));
    cmdSave = new QPushButton(QStringLiteral("&Save Option"), this);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdReset = new QPushButton(QStringLiteral("&Reset"), this);
    cmdReset->setObjectName(QStringLiteral("cmdReset"));
    for (QPushButton *b : {cmdQuery, cmdCancel, cmdSave, cmdReset})
        b->setAutoDefault(false);

    auto *root = new QVBoxLayout(this);
    // The roll-up shrinks the window below its layout's minimum.
    root->setSizeConstraint(QLayout::SetNoConstraint);
    root->addWidget(heading);
    auto *top = new QHBoxLayout;
    auto *left = new QVBoxLayout;
    left->addWidget(style);
    left->addWidget(compare);
    auto *frq = new QHBoxLayout;
    frq->addWidget(frqLabel);
    frq->addWidget(cboFrq, 1);
    left->addLayout(frq);
    left->addStretch(1);
    top->addLayout(left, 1);
    auto *right = new QVBoxLayout;
    right->addWidget(indicators);
    right->addStretch(1);
    top->addLayout(right, 1);
    root->addLayout(top);
    root->addWidget(scale);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdQuery);
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdReset);
    buttons->addStretch(1);
    buttons->addWidget(cmdCancel);
    root->addLayout(buttons);

    for (QComboBox *box : {cboBack, cboDisp, cboFrq, cboIndex, cboLow, cboMove, cboSize, cboUp})
        connect(box, &QComboBox::currentIndexChanged, this, [this] { cmdSave->setEnabled(true); });
    txtMaval->installEventFilter(this);
    txtSbl->installEventFilter(this);
    connect(txtMaval, &QLineEdit::textChanged, this, [this] { txtMaval_Change(); });
    connect(Slider1, &QSlider::actionTriggered, this, [this] { Slider1_Scroll(); });
    connect(cmdQuery, &QPushButton::clicked, this, [this] { cmdQuery_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    connect(cmdSave, &QPushButton::clicked, this, [this] { cmdSave_Click(); });
    connect(cmdReset, &QPushButton::clicked, this, [this] { ResetChartOpt(); });

    FillCombos();
    // Last: restoring selects entries, which would enable it.
    cmdSave->setEnabled(false);
    resize(sizeHint());
}

BigChart::~BigChart()
{
    if (g_chart == this)
        g_chart = nullptr;
}

BigChart *BigChart::Loaded() { return g_chart; }

BigChart *BigChart::Load()
{
    if (g_chart) {
        if (g_chart->isVisible()) {
            g_chart->raise();
            g_chart->activateWindow();
        }
        return g_chart;
    }
    g_chart = new BigChart;
    // Across the main window's outer width (the window is a widget).
    if (MainView *main = MainView::Loaded())
        main->PlaceBelowTicker(g_chart, Geometry::Width(main->Widget()));
    return g_chart;
}

bool BigChart::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn && (watched == txtMaval || watched == txtSbl))
        cmdSave->setEnabled(true);
    return QDialog::eventFilter(watched, event);
}

void BigChart::FillCombos()
{
    Fill(cboDisp, "cboDisp");
    Fill(cboBack, "cboBack");
    Fill(cboSize, "cboSize");
    Fill(cboLow, "cboLow");
    Fill(cboMove, "cboMove");
    Fill(cboUp, "cboUp");
    Fill(cboIndex, "cboIndex");
    // A list starts with no entry selected; restoring or Reset selects one.
    // The frequency list comes with the period they set.
    for (QComboBox *box : {cboDisp, cboBack, cboSize, cboLow, cboMove, cboUp, cboIndex})
        box->setCurrentIndex(-1);
    LoadChartOpt();
}

void BigChart::FillFrequency(bool intraday)
{
    cboFrq->clear();
    Fill(cboFrq, intraday ? "cboFrqIntraday" : "cboFrqDaily");
    cboFrq->setCurrentIndex(-1);
}

void BigChart::SetPeriod(int position)
{
    Slider1->setValue(position);
    m_period = Slider1->value();
    const Queries::ChartPeriod &p = Queries::ChartPeriods()[size_t(m_period)];
    FillFrequency(p.list == Queries::ChartPeriod::Intraday);
}

void BigChart::Slider1_Scroll()
{
    // actionTriggered comes before the value follows the move.
    const int position = Slider1->sliderPosition();
    const auto periods = Queries::ChartPeriods();
    if (position < 0 || size_t(position) >= periods.size())
        return;
    m_period = position;
    const Queries::ChartPeriod &p = periods[size_t(position)];
    if (auto *scale = static_cast<SliderScale *>(Slider1->parentWidget()))
        scale->ShowTip(QString::fromLatin1(p.tip));
    if (p.list != Queries::ChartPeriod::Unchanged)
        FillFrequency(p.list == Queries::ChartPeriod::Intraday);
    cboFrq->setCurrentIndex(0);
    cmdSave->setEnabled(true);
}

void BigChart::LoadChartOpt()
{
    const QString text = Settings::Get(kChartOpt).ToText();
    if (text.isEmpty()) {
        ResetChartOpt();
        return;
    }
    const QList<std::optional<int16_t>> fields = Queries::ChartOptFields(text);
    // The restored slider position is the period the next query sends, so
    // its frequency list is loaded before the saved entry is selected.
    int position = Slider1->value();
    if (fields.size() > 9 && fields[9] && *fields[9] >= Slider1->minimum() && *fields[9] <= Slider1->maximum())
        position = *fields[9];
    SetPeriod(position);
    QComboBox *const lists[] = {cboBack, cboDisp, cboFrq, cboIndex, cboLow, cboMove, cboSize, cboUp};
    for (qsizetype k = 0; k < fields.size() && k < 9; ++k) {
        if (!fields[k])
            continue;
        if (k < 8)
            Select(lists[k], *fields[k]);
        else
            txtMaval->setText(QString::number(*fields[k]));
    }
}

void BigChart::ResetChartOpt()
{
    SetPeriod(0);
    cboDisp->setCurrentIndex(2);
    cboBack->setCurrentIndex(0);
    cboSize->setCurrentIndex(1);
    cboLow->setCurrentIndex(0);
    cboMove->setCurrentIndex(0);
    cboUp->setCurrentIndex(0);
    cboFrq->setCurrentIndex(0);
    cboIndex->setCurrentIndex(3);
    txtMaval->setText(QStringLiteral("9"));
}

void BigChart::ShowChart()
{
    Queries::ChartChoice c;
    c.disp = cboDisp->currentText();
    c.back = cboBack->currentText();
    c.size = cboSize->currentText();
    c.low = cboLow->currentText();
    c.move = cboMove->currentText();
    c.up = cboUp->currentText();
    c.index = cboIndex->currentText();
    c.freq = cboFrq->currentText();
    c.maval = txtMaval->text();
    c.comp = txtSbl->text();
    c.period = m_period;
    Misc::OpenLink(Hosts::Url(QStringLiteral("ChartHost"), Queries::ChartPath(CurrentSymbol, c)));
    Misc::DoEvents();
}

void BigChart::cmdQuery_Click()
{
    const RunOnce once(this, "cmdQuery_Click");
    if (!once)
        return;
    const QPointer<BigChart> self(this);
    ShowChart();
    if (self)
        cmdCancel_Click();
}

void BigChart::cmdCancel_Click()
{
    const RunOnce once(this, "cmdCancel_Click");
    if (!once)
        return;
    const QPointer<BigChart> self(this);
    Misc::RollWindow(this, 25);
    if (!self)
        return;
    if (g_chart == this)
        g_chart = nullptr;
    hide();
    deleteLater();
}

void BigChart::cmdSave_Click()
{
    // The value is kept as a 16-bit number: a text that is none by the box
    // rule ("1,5") or one beyond 16 bits is refused, not kept as another.
    const std::optional<double> typed = Vb::NumberBoxValue(txtMaval->text());
    std::optional<int16_t> maval;
    if (typed)
        Vb::Skip([&] { maval = Vb::CInt(*typed); });
    if (!maval) {
        Vb::RefuseNumber(txtMaval, QStringLiteral("Value"), QStringLiteral("-32768"), QStringLiteral("32767"));
        return;
    }
    Queries::ChartOptions o;
    o.back = Position(cboBack);
    o.disp = Position(cboDisp);
    o.frq = Position(cboFrq);
    o.index = Position(cboIndex);
    o.low = Position(cboLow);
    o.move = Position(cboMove);
    o.size = Position(cboSize);
    o.up = Position(cboUp);
    o.maval = *maval;
    o.slider = Slider1->value();
    Settings::Set(kChartOpt, Queries::ChartOptText(o));
    cmdSave->setEnabled(false);
}

void BigChart::txtMaval_Change()
{
    bool ok = false;
    Vb::ParseNumber(txtMaval->text(), &ok);
    if (!ok)
        txtMaval->setText(QStringLiteral("9"));
}

void BigChart::reject() { cmdCancel_Click(); }
