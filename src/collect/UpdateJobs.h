#pragma once
// What the jobs of the Update run share besides the window: the market list
// keys, the trading date, how long a fetch may stay silent, the queued
// feedback mail. The table of the run's jobs is the shell's
// (shell/UpdateTable.h): it reaches every folder.
#include <QDate>
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

namespace UpdateJobs {

// Boxes of the Options window (chkUpdate 0 to 98).
constexpr int BoxCount = 99;

// The market movers and screener rows of the exchange grid.
struct MarketList {
    int16_t box;
    int16_t code;     // report (movers) or screen (screener)
    QString key;      // DataSetKey
    int16_t exchange; // data code (movers) or exchange code (screener)
    QString title;
};
const std::vector<MarketList> &Movers();   // boxes 20 to 43
const std::vector<MarketList> &Screener(); // boxes 89 to 97

// Trading date of the movers report as "yyyymmdd": today when the "US"
// setting is not 0, else yesterday. Throws VbError when "US" is no number.
QString MoversDate();
// The program's one clock (the trading date, the date of a mail, the date
// of a questionnaire answer): tests set a fixed day or a fixed moment in
// local time (nullptr: the system clock).
QDateTime Now();
QDate Today();
void SetClock(std::function<QDate()> today);
void SetNow(std::function<QDateTime()> now);

// A fetch that makes no progress for this long ends (the transfer control's
// own limit). Tests shorten it (0 restores the default).
int SilenceMs();
void SetSilenceMs(int ms);

// The queued feedback mail, and who sends it: the mail window unless a
// test puts its own sender in (nullptr restores it). A sender answers
// whether the mail went out.
struct Mail {
    QString server, fromName, fromAddress, toName, toAddress, subject, body;
};
using MailSender = std::function<bool(const Mail &)>;
bool SendMail(const Mail &mail);
void SetMailSender(MailSender sender);
// Stop of the run: the mail on its way is given up at once (it stays queued).
void StopMail();
// The mail window's sender and its stop, which the shell hands in when the
// main window is built (the mail window lives above this folder). Without
// them no mail goes out.
struct MailWindow {
    MailSender send;
    std::function<void()> stop;
};
void SetMailWindow(MailWindow window);

} // namespace UpdateJobs
