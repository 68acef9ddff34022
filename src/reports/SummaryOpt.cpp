#include "reports/SummaryOpt.h"

#include "core/Misc.h"
#include "core/Settings.h"
#include "platform/ControlNames.h"
#include "platform/Dialogs.h"
#include "reports/Summery.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

SummaryOpt *g_window = nullptr;

const char *const Captions[19] = {
    "Profile", "Analyst's Recommandation ", "Latest Prices", "Annual Balance Sheet ", "Annual Income Statement ",
    "Earning Growth ", "Earning History ", "Earning Estimates ", "Consensus EPS Trade ", "Insider Trader *",
    "Upgrades History  ", "Downgrades History ", "Momentum Rating ", "Broker Reports ", "Calls *", "Puts *",
    "Split History", "Quarterly Reports *", "Short Interest"};

} // namespace

SummaryOpt::SummaryOpt()
{
    setObjectName(QStringLiteral("SummaryOpt"));
    setWindowTitle(QStringLiteral("Summary"));
    auto *layout = new QVBoxLayout(this);
    Label1 = new QLabel(QStringLiteral("What do you want to see?"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    layout->addWidget(Label1);
    auto *boxes = new QGridLayout;
    for (int i = 0; i < 19; ++i) {
        chk[size_t(i)] = new QCheckBox(QString::fromLatin1(Captions[i]), this);
        chk[size_t(i)]->setObjectName(ControlNames::Indexed("chk", i));
        boxes->addWidget(chk[size_t(i)], i % 10, i / 10);
    }
    layout->addLayout(boxes);
    lbl1 = new QLabel(QStringLiteral("* It might take time, please be patiant.."), this);
    lbl1->setObjectName(QStringLiteral("lbl1"));
    layout->addWidget(lbl1);
    auto *buttons = new QHBoxLayout;
    cndGenerate = new QPushButton(QStringLiteral("Generate"), this);
    cndGenerate->setObjectName(QStringLiteral("cndGenerate"));
    cndGenerate->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    buttons->addWidget(cndGenerate);
    buttons->addWidget(cmdCancel);
    layout->addLayout(buttons);
    connect(cndGenerate, &QPushButton::clicked, this, [this] { cndGenerate_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
}

SummaryOpt::~SummaryOpt()
{
    if (g_window == this)
        g_window = nullptr;
}

SummaryOpt *SummaryOpt::Load()
{
    if (!g_window) {
        g_window = new SummaryOpt;
        g_window->Form_Load();
    }
    return g_window;
}

SummaryOpt *SummaryOpt::Loaded() { return g_window; }

void SummaryOpt::Form_Load() { LoadOptions(); }

int SummaryOpt::Value(int box) const { return chk[size_t(box)]->isChecked() ? 1 : 0; }

void SummaryOpt::LoadOptions()
{
    const QString saved = Settings::Get(QStringLiteral("SummaryOpt")).ToText();
    qsizetype from = 0;
    for (int i = 0; i < 19; ++i) {
        const qsizetype first = saved.indexOf(u',', from);
        if (first < 0)
            return;
        const qsizetype second = saved.indexOf(u',', first + 1);
        if (second < 0)
            return;
        // An entry other than the digit 1 leaves its box unticked.
        chk[size_t(i)]->setChecked(saved.mid(first + 1, 1) == QStringLiteral("1"));
        from = second;
    }
}

void SummaryOpt::SaveOptions()
{
    QString value = QStringLiteral(",");
    for (int i = 0; i < 19; ++i)
        value += QString::number(Value(i)) + u',';
    Settings::Set(QStringLiteral("SummaryOpt"), value);
}

bool SummaryOpt::CheckSelection()
{
    int sum = 0;
    for (int i = 0; i < 19; ++i)
        sum += Value(i);
    if (sum != 0)
        return true;
    chk[0]->setChecked(true);
    Dialogs::MsgBox(QStringLiteral("You have to select at least one option."), Dialogs::vbInformation,
                    Dialogs::EmptyTitle);
    return false;
}

void SummaryOpt::cndGenerate_Click()
{
    // The page is built while the window stays open and the event loop
    // turns: a second click waits for the first.
    if (generating_)
        return;
    if (!CheckSelection())
        return;
    SaveOptions();
    if (!summery_)
        summery_ = std::make_shared<Summery>(lbl1);
    static constexpr int order[19] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 16, 10, 11, 12, 13, 14, 15, 17, 18};
    std::array<uint8_t, 19> flags{};
    for (int i = 0; i < 19; ++i)
        flags[size_t(i)] = uint8_t(Value(order[i]));
    QPointer<SummaryOpt> self(this);
    const std::shared_ptr<Summery> summery = summery_; // Cancel may close the window meanwhile
    generating_ = true;
    const bool written = summery->GanarateHTML(flags);
    if (!self)
        return;
    generating_ = false;
    // A page that could not be written keeps the window open for another try.
    if (written)
        cmdCancel_Click();
}

// A window only hidden would keep unsaved ticks for the next opening.
void SummaryOpt::reject() { cmdCancel_Click(); }

void SummaryOpt::cmdCancel_Click()
{
    summery_.reset();
    QPointer<SummaryOpt> self(this);
    Misc::RollWindow(this, 25);
    Misc::DoEvents();
    if (!self)
        return;
    if (g_window == this)
        g_window = nullptr;
    done(QDialog::Rejected);
    deleteLater();
}
