#include "portfolio/StkSet.h"

#include "collect/SheetCache.h"
#include "core/Hosts.h"
#include "core/MainView.h"
#include "core/Misc.h"
#include "core/Settings.h"
#include "platform/Artwork.h"
#include "platform/ControlNames.h"
#include "platform/Dialogs.h"
#include "platform/Help.h"
#include "platform/RunOnce.h"
#include "platform/Shell.h"
#include "platform/Text.h"
#include "platform/Vb.h"
#include "platform/VbColor.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

using ControlNames::Indexed;

namespace {

StkSet *g_stkset = nullptr;

constexpr int SetCount = 21;

// The action labels' colours: normal, pointer over, button pressed.
const QColor Blue(0, 0, 255);
const QColor Red(255, 0, 0);
const QColor Green(0, 255, 0);


QString SetName(int n)
{
    QString name;
    Vb::Skip([&] { name = Settings::GetGroup(QStringLiteral("Group%1").arg(n)).ToText(); });
    return name.isEmpty() ? QStringLiteral("Group%1").arg(n) : name;
}

// A typed symbol as the set keeps it, in capitals.
QByteArray Symbol(const QString &typed) { return Text::ToCp1252(typed.toUpper()); }

// A symbol the cache and the page addresses could not take is never stored.
bool Usable(const QByteArray &symbol)
{
    if (SheetCache::UsableSymbol(symbol))
        return true;
    Dialogs::MsgBox(QStringLiteral("A stock symbol is made of letters, digits and . ^ - _ = only, without blanks. "
                                   "Please try again"),
                    Dialogs::vbInformation, QStringLiteral("Invalid stock symbol"));
    return false;
}

} // namespace

StkSet::StkSet() : QDialog(nullptr)
{
    setObjectName(QStringLiteral("StkSet"));
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);

    auto *grid = new QGridLayout(this);
    static const char *captions[5] = {"Stock Groups (Double Click To Edit)", "Stocks List", "Alerts", "High", "Low"};
    for (int i = 0; i < 5; ++i) {
        lbl1[i] = new QLabel(QString::fromLatin1(captions[i]), this);
        lbl1[i]->setObjectName(Indexed("lbl1", i));
    }

    lstSets = new QListWidget(this);
    lstSets->setObjectName(QStringLiteral("lstSets"));
    lstSets->setToolTip(QStringLiteral("Stock Groups (Double Click To Change Group Name)"));
    lstStk = new QListWidget(this);
    lstStk->setObjectName(QStringLiteral("lstStk"));
    lstStk->setToolTip(QStringLiteral("Stocks"));
    grid->addWidget(lbl1[0], 0, 0);
    grid->addWidget(lbl1[1], 0, 1);
    grid->addWidget(lstSets, 1, 0);
    grid->addWidget(lstStk, 1, 1);

    auto *side = new QVBoxLayout;
    Pic = new QLabel(this);
    Pic->setObjectName(QStringLiteral("Pic"));
    side->addWidget(Pic);
    static const char *actions[4] = {"Add Stock", "Remove Stock", "Find Stock Symbol", "Rename Stock"};
    static const char *actionTips[4] = {"Click To Add New Stock To Selected Group",
                                        "Select Stock Symbol In The Symbol List And Click To Remove Select Stock",
                                        "Click To Find Stock Symbol", nullptr};
    QFont linkFont(QStringLiteral("Times New Roman"));
    for (int i = 0; i < 4; ++i) {
        lblAction[i] = new QLabel(QString::fromLatin1(actions[i]), this);
        lblAction[i]->setObjectName(Indexed("lblAction", i));
        lblAction[i]->setFont(linkFont);
        lblAction[i]->setCursor(Qt::PointingHandCursor);
        lblAction[i]->setMouseTracking(true);
        if (actionTips[i])
            lblAction[i]->setToolTip(QString::fromLatin1(actionTips[i]));
        lblAction[i]->installEventFilter(this);
        side->addWidget(lblAction[i]);
    }
    side->addSpacing(8);
    side->addWidget(lbl1[2]);
    auto *alerts = new QGridLayout;
    static const char *alertTips[2] = {"Select Stock Symbol In The Symbol List And Enter Low Price Alert",
                                       "Select Stock Symbol In The Symbol List And Enter High Price Alert"};
    for (int i = 0; i < 2; ++i) {
        txtAlert[i] = new QLineEdit(this);
        txtAlert[i]->setObjectName(Indexed("txtAlert", i));
        txtAlert[i]->setToolTip(QString::fromLatin1(alertTips[i]));
    }
    alerts->addWidget(lbl1[4], 0, 0);
    alerts->addWidget(txtAlert[0], 0, 1);
    alerts->addWidget(lbl1[3], 1, 0);
    alerts->addWidget(txtAlert[1], 1, 1);
    side->addLayout(alerts);
    side->addStretch(1);
    grid->addLayout(side, 0, 2, 2, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto button = [&](QPushButton *&b, const char *name, const char *caption) {
        b = new QPushButton(QString::fromLatin1(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        buttons->addWidget(b);
    };
    button(cmdOK, "cmdOK", "&OK");
    button(cmdCancel, "cmdCancel", "&Cancel");
    button(cmdApply, "cmdApply", "Apply");
    button(cmdHelp, "cmdHelp", "&Help");
    cmdOK->setDefault(true);
    grid->addLayout(buttons, 2, 0, 1, 3);

    connect(lstSets, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            lstSets_Click();
    });
    connect(lstSets, &QListWidget::itemDoubleClicked, this, [this] { lstSets_DblClick(); });
    connect(lstStk, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            lstStk_Click();
    });
    connect(lstStk, &QListWidget::itemDoubleClicked, this, [this] { lstStk_DblClick(); });
    for (int i = 0; i < 2; ++i)
        connect(txtAlert[i], &QLineEdit::textChanged, this, [this, i] { txtAlert_Change(i); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    connect(cmdApply, &QPushButton::clicked, this, [this] { cmdApply_Click(); });
    connect(cmdHelp, &QPushButton::clicked, this, [this] { cmdHelp_Click(); });
}

StkSet::~StkSet()
{
    if (g_stkset == this)
        g_stkset = nullptr;
}

StkSet *StkSet::Load()
{
    if (!g_stkset) {
        g_stkset = new StkSet;
        g_stkset->Form_Load();
    }
    return g_stkset;
}

StkSet *StkSet::Loaded() { return g_stkset; }

void StkSet::Unload()
{
    if (g_stkset == this)
        g_stkset = nullptr;
    hide();
    deleteLater();
}

void StkSet::Form_Load()
{
    Pic->setPixmap(Artwork::Picture(QStringLiteral("Investor")));
    Make_lblAction_Blue();
    LoadSets();
    lstSets_Click();
}

void StkSet::LoadSets()
{
    {
        const QSignalBlocker quiet(lstSets);
        lstSets->clear();
        for (int n = 0; n < SetCount; ++n)
            lstSets->addItem(SetName(n));
        lstSets->setCurrentRow(0);
    }
    lblAction[0]->setEnabled(false);
    lblAction[1]->setEnabled(false);
    cmdApply->setEnabled(false);
}

bool StkSet::TableOf(int16_t set, Stock::StockTable &table) const
{
    // The open set in memory is newer than its file while quotes come in.
    if (set == CurrentSet) {
        table = Stocks;
        return true;
    }
    table.fill({});
    return Stock::ReadStocks(set, table);
}

void StkSet::LoadData()
{
    Stock::StockTable table{};
    TableOf(set_, table);
    alerts_ = SetList::AlertsBySymbol(table);
    for (const StockRecord &r : table)
        if (!Stock::IsFreeSlot(r.Symbol))
            lstStk->addItem(Text::FromCp1252(r.Symbol));
}

void StkSet::lstSets_Click()
{
    const int row = lstSets->currentRow();
    if (row < 0 || row >= SetCount)
        return;
    lblAction[0]->setEnabled(true);
    lblAction[1]->setEnabled(true);
    set_ = int16_t(row);
    // Unapplied changes belong to the set left behind.
    edits_.clear();
    typed_.clear();
    // The boxes belong to the stock of the set left behind.
    {
        const QSignalBlocker quietList(lstStk);
        const QSignalBlocker quietLow(txtAlert[0]);
        const QSignalBlocker quietHigh(txtAlert[1]);
        lstStk->clear();
        txtAlert[0]->clear();
        txtAlert[1]->clear();
    }
    LoadData();
}

void StkSet::lstSets_DblClick()
{
    const int n = lstSets->currentRow();
    if (n < 0 || n >= SetCount)
        return;
    const QString name = Dialogs::InputBox(QStringLiteral("Enter New Name For This Set"), QStringLiteral("New Set Name"),
                                           lstSets->item(n)->text());
    if (name.isEmpty())
        return;
    Vb::Skip([&] { Settings::SetGroup(QStringLiteral("Group%1").arg(n), name); });
    LoadSets();
    {
        const QSignalBlocker quiet(lstSets);
        lstSets->setCurrentRow(n);
    }
    lstSets_Click();
}

void StkSet::ShowAlerts(const QByteArray &symbol)
{
    const SetList::Alerts stored = alerts_.value(symbol);
    const std::array<QString, 2> typed = typed_.value(symbol);
    filling_ = true;
    txtAlert[0]->setText(typed[0].isEmpty() ? Vb::SingleToString(stored.Low) : typed[0]);
    txtAlert[1]->setText(typed[1].isEmpty() ? Vb::SingleToString(stored.High) : typed[1]);
    filling_ = false;
}

void StkSet::lstStk_Click()
{
    const QListWidgetItem *item = lstStk->currentItem();
    if (!item)
        return;
    ShowAlerts(Text::ToCp1252(item->text()));
}

int StkSet::Occurrence(int row) const
{
    int n = 0;
    for (int i = 0; i < row; ++i)
        n += lstStk->item(i)->text() == lstStk->item(row)->text();
    return n;
}

void StkSet::lstStk_DblClick() { RenameStock(); }

void StkSet::txtAlert_Change(int index)
{
    cmdApply->setEnabled(true);
    QLineEdit *box = txtAlert[index];
    if (!box->text().isEmpty() && !SetList::ReadsAsNumber(box->text())) {
        Dialogs::MsgBox(QStringLiteral("Please type numbers."), Dialogs::vbInformation, QStringLiteral("Numbers only"));
        box->clear(); // runs this again for the empty box
        box->setFocus();
        return;
    }
    // What is typed stays with the selected stock until Apply or Cancel,
    // while other stocks are chosen.
    const QListWidgetItem *item = lstStk->currentItem();
    if (filling_ || !item)
        return;
    typed_[Text::ToCp1252(item->text())][size_t(index)] = box->text();
}

bool StkSet::AlertsUsable()
{
    for (int row = 0; row < lstStk->count(); ++row) {
        const auto typed = typed_.constFind(Text::ToCp1252(lstStk->item(row)->text()));
        if (typed == typed_.cend())
            continue;
        for (int i = 0; i < 2; ++i) {
            if (SetList::AlertUsable((*typed)[size_t(i)]))
                continue;
            // Selected, the stock's boxes show what was typed for it.
            lstStk->setCurrentRow(row);
            SetList::RefuseAlert(lbl1[i == 0 ? 4 : 3]->text());
            txtAlert[i]->setFocus();
            return false;
        }
    }
    return true;
}

void StkSet::lblAction_Click(int index)
{
    switch (index) {
    case 0: {
        if (lstStk->count() >= Stock::StockSlots) {
            Dialogs::MsgBox(QStringLiteral("A stock set holds at most 201 symbols."), Dialogs::vbInformation,
                            QStringLiteral("Stock set full"));
            return;
        }
        const QString typed = Dialogs::InputBox(QStringLiteral("Type Stock Symbol"), QStringLiteral("Stock Symbol"));
        if (typed.isEmpty())
            return;
        const QByteArray symbol = Symbol(typed);
        if (!Usable(symbol))
            return;
        const QString shown = Text::FromCp1252(symbol);
        for (int i = 0; i < lstStk->count(); ++i) {
            if (lstStk->item(i)->text() == shown) {
                Dialogs::MsgBox(QStringLiteral("You already have this symbol, Please try again"),
                                Dialogs::vbInformation, QStringLiteral("Duplicate stock symbol"));
                return;
            }
        }
        lstStk->addItem(shown);
        edits_.append({SetList::Edit::Add, symbol, {}, 0});
        cmdApply->setEnabled(true);
        break;
    }
    case 1: {
        const QListWidgetItem *item = lstStk->currentItem();
        if (item && !item->text().isEmpty()) {
            const int row = lstStk->row(item);
            const QByteArray symbol = Text::ToCp1252(item->text());
            edits_.append({SetList::Edit::Remove, symbol, {}, Occurrence(row)});
            {
                // Nothing is selected after the removal, so the boxes no
                // longer speak for any stock.
                const QSignalBlocker quiet(lstStk);
                delete lstStk->takeItem(row);
                lstStk->setCurrentItem(nullptr);
                lstStk->clearSelection();
            }
            txtAlert[0]->clear();
            txtAlert[1]->clear();
            if (lstStk->findItems(Text::FromCp1252(symbol), Qt::MatchExactly).isEmpty())
                typed_.remove(symbol);
        }
        cmdApply->setEnabled(true);
        break;
    }
    case 2: {
        const QString typed = Dialogs::InputBox(QStringLiteral("Insert a company name or any part of it."),
                                                QStringLiteral("Finding Symbol"));
        if (typed.isEmpty())
            return;
        Shell::Open(Hosts::Url(QStringLiteral("QuoteHost"),
                               QStringLiteral("/l?s=") + SheetCache::ForUrl(Text::ToCp1252(typed))));
        Misc::DoEvents();
        break;
    }
    case 3: {
        const QListWidgetItem *item = lstStk->currentItem();
        if (item && !item->text().isEmpty())
            RenameStock();
        break;
    }
    default:
        break;
    }
}

void StkSet::RenameStock()
{
    QListWidgetItem *item = lstStk->currentItem();
    if (!item)
        return;
    const QString typed = Dialogs::InputBox(QStringLiteral("Enter New Name For This Symbol"),
                                            QStringLiteral("New Stock Symbol"), item->text());
    if (typed.isEmpty())
        return;
    const QByteArray symbol = Symbol(typed);
    if (!Usable(symbol))
        return;
    cmdApply->setEnabled(true);
    const QByteArray old = Text::ToCp1252(item->text());
    edits_.append({SetList::Edit::Rename, old, symbol, Occurrence(lstStk->row(item))});
    item->setText(Text::FromCp1252(symbol));
    // Alerts typed for the stock follow it to its new symbol.
    if (lstStk->findItems(Text::FromCp1252(old), Qt::MatchExactly).isEmpty() && typed_.contains(old))
        typed_.insert(symbol, typed_.take(old));
}

bool StkSet::UpdateINI()
{
    if (!AlertsUsable())
        return false;
    // The run saves the open set's quotes itself; a second writer then
    // would lose one of the two.
    const MainView *m = MainView::Loaded();
    if (m && m->UpdateRunning()) {
        Dialogs::MsgBox(QStringLiteral("An update is running. Nothing was saved; please try again when it has ended."),
                        Dialogs::vbInformation, QStringLiteral("Stock set not saved"));
        return false;
    }
    // The set as it is on disk now, with what the main window did since
    // the editor loaded it; a set whose file cannot be read is not written
    // over.
    Stock::StockTable table{};
    bool saved = Stock::ReadStocks(set_, table);
    if (saved) {
        QHash<QByteArray, SetList::TypedAlerts> alerts;
        for (auto t = typed_.cbegin(); t != typed_.cend(); ++t)
            alerts.insert(t.key(), {SetList::AlertValue(t.value()[0]), SetList::AlertValue(t.value()[1])});
        SetList::ApplyEdits(table, edits_, alerts);
        saved = Stock::SaveStocks(set_, table);
    }
    if (!saved) {
        Dialogs::MsgBox(QStringLiteral("The stock set could not be saved."), Dialogs::vbCritical,
                        QStringLiteral("Stock set not saved"));
        return false;
    }
    edits_.clear();
    typed_.clear();
    alerts_ = SetList::AlertsBySymbol(table);
    Relist(table);
    if (set_ == CurrentSet)
        Stock::ReadStocks();
    return true;
}

void StkSet::Relist(const Stock::StockTable &table)
{
    const QListWidgetItem *item = lstStk->currentItem();
    const QString selected = item ? item->text() : QString();
    const QSignalBlocker quiet(lstStk);
    lstStk->clear();
    for (const StockRecord &r : table)
        if (!Stock::IsFreeSlot(r.Symbol))
            lstStk->addItem(Text::FromCp1252(r.Symbol));
    const QList<QListWidgetItem *> found = selected.isEmpty() ? QList<QListWidgetItem *>()
                                                               : lstStk->findItems(selected, Qt::MatchExactly);
    if (!found.isEmpty())
        lstStk->setCurrentItem(found.first());
}

void StkSet::cmdApply_Click()
{
    const RunOnce once(this, "cmdApply_Click");
    if (!once)
        return;
    cmdApply->setEnabled(false);
    if (!UpdateINI())
        cmdApply->setEnabled(true);
}

void StkSet::cmdOK_Click()
{
    const RunOnce once(this, "cmdOK_Click");
    if (!once || !UpdateINI())
        return;
    // Names first, so the command bar shows the chosen set's new name.
    if (MainView *m = MainView::Loaded()) {
        m->LoadSets();
        m->mnuSet_Click(set_);
    }
    const QPointer<StkSet> self(this);
    Misc::DoEvents();
    if (self)
        Misc::RollWindow(self, 25);
    if (self)
        self->Unload();
    Misc::DoEvents();
}

void StkSet::cmdCancel_Click()
{
    const RunOnce once(this, "cmdCancel_Click");
    if (!once)
        return;
    const QPointer<StkSet> self(this);
    Misc::RollWindow(this, 25);
    if (self)
        self->Unload();
}

void StkSet::reject() { cmdCancel_Click(); }

void StkSet::cmdHelp_Click()
{
    Help::Show(QStringLiteral("Tkw5.chm"), QStringLiteral(">Small"), 1006, this);
}

void StkSet::Make_lblAction_Blue()
{
    for (QLabel *l : lblAction)
        VbColor::SetForeColor(l, Blue);
}

void StkSet::lblAction_MouseMove(int index)
{
    if (VbColor::ForeColor(lblAction[index]) == Red)
        return;
    Make_lblAction_Blue();
    VbColor::SetForeColor(lblAction[index], Red);
}

void StkSet::lblAction_MouseDown(int index)
{
    Make_lblAction_Blue();
    VbColor::SetForeColor(lblAction[index], Green);
}

void StkSet::lblAction_MouseUp(int) { Make_lblAction_Blue(); }

void StkSet::Form_MouseMove()
{
    for (QLabel *l : lblAction)
        if (VbColor::ForeColor(l) != Blue)
            VbColor::SetForeColor(l, Blue);
}

void StkSet::mouseMoveEvent(QMouseEvent *event)
{
    Form_MouseMove();
    QDialog::mouseMoveEvent(event);
}

bool StkSet::eventFilter(QObject *watched, QEvent *event)
{
    for (int i = 0; i < 4; ++i) {
        if (watched != lblAction[i])
            continue;
        // A disabled label hears no mouse.
        if (!lblAction[i]->isEnabled())
            return event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease
                   || event->type() == QEvent::MouseButtonDblClick || event->type() == QEvent::MouseMove;
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            lblAction_MouseDown(i);
            return true;
        case QEvent::MouseMove:
            // Not on to the window: its own move would turn the label blue.
            lblAction_MouseMove(i);
            return true;
        case QEvent::MouseButtonRelease: {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            lblAction_MouseUp(i);
            if (mouse->button() == Qt::LeftButton && lblAction[i]->rect().contains(mouse->position().toPoint()))
                lblAction_Click(i);
            return true;
        }
        default:
            return false;
        }
    }
    return QDialog::eventFilter(watched, event);
}
