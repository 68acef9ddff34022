#include "queries/Reuters.h"

#include "collect/UpdateJobs.h"
#include "core/Hosts.h"
#include "core/Misc.h"
#include "platform/ControlNames.h"
#include "platform/RunOnce.h"
#include "platform/Vb.h"
#include "platform/VbColor.h"
#include "queries/QueryTables.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

using Queries::ForAddress;

Reuters *g_reuters = nullptr;

QString TwoDigits(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

bool IsNumber(const QString &text)
{
    bool ok = false;
    Vb::ParseNumber(text, &ok);
    return ok;
}

// "01", or the 1st written otherwise ("1" before the box is left).
bool IsOne(const QString &text)
{
    bool ok = false;
    const double v = Vb::ParseNumber(text, &ok);
    return ok && v == 1;
}

QString Padded(const QString &text) { return text.size() == 1 ? u'0' + text : text; }

int DaysIn(int month, int year) { return QDate(year, month, 1).daysInMonth(); }

// The from-date seven days back. The day alone is today's day less seven;
// on the 1st to the 7th that is no day, so the day and its month are taken
// from the calendar (month empty: the from-month stays).
Reuters::FromDate WeekBack(QDate today)
{
    if (today.day() > 7)
        return {QString::number(today.day() - 7), QString()};
    const QDate back = today.addDays(-7);
    return {QString::number(back.day()), TwoDigits(back.month())};
}

// The length a choice of the list stands for: its first two characters.
int16_t LengthOf(const QString &choice) { return Vb::CInt(Vb::CDbl(choice.left(2).trimmed())); }


} // namespace

Reuters::FromDate Reuters::LengthRule(int length, const QString &fromDay, const QString &fromMonth,
                                      const QString &toDay, const QString &toMonth, QDate today)
{
    FromDate out{fromDay, fromMonth};
    const QString td = toDay.isEmpty() ? TwoDigits(today.day()) : toDay;
    const QString tm = toMonth.isEmpty() ? TwoDigits(today.month()) : toMonth;
    switch (length) {
    case 24:
        if (IsOne(td)) {
            // The day before the 1st: the last day of the month before.
            Vb::Skip([&] {
                const double m = Vb::CDbl(tm);
                const double before = m == 1 ? 12 : m - 1;
                if (before != int(before) || before < 1 || before > 12)
                    throw VbError::TypeMismatch();
                out.day = QString::number(DaysIn(int(before), today.year()));
                out.month = QString::number(int(before));
            });
        } else {
            Vb::Skip([&] { out.day = Vb::DoubleToString(Vb::CDbl(td) - 1); });
            out.month = tm;
        }
        break;
    case 7: {
        const FromDate back = WeekBack(today);
        out.day = back.day;
        if (!back.month.isNull())
            out.month = back.month;
        break;
    }
    case 30:
        Vb::Skip([&] {
            const double m = Vb::CDbl(tm);
            const double before = m == 1 ? 12 : m - 1;
            out.month = Vb::DoubleToString(before);
            // A from-day the new month lacks becomes its last day.
            if (before != int(before) || before < 1 || before > 12)
                return;
            bool ok = false;
            const double day = Vb::ParseNumber(out.day, &ok);
            const int last = DaysIn(int(before), today.year());
            if (ok && day > last)
                out.day = QString::number(last);
        });
        break;
    default: break;
    }
    return {Padded(out.day), Padded(out.month)};
}

Reuters::Reuters(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint)
{
    setObjectName(QStringLiteral("Reuters"));
    setWindowTitle(QString());
    const QColor grey(128, 128, 128);

    auto *root = new QVBoxLayout(this);
    root->setSizeConstraint(QLayout::SetFixedSize);
    auto *top = new QHBoxLayout;
    root->addLayout(top);

    auto *stocks = new QGridLayout;
    for (int i = 0; i < 5; ++i) {
        lblStock[i] = new QLabel(QStringLiteral("Stock %1:").arg(i + 1), this);
        lblStock[i]->setObjectName(ControlNames::Indexed("lblStock", i));
        VbColor::SetForeColor(lblStock[i], grey);
        txtSymbol[i] = new QLineEdit(this);
        txtSymbol[i]->setObjectName(ControlNames::Indexed("txtSymbol", i));
        txtSymbol[i]->setToolTip(QStringLiteral("Enter Stock Symbol"));
        lblStock[i]->setBuddy(txtSymbol[i]);
        stocks->addWidget(lblStock[i], i, 0);
        stocks->addWidget(txtSymbol[i], i, 1);
    }
    top->addLayout(stocks);

    fraOptions = new QGroupBox(QStringLiteral("Options"), this);
    fraOptions->setObjectName(QStringLiteral("fraOptions"));
    auto *options = new QGridLayout(fraOptions);
    auto label = [&](const QString &text, QLineEdit *buddy, int row, int col) {
        auto *l = new QLabel(text, fraOptions);
        VbColor::SetForeColor(l, grey);
        l->setBuddy(buddy);
        options->addWidget(l, row, col);
    };
    auto dateBox = [&](const char *name) {
        auto *box = new QLineEdit(fraOptions);
        box->setObjectName(QLatin1String(name));
        box->setMaxLength(2);
        return box;
    };
    cboLength = new QComboBox(fraOptions);
    cboLength->setObjectName(QStringLiteral("cboLength"));
    txtFromDay = dateBox("txtFromDay");
    txtFromMonth = dateBox("txtFromMonth");
    txt_ToDay = dateBox("txt_ToDay");
    txt_ToMonth = dateBox("txt_ToMonth");
    auto *lblLength = new QLabel(QStringLiteral("Length:"), fraOptions);
    VbColor::SetForeColor(lblLength, grey);
    options->addWidget(lblLength, 0, 0);
    options->addWidget(cboLength, 0, 1, 1, 3);
    label(QStringLiteral("From Day:"), txtFromDay, 1, 0);
    options->addWidget(txtFromDay, 1, 1);
    label(QStringLiteral("Month:"), txtFromMonth, 1, 2);
    options->addWidget(txtFromMonth, 1, 3);
    label(QStringLiteral("To Day:"), txt_ToDay, 2, 0);
    options->addWidget(txt_ToDay, 2, 1);
    label(QStringLiteral("Month:"), txt_ToMonth, 2, 2);
    options->addWidget(txt_ToMonth, 2, 3);
    top->addWidget(fraOptions);

    auto *buttons = new QHBoxLayout;
    cmdQuery = new QPushButton(QStringLiteral("Query"), this);
    cmdQuery->setObjectName(QStringLiteral("cmdQuery"));
    cmdQuery->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);
    buttons->addWidget(cmdQuery);
    buttons->addStretch(1);
    buttons->addWidget(cmdCancel);
    root->addLayout(buttons);

    for (QLineEdit *box : txtSymbol)
        box->installEventFilter(this);
    for (QLineEdit *box : {txtFromDay, txtFromMonth, txt_ToDay, txt_ToMonth})
        box->installEventFilter(this);
    connect(txtFromMonth, &QLineEdit::textChanged, this, [this] { txtFromMonth_Change(); });
    connect(txt_ToMonth, &QLineEdit::textChanged, this, [this] { txt_ToMonth_Change(); });
    connect(cboLength, &QComboBox::activated, this, [this] { cboLength_Click(); });
    connect(cmdQuery, &QPushButton::clicked, this, [this] { cmdQuery_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
}

Reuters::~Reuters()
{
    if (g_reuters == this)
        g_reuters = nullptr;
}

Reuters *Reuters::Loaded() { return g_reuters; }

Reuters *Reuters::Load()
{
    if (!g_reuters) {
        g_reuters = new Reuters;
        g_reuters->Form_Load();
        g_reuters->adjustSize();
    }
    return g_reuters;
}

void Reuters::Form_Load()
{
    cboLength->addItems({QStringLiteral("24 Hours"), QStringLiteral("7 Days"), QStringLiteral("30 Dayes")});
    // Choosing the length runs its rule once; the dates below replace it.
    cboLength->setCurrentIndex(1);
    cboLength_Click();
    Vb::Skip([this] { HeadlineLength = LengthOf(cboLength->currentText()); });
    const QDate today = UpdateJobs::Today();
    const FromDate back = WeekBack(today);
    txtFromDay->setText(back.day);
    txtFromMonth->setText(back.month.isNull() ? TwoDigits(today.month()) : back.month);
    txt_ToMonth->setText(TwoDigits(today.month()));
    txt_ToDay->setText(TwoDigits(today.day()));
}

void Reuters::cboLength_Click()
{
    Vb::Skip([this] { HeadlineLength = LengthOf(cboLength->currentText()); });
    const FromDate from = LengthRule(HeadlineLength, txtFromDay->text(), txtFromMonth->text(), txt_ToDay->text(),
                                     txt_ToMonth->text(), UpdateJobs::Today());
    txtFromDay->setText(from.day);
    txtFromMonth->setText(from.month);
}

void Reuters::ShowHeadlines()
{
    const QDate today = UpdateJobs::Today();
    if (txtFromDay->text().isEmpty()) {
        const FromDate back = WeekBack(today);
        txtFromDay->setText(back.day);
        if (!back.month.isNull())
            txtFromMonth->setText(back.month);
    }
    if (txtFromMonth->text().isEmpty())
        txtFromMonth->setText(TwoDigits(today.month()));
    if (txt_ToMonth->text().isEmpty())
        txt_ToMonth->setText(TwoDigits(today.month()));
    if (txt_ToDay->text().isEmpty())
        txt_ToDay->setText(TwoDigits(today.day()));

    // "+" joins the symbols; one typed inside a box is encoded with the rest.
    QString symbols = ForAddress(txtSymbol[0]->text());
    for (int i = 1; i < 5; ++i)
        if (txtSymbol[i]->text().size() > 2)
            symbols += u'+' + ForAddress(txtSymbol[i]->text());
    const QString address = Hosts::Url(
        QStringLiteral("HeadlineHost"),
        QStringLiteral("/content/MONEYNET/News/NewsHeadlines.asp?FLUSH=Y&symbol=") + symbols
            + QStringLiteral("&prev_symbol=&length=") + QString::number(HeadlineLength)
            + QStringLiteral("&time=range&month_from=") + ForAddress(txtFromMonth->text())
            + QStringLiteral("&day_from=") + ForAddress(txtFromDay->text()) + QStringLiteral("&month_to=")
            + ForAddress(txt_ToMonth->text()) + QStringLiteral("&day_to=") + ForAddress(txt_ToDay->text()));
    if (Misc::CheckOnline())
        Misc::OpenLink(address);
}

void Reuters::cmdQuery_Click()
{
    const RunOnce once(this, "cmdQuery_Click");
    if (!once)
        return;
    const QPointer<Reuters> self(this);
    ShowHeadlines();
    // The online question may have run the event loop: the window may be gone.
    if (self)
        cmdCancel_Click();
}

void Reuters::cmdCancel_Click()
{
    const RunOnce once(this, "cmdCancel_Click");
    if (!once)
        return;
    const QPointer<Reuters> self(this);
    Misc::RollWindow(this, 25);
    if (!self)
        return;
    if (g_reuters == this)
        g_reuters = nullptr;
    hide();
    deleteLater();
}

void Reuters::reject() { cmdCancel_Click(); }

void Reuters::txtSymbol_LostFocus(int index) { txtSymbol[index]->setText(txtSymbol[index]->text().toUpper()); }

void Reuters::txt_ToDay_LostFocus()
{
    const QString t = txt_ToDay->text();
    txt_ToDay->setText(IsNumber(t) ? Padded(t) : QString());
}

void Reuters::txtFromDay_LostFocus()
{
    const QString t = txtFromDay->text();
    txtFromDay->setText(IsNumber(t) ? Padded(t) : QString());
}

void Reuters::txt_ToMonth_Change()
{
    if (!IsNumber(txt_ToMonth->text()))
        txt_ToMonth->setText(QString());
}

void Reuters::txtFromMonth_Change()
{
    if (!IsNumber(txtFromMonth->text()))
        txtFromMonth->setText(QString());
}

void Reuters::txt_ToMonth_LostFocus() { txt_ToMonth->setText(Padded(txt_ToMonth->text())); }

void Reuters::txtFromMonth_LostFocus() { txtFromMonth->setText(Padded(txtFromMonth->text())); }

bool Reuters::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::FocusOut)
        return QDialog::eventFilter(watched, event);
    // Leaving the box for another control counts; the window losing the
    // focus to another window or a popup does not.
    const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return QDialog::eventFilter(watched, event);
    for (int i = 0; i < 5; ++i)
        if (watched == txtSymbol[i])
            txtSymbol_LostFocus(i);
    if (watched == txtFromDay)
        txtFromDay_LostFocus();
    else if (watched == txt_ToDay)
        txt_ToDay_LostFocus();
    else if (watched == txtFromMonth)
        txtFromMonth_LostFocus();
    else if (watched == txt_ToMonth)
        txt_ToMonth_LostFocus();
    return QDialog::eventFilter(watched, event);
}
