// Options choices that take effect the moment they change: the lists, the
// check boxes of the network and general pages, the mail option, the proxy
// box and Empty Cache. Cancel does not undo them.
#include "shell/Options.h"
#include "platform/Hourglass.h"

#include "core/AppFolder.h"
#include "core/Misc.h"
#include "core/Settings.h"
#include "core/ViewState.h"
#include "platform/BoxValue.h"
#include "platform/Dialogs.h"
#include "platform/Speech.h"
#include "platform/Vb.h"
#include "shell/Skins.h"
#include "shell/frmMain.h"
#include "shell/frmSpeech.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

namespace {

const int kIntervalMinutes[14] = {0, 5, 10, 15, 20, 30, 45, 60, 90, 120, 240, 360, 720, 1440};

QString State(const QCheckBox *box) { return QString::number(Vb::BoxValue(box)); }

// Every file lying directly in the folder; subfolders and what is in them
// stay. A missing or empty folder is no failure.
void DeleteFilesIn(const QString &folder)
{
    QDir dir(folder);
    const QStringList files = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : files)
        QFile::remove(dir.filePath(name));
}

} // namespace

int Options::IntervalMinutes(int entry)
{
    return entry >= 0 && entry < 14 ? kIntervalMinutes[entry] : -1;
}

int Options::IntervalEntry(double minutes)
{
    for (int entry = 0; entry < 14; ++entry) {
        if (kIntervalMinutes[entry] == minutes)
            return entry;
    }
    return -1;
}

void Options::WireAppliedHandlers()
{
    connect(cobSqd, &QComboBox::currentIndexChanged, this, [this] { cobSqd_Click(); });
    connect(cobStyle, &QComboBox::currentIndexChanged, this, [this] { cobStyle_Click(); });
    connect(cobVoice, &QComboBox::currentIndexChanged, this, [this] { cobVoice_Click(); });
    connect(chkPrompt, &QCheckBox::stateChanged, this, [this] { chkPrompt_Click(); });
    connect(chkProxy, &QCheckBox::stateChanged, this, [this] { chkProxy_Click(); });
    connect(chkShutDown, &QCheckBox::stateChanged, this, [this] { chkShutDown_Click(); });
    connect(ChkUS, &QCheckBox::stateChanged, this, [this] { ChkUS_Click(); });
    for (int i = 0; i < 2; ++i) {
        connect(optMailServer[i], &QRadioButton::toggled, this, [this, i](bool chosen) {
            if (chosen)
                optMailServer_Click(i);
        });
    }
}

void Options::cobSqd_Click()
{
    const int minutes = IntervalMinutes(cobSqd->currentIndex());
    if (minutes >= 0)
        AutoUpdateMinutes = int16_t(minutes);
    Settings::Set(QStringLiteral("AutoUpdate"), QString::number(AutoUpdateMinutes));
    // The minute count goes on where it was; only the ticking is switched.
    if (frmMain *main = frmMain::Loaded()) {
        if (AutoUpdateMinutes == 0)
            main->Timer1->stop();
        else if (!main->Timer1->isActive())
            main->Timer1->start();
    }
}

void Options::cobStyle_Click()
{
    const int index = cobStyle->currentIndex();
    if (index < 0)
        return;
    Settings::Set(QStringLiteral("PicBar"), QString::number(index));
    Misc::ApplySkin();
    Misc::DoEvents();
}

void Options::cobVoice_Click()
{
    const int index = cobVoice->currentIndex();
    Hourglass hourglass;
    // Without a speech engine the first failing step ends it: a choice the
    // reader cannot take is not stored.
    try {
        Speech *control = frmSpeech::Load()->TextToSpeech1;
        if (control->IsSpeaking())
            control->StopSpeaking();
        control->SetCurrentMode(index + 1);
        Settings::Set(QStringLiteral("VoiceMode"), QString::number(index));
        control->SetLowRegister(control->ModeGender(control->CurrentMode()) == 1 ? 0 : 1);
        Misc::DoEvents();
        Misc::DoEvents();
    } catch (const VbError &) {
    }
}

void Options::chkPrompt_Click() { Settings::Set(QStringLiteral("Prompt"), State(chkPrompt)); }
void Options::chkShutDown_Click() { Settings::Set(QStringLiteral("ShutDown"), State(chkShutDown)); }
void Options::ChkUS_Click() { Settings::Set(QStringLiteral("US"), State(ChkUS)); }

void Options::chkProxy_Click()
{
    txtProxy->setEnabled(Vb::BoxValue(chkProxy) == 1);
    Settings::Set(QStringLiteral("ProxyE"), State(chkProxy));
}

void Options::txtProxy_LostFocus() { Settings::Set(QStringLiteral("Proxy"), txtProxy->text()); }

void Options::optMailServer_Click(int)
{
    Settings::Set(QStringLiteral("ExternalMailServer"),
                  optMailServer[1]->isChecked() ? QStringLiteral("True") : QStringLiteral("False"));
    const bool internal = optMailServer[0]->isChecked();
    txtEmailServ->setEnabled(internal);
    Label8->setEnabled(internal);
}

void Options::cmdEmpty_Click()
{
    const int ask = Dialogs::vbYesNo | Dialogs::vbExclamation | Dialogs::vbDefaultButton2;
    if (Dialogs::MsgBox(QStringLiteral("Are you sure you want to delete all downloaded data?"), ask,
                        QStringLiteral("Clear Cache?"))
        != Dialogs::vbYes)
        return;
    struct Folder {
        const char *question;
        const char *title;
        QString path;
    };
    const Folder folders[3] = {
        {"Delete data?", "Clear Data?", AppPaths::DataSheetFolder()},
        {"Delete stocks News?", "Clear News?", AppPaths::NewsFolder()},
        {"Delete stocks reports?", "Clear Reports?", AppPaths::ReportsFolder()},
    };
    for (const Folder &f : folders) {
        if (Dialogs::MsgBox(QString::fromLatin1(f.question), ask, QString::fromLatin1(f.title)) == Dialogs::vbYes)
            DeleteFilesIn(f.path);
    }
    Misc::DoEvents();
}
