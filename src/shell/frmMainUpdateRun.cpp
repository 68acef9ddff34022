// The Update run: start, the walk over the job table, stop and finish; the
// task counter, the transfer status line and the automatic update timer.
#include "shell/frmMain.h"

#include "collect/UpdateJobs.h"
#include "core/Hosts.h"
#include "core/Misc.h"
#include "core/Settings.h"
#include "core/ViewState.h"
#include "platform/Artwork.h"
#include "platform/Dialogs.h"
#include "platform/Inet.h"
#include "platform/Winsock.h"
#include "services/frmEmail.h"
#include "shell/Options.h"
#include "shell/UpdateTable.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QTimer>

#include <memory>

namespace {

bool Ticked(int box) { return Options::Instance()->chkUpdate[box]->checkState() == Qt::Checked; }

void DefaultPointer()
{
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

// The mail window whose mail is on its way, for Stop.
QPointer<frmEmail> &Sending()
{
    static QPointer<frmEmail> window;
    return window;
}

bool SendByWindow(const UpdateJobs::Mail &mail)
{
    // A fresh mail window for this one message, released afterwards.
    std::unique_ptr<frmEmail> window(new frmEmail);
    Sending() = window.get();
    return window->SendEmail(mail.server, mail.fromName, mail.fromAddress, mail.toName, mail.toAddress,
                             mail.subject, mail.body);
}

} // namespace

void frmMain::WireUpdate()
{
    // The start-up may have made the transfer control already (it sets the
    // proxy there); the socket is this folder's alone.
    if (!Inet1) {
        Inet1 = new Inet(this);
        Inet1->setObjectName(QStringLiteral("Inet1"));
    }
    connect(Inet1, &Inet::StateChanged, this, &frmMain::Inet1_StateChanged);
    Winsock1 = new Winsock(this);
    Winsock1->setObjectName(QStringLiteral("Winsock1"));
    connect(Winsock1, &Winsock::Connected, this, &frmMain::Winsock1_Connect);
    connect(Winsock1, &Winsock::DataArrival, this, &frmMain::Winsock1_DataArrival);
    connect(Winsock1, &Winsock::Closed, this, &frmMain::Winsock1_Close);
    connect(Winsock1, &Winsock::Error, this, &frmMain::Winsock1_Error);
    connect(Timer1, &QTimer::timeout, this, &frmMain::Timer1_Timer);
    UpdateJobs::SetMailWindow({SendByWindow, [] {
                                   if (Sending())
                                       Sending()->Abort();
                               }});
}

void frmMain::Panel7(int16_t &remaining)
{
    Panel1[7]->setText(QString::number(remaining) + u'/' + QString::number(UpdateTotal));
}

void frmMain::RunUpdate()
{
    PagesTried = PagesFailed = 0;
    SocketErrorShown = false;
    try {
        if (!Misc::CheckOnline()) {
            FinishUpdate();
            return;
        }
        PrepareInet();
        ShowRunning();
        AbortFlag = 0;

        if (CurrentSymbol.isEmpty() && SingleStockMode == -1) {
            Dialogs::MsgBox(QStringLiteral("You have to select one stock."), Dialogs::vbInformation,
                            QStringLiteral("Select stock and try again"));
            FinishUpdate();
            return;
        }

        SendQueuedFeedback();

        UpdateTotal = 0;
        for (int box = 0; box < UpdateJobs::BoxCount; ++box)
            if (Ticked(box))
                ++UpdateTotal;
        UpdateRemaining = UpdateTotal;
        Panel7(UpdateRemaining);
        Misc::DoEvents();

        // Each box is read when its row comes up, so a change saved in the
        // Options window meanwhile counts for the rows not yet reached.
        for (const UpdateJobs::Job &job : UpdateJobs::Table()) {
            if (!Ticked(job.box))
                continue;
            job.run(*this);
            --UpdateRemaining;
            Panel7(UpdateRemaining);
            Misc::DoEvents();
        }
    } catch (...) {
        // the run's own steps failed: it ends through the finish
    }
    FinishUpdate();
}

void frmMain::FinishUpdate()
{
    try {
        // The tip fetch returns before its reply; it is given its time-out
        // here rather than cut off by the stop below. Stop ends the wait.
        if (AbortFlag != -1 && Winsock1->State() != Winsock::sckClosed)
            WinsockWait();
        Panel1[1]->setEnabled(true);
        Picture1[4]->setEnabled(true);
        Panel1[7]->setText(QString());
    } catch (...) {
    }
    if (SingleStockMode == -1)
        SingleStockMode = 0;
    AbortFlag = -1;
    StopUpdate();
    // A run whose pages failed must not end looking like one that worked;
    // the line stays until the next run starts.
    if (PagesFailed > 0)
        Panel1[6]->setText(QString::number(PagesFailed) + QStringLiteral(" of ") + QString::number(PagesTried)
                           + QStringLiteral(" pages could not be fetched"));
}

void frmMain::SendQueuedFeedback()
{
    const QString queued = Settings::Get(QStringLiteral("Q_Message")).ToText();
    if (queued.size() <= 2)
        return;
    const QString sender = frmEmail::CannedSender();
    Panel1[6]->setText(QStringLiteral("Sending Email.."));
    const QString server = frmEmail::CannedServer(QStringLiteral("Enter mail server in options"),
                                                  QStringLiteral("Missing mail server"), Panel1[6]);
    if (server.isEmpty())
        return;
    const UpdateJobs::Mail mail{server, sender, sender, QStringLiteral("Zandor"), Hosts::SupportAddress,
                                QStringLiteral("Tickerwatch User Feedback"), queued};
    const bool sent = UpdateJobs::SendMail(mail);
    Misc::DoEvents();
    // The answers stay queued for the next run until a mail really went out.
    if (!sent)
        return;
    Panel1[6]->setText(QStringLiteral("Mail Sent"));
    Settings::Set(QStringLiteral("Q_Message"), QString());
    Misc::DoEvents();
}

void frmMain::StopUpdate()
{
    AbortFlag = -1;
    UpdateJobs::StopMail();
    // Every step may be repeated; a step that keeps failing gets one more try.
    for (int attempt = 0; attempt < 2; ++attempt) {
        try {
            ActiveInet = Inet1;
            Inet1->SetRequestTimeout(1);
            CancelPendingTransfer();
            Inet1->SetRequestTimeout(1);
            ActiveInet = nullptr;

            // Also a socket still connecting: the fetch ends now, not when
            // its peer answers. No page is written for it.
            if (SocketBusy == -1 || Winsock1->State() != Winsock::sckClosed) {
                Winsock1->Close();
                SocketBusy = 0;
            }

            lblDesc[0]->setText(QStringLiteral("Update"));
            mnuTray[0]->setText(QStringLiteral("Update"));
            Panel1[1]->setEnabled(true);
            Picture1[4]->setEnabled(true);
            Picture1[0]->setPixmap(Artwork::Picture(QStringLiteral("B1")));
            Panel1[6]->setText(QString());
            setWindowTitle(BaseCaption);
            if (SingleStockMode == -1)
                SingleStockMode = 0;
            return;
        } catch (...) {
        }
    }
}

void frmMain::Inet1_StateChanged(int state)
{
    try {
        QString text;
        switch (state) {
        case Inet::icConnecting: text = QStringLiteral("Connecting..."); break;
        case Inet::icConnected: text = QStringLiteral("connected"); break;
        case Inet::icRequesting: text = QStringLiteral("request Data"); break;
        case Inet::icReceivingResponse: text = QStringLiteral("Downloading Data..."); break;
        case Inet::icDisconnecting: text = QStringLiteral("Disconnecting..."); break;
        case Inet::icDisconnected: text = QStringLiteral("Disconnected from the host."); break;
        case Inet::icError: text = QStringLiteral("An error occurred in communicating."); break;
        case Inet::icResponseCompleted:
            text = QStringLiteral("The request has completed and all data has been received.");
            break;
        default: break;
        }
        Panel1[6]->setText(text);
        if (state == Inet::icReceivingResponse) {
            Misc::DoEvents();
        } else if (state == Inet::icError) {
            setWindowTitle(BaseCaption);
            if (UpdateRemaining == 0) {
                StopUpdate();
                DefaultPointer();
                Misc::DoEvents();
            }
        } else if (state == Inet::icResponseCompleted && UpdateRemaining == 0) {
            StopUpdate();
            DefaultPointer();
        }
    } catch (...) {
    }
}

void frmMain::Timer1_Timer()
{
    try {
        if (AutoUpdateMinutes == 0)
            return;
        if (lblDesc[0]->text() == QStringLiteral("Stop")) {
            // Minutes spent in a run do not count towards the next one.
            AutoUpdateCounter = AutoUpdateCounter > 1 ? int16_t(AutoUpdateCounter - 1) : int16_t(0);
            return;
        }
        ++AutoUpdateCounter;
        if (AutoUpdateCounter >= AutoUpdateMinutes) {
            AutoUpdateCounter = 0;
            if (!Misc::CheckOnline())
                return;
            Picture1_Click(0);
        }
        setWindowTitle(BaseCaption + QStringLiteral("   Update Every: ") + QString::number(AutoUpdateMinutes)
                       + QStringLiteral(" Mintues, ") + QStringLiteral(" ") + QStringLiteral("Remain: ")
                       + QString::number(AutoUpdateMinutes - AutoUpdateCounter) + QStringLiteral(" Mintues."));
    } catch (...) {
    }
}
