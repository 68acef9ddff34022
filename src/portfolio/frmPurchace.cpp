#include "portfolio/frmPurchace.h"

#include "collect/UpdateJobs.h"
#include "core/Misc.h"
#include "core/Stock.h"
#include "platform/BoxValue.h"
#include "platform/ControlNames.h"
#include "platform/Dialogs.h"
#include "platform/RunOnce.h"
#include "platform/Text.h"
#include "platform/Vb.h"
#include "portfolio/PortfolioGrids.h"

#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <limits>

QString TransactionMode;
QByteArray TransactionSymbol;
int16_t TransactionID = 0;
int16_t TransactionSlot = 0;
double LotPrice = 0;
int16_t LotShares = 0;

namespace {

QLabel *Label(QWidget *parent, const QString &name, const QString &text)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

QLineEdit *Box(QWidget *parent, const char *name, const char *text, const char *tip)
{
    auto *b = new QLineEdit(QString::fromLatin1(text), parent);
    b->setObjectName(QString::fromLatin1(name));
    if (tip)
        b->setToolTip(QString::fromLatin1(tip));
    return b;
}

std::optional<double> Number(const QString &text)
{
    bool ok = false;
    const double v = Vb::ParseNumber(text, &ok);
    return ok ? std::optional<double>(v) : std::nullopt;
}

// The date forms a user types and the program writes, and day.month.year,
// which portfolio files written elsewhere hold.
bool ReadsAsDate(const QString &text)
{
    static const char *const forms[] = {"M/d/yyyy",    "M/d/yy",     "yyyy-MM-dd", "d MMM yyyy",
                                        "MMM d, yyyy", "MMM d yyyy", "d.M.yyyy",   "d.M.yy"};
    const QString t = text.trimmed();
    for (const char *form : forms)
        if (QDate::fromString(t, QString::fromLatin1(form)).isValid())
            return true;
    return false;
}

void SetIfOther(QLineEdit *box, const QString &text)
{
    if (box->text() != text)
        box->setText(text);
}

void PortfolioFull()
{
    Dialogs::MsgBox(QStringLiteral("The portfolio holds 99 transactions, the most it can keep. "
                                   "Delete a transaction before adding another."),
                    Dialogs::vbInformation, QStringLiteral("Portfolio full"));
}

} // namespace

frmPurchace::frmPurchace(QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("frmPurchace"));
    setWindowTitle(QStringLiteral("Buy Stock"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto *info = new QGroupBox(QStringLiteral("Symbol Information"), this);
    info->setObjectName(QStringLiteral("Frame1"));
    auto *ig = new QGridLayout(info);
    const char *captions[] = {"Symbol:", "Name:", "Current Price:", "ID:"};
    QLabel **values[] = {&lblSymbol, &lblName, &lblCurrent, &lblID};
    const char *names[] = {"lblSymbol", "lblName", "lblCurrent", "lblID"};
    for (int i = 0; i < 4; ++i) {
        ig->addWidget(Label(info, ControlNames::Indexed("Label1", i), QString::fromLatin1(captions[i])), i, 0);
        *values[i] = Label(info, QString::fromLatin1(names[i]), QStringLiteral("-"));
        ig->addWidget(*values[i], i, 1);
    }

    auto *buy = new QGroupBox(QStringLiteral("Purchase Information"), this);
    buy->setObjectName(QStringLiteral("Frame2"));
    auto *bg = new QGridLayout(buy);
    const char *boxCaptions[] = {"Purchase Date:", "Quantity:", "Purchase Price:", "Trade Commission:"};
    txtDate = Box(buy, "txtDate", "", nullptr);
    txtShares = Box(buy, "txtShares", "0", "Shares Quantity");
    txtPrice = Box(buy, "txtPrice", "0", "Cost");
    txtComm = Box(buy, "txtComm", "0", "Commission");
    QLineEdit *boxes[] = {txtDate, txtShares, txtPrice, txtComm};
    for (int i = 0; i < 4; ++i) {
        lbl[i] = Label(buy, ControlNames::Indexed("lbl", i), QString::fromLatin1(boxCaptions[i]));
        bg->addWidget(lbl[i], i, 0);
        bg->addWidget(boxes[i], i, 1);
    }
    lbl[0]->setToolTip(QStringLiteral("Enter The Parchase Date"));

    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setToolTip(QStringLiteral("Confirm"));
    cmdOK->setDefault(true);
    cmdOK->setEnabled(false);
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setToolTip(QStringLiteral("Cancel Operation And Close Window"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(info);
    layout->addWidget(buy);
    layout->addLayout(buttons);

    connect(txtDate, &QLineEdit::textChanged, this, [this] { txtDate_Change(); });
    connect(txtShares, &QLineEdit::textChanged, this, [this] { txtShares_Change(); });
    connect(txtPrice, &QLineEdit::textChanged, this, [this] { txtPrice_Change(); });
    connect(txtComm, &QLineEdit::textChanged, this, [this] { txtComm_Change(); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });

    Form_Load();
}

QString frmPurchace::TodayText() { return UpdateJobs::Today().toString(QStringLiteral("M/d/yyyy")); }

void frmPurchace::Form_Load()
{
    // A correction is filled by its opener.
    if (TransactionMode != QLatin1String("NewStock") && TransactionMode != QLatin1String("Sell"))
        return;
    txtDate->setText(TodayText());
    CurrentPrice = Stock::GetLastPrice(TransactionSymbol);
    lblCurrent->setText(Text::FromCp1252(CurrentPrice));
    txtPrice->setText(Text::FromCp1252(CurrentPrice));
    lblSymbol->setText(Text::FromCp1252(TransactionSymbol));
    lblID->setText(QString::number(TransactionID));
    if (TransactionMode == QLatin1String("Sell"))
        txtShares->setText(QString::number(LotShares));
}

void frmPurchace::txtDate_Change()
{
    if (txtDate->text().isEmpty())
        txtDate->setText(TodayText());
}

void frmPurchace::txtShares_Change()
{
    const std::optional<double> n = Number(txtShares->text());
    if (!n) {
        SetIfOther(txtShares, QStringLiteral("0"));
        cmdOK->setEnabled(false);
        return;
    }
    if (SaleBounded() && *n > LotShares) {
        Dialogs::MsgBox(QStringLiteral("You can not sell more then buying.\r\nPlease sell less then %1 shares.")
                            .arg(LotShares),
                        Dialogs::vbInformation, QStringLiteral("Sell Less Then %1").arg(LotShares));
        txtShares->setText(QString::number(LotShares));
        txtShares->setFocus();
        return;
    }
    // Whole shares that a transaction record can hold.
    cmdOK->setEnabled(*n >= 1 && *n <= MaxShares && *n == std::floor(*n));
}

void frmPurchace::txtPrice_Change()
{
    if (!Number(txtPrice->text()))
        SetIfOther(txtPrice, Text::FromCp1252(CurrentPrice));
}

void frmPurchace::txtComm_Change()
{
    if (!Number(txtComm->text()))
        SetIfOther(txtComm, QStringLiteral("0"));
}

void frmPurchace::cmdOK_Click()
{
    const RunOnce once(this, "cmdOK_Click");
    if (!once || !cmdOK->isEnabled())
        return;
    bool close = false;
    if (TransactionMode == QLatin1String("NewStock"))
        close = Buy();
    else if (TransactionMode == QLatin1String("Sell"))
        close = Sell();
    else if (TransactionMode == QLatin1String("Edit"))
        close = EditTransaction();
    else
        close = true;
    if (close)
        cmdCancel_Click();
}

void frmPurchace::cmdCancel_Click()
{
    const RunOnce once(this, "cmdCancel_Click");
    if (!once)
        return;
    const QPointer<frmPurchace> self(this);
    Misc::RollWindow(this, 25);
    Misc::DoEvents();
    if (self)
        self->Unload();
    Misc::DoEvents();
}

void frmPurchace::reject() { cmdCancel_Click(); }

void frmPurchace::Unload()
{
    hide();
    deleteLater();
}

void frmPurchace::FillStored(const TransactionRecord &t)
{
    stored_ = t;
    // A sale may take what its lot has left besides it, as a new one does.
    const std::optional<int16_t> limit = t.Action == "Sell" ? Stock::SaleLimit(TransactionSlot) : std::nullopt;
    storedSale_ = limit.has_value();
    if (limit)
        LotShares = *limit;
    txtComm->setText(QString::fromLatin1(PortfolioGrids::Format2(t.Commission)));
    // The price as stored, not rounded to cents.
    txtPrice->setText(QString::fromLatin1(PortfolioGrids::ExactText(t.Price)));
    txtDate->setText(Text::FromCp1252(t.Date));
    txtShares->setText(QString::number(t.Shares));
    const std::array<const QLineEdit *, 4> boxes = StoredBoxes();
    for (int i = 0; i < 4; ++i)
        filled_[i] = boxes[i]->text();
}

std::array<const QLineEdit *, 4> frmPurchace::StoredBoxes() const { return {txtDate, txtShares, txtPrice, txtComm}; }

bool frmPurchace::Untouched(const QLineEdit *box) const
{
    const std::array<const QLineEdit *, 4> boxes = StoredBoxes();
    for (int i = 0; i < 4; ++i)
        if (box == boxes[i])
            return stored_ && box->text() == filled_[i];
    return false;
}

bool frmPurchace::SaleBounded() const
{
    return TransactionMode == QLatin1String("Sell") || (TransactionMode == QLatin1String("Edit") && storedSale_);
}

QString frmPurchace::BoxName(const QLineEdit *box) const
{
    const std::array<const QLineEdit *, 4> boxes = StoredBoxes();
    const auto at = std::find(boxes.begin(), boxes.end(), box);
    QString name = at == boxes.end() ? QString() : lbl[at - boxes.begin()]->text();
    if (name.endsWith(u':'))
        name.chop(1);
    return name;
}

bool frmPurchace::Refuse(QLineEdit *box, const QString &text, const QString &title)
{
    Dialogs::MsgBox(text, Dialogs::vbExclamation, title);
    box->setFocus();
    return false;
}

bool frmPurchace::InRange(QLineEdit *box)
{
    if (Untouched(box))
        return true;
    const bool shares = box == txtShares;
    const double low = shares ? 1 : 0;
    const double high = shares ? MaxShares : double(std::numeric_limits<float>::max());
    std::optional<double> v;
    if (shares)
        v = Vb::NumberBoxValue(box->text());
    else if (const std::optional<float> single = Vb::SingleBoxValue(box->text()))
        v = *single;
    if (v && (!shares || *v == std::floor(*v)) && std::isfinite(*v) && *v >= low && *v <= high)
        return true;
    const QString top = shares ? QString::number(MaxShares) : Vb::SingleToString(float(high));
    Vb::RefuseNumber(box, BoxName(box), QString::number(low), top);
    return false;
}

bool frmPurchace::CheckBoxes(int16_t defaultShares)
{
    // An empty box means today; a stored date is kept in whatever form it
    // was written; any other text must read as a date.
    if (txtDate->text().trimmed().isEmpty())
        txtDate->setText(TodayText());
    else if (!Untouched(txtDate) && !ReadsAsDate(txtDate->text()))
        return Refuse(txtDate,
                      QStringLiteral("Please type a date such as %1 in \"%2\".").arg(TodayText(), BoxName(txtDate)),
                      QStringLiteral("Not a date"));
    if (txtShares->text().isEmpty()) {
        txtShares->setText(Dialogs::InputBox(QStringLiteral("How many shares do you want to buy?"),
                                             QStringLiteral("Enter the number of shares to buy"),
                                             QString::number(defaultShares)));
        if (txtShares->text().isEmpty()) {
            txtShares->setFocus();
            return false;
        }
    }
    if (txtPrice->text().isEmpty()) {
        txtPrice->setText(Dialogs::InputBox(QStringLiteral("What is purchase price?"),
                                            QStringLiteral("Enter shares price"), Text::FromCp1252(CurrentPrice)));
        if (txtPrice->text().isEmpty()) {
            txtPrice->setFocus();
            return false;
        }
    }
    if (txtComm->text().isEmpty())
        txtComm->setText(QStringLiteral("0"));
    return InRange(txtShares) && InRange(txtPrice) && InRange(txtComm);
}

void frmPurchace::SaveFailed()
{
    Dialogs::MsgBox(QStringLiteral("The portfolio could not be saved; the transaction was not written."),
                    Dialogs::vbCritical, QStringLiteral("Portfolio not saved"));
}

namespace {

// A box's number as CheckBoxes let it through.
double NumberOf(const QLineEdit *box) { return Vb::NumberBoxValue(box->text()).value_or(0); }

int16_t SharesOf(const QLineEdit *box) { return int16_t(NumberOf(box)); }

} // namespace

bool frmPurchace::Buy()
{
    if (!CheckBoxes(1))
        return false;
    const std::optional<Stock::NewTransaction> next = Stock::NextTransaction();
    if (!next) {
        PortfolioFull();
        return false;
    }
    const bool saved = Stock::SetTransaction("Buy", TransactionSymbol, SharesOf(txtShares), float(NumberOf(txtComm)),
                                             Text::ToCp1252(txtDate->text()), NumberOf(txtPrice), CurrentPrice, 0,
                                             next->ID, next->Slot);
    if (!saved)
        SaveFailed();
    return saved;
}

bool frmPurchace::Sell()
{
    if (!CheckBoxes(LotShares))
        return false;
    const std::optional<Stock::NewTransaction> next = Stock::NextTransaction();
    if (!next) {
        PortfolioFull();
        return false;
    }
    const int16_t shares = SharesOf(txtShares);
    const double commission = NumberOf(txtComm);
    const double price = NumberOf(txtPrice);
    const int16_t lot = Stock::FindPurchase(TransactionID);
    // Without its lot (deleted meanwhile) the sale is reckoned from the
    // price handed over.
    const double gain = lot != Stock::NotFound ? Stock::SaleGain(Portfolio[size_t(lot)], shares, price, commission)
                                               : shares * (price - LotPrice) - commission;
    if (!Stock::SetTransaction("Sell", TransactionSymbol, shares, float(commission), Text::ToCp1252(txtDate->text()),
                               price, CurrentPrice, gain, TransactionID, next->Slot)) {
        SaveFailed();
        return false;
    }
    return true;
}

bool frmPurchace::EditTransaction()
{
    if (!CheckBoxes(1))
        return false;
    // What the user did not change is written back as it is stored.
    const int16_t shares = Untouched(txtShares) ? stored_->Shares : SharesOf(txtShares);
    const float commission = Untouched(txtComm) ? stored_->Commission : float(NumberOf(txtComm));
    const QByteArray date = Untouched(txtDate) ? stored_->Date : Text::ToCp1252(txtDate->text());
    const double price = Untouched(txtPrice) ? double(stored_->Price) : NumberOf(txtPrice);
    // A lot keeps at least the shares already sold from it.
    const int sold = stored_->Action == "Buy" ? Stock::SharesSold(stored_->ID) : 0;
    if (!Untouched(txtShares) && shares < sold)
        return Refuse(txtShares,
                      QStringLiteral("%1 shares of this purchase are already sold.\r\nPlease type at least %1 in \"%2\".")
                          .arg(QString::number(sold), BoxName(txtShares)),
                      QStringLiteral("Shares already sold"));
    if (!Stock::EditTransaction(TransactionSlot, shares, commission, date, price)) {
        SaveFailed();
        return false;
    }
    return true;
}
