#include "common/TestEnv.h"

#include "core/AppFolder.h"
#include "core/Misc.h"
#include "core/Settings.h"
#include "core/Stock.h"
#include "core/ViewState.h"
#include "platform/Dialogs.h"
#include "platform/Ras.h"
#include "platform/Registry.h"
#include "platform/SaveDialog.h"
#include "platform/Shell.h"
#include "platform/Speech.h"
#include "shell/Options.h"
#include "shell/frmSpeech.h"
#include "sheets/SheetState.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tw::test {

TestEnv::TestEnv()
{
    QDir().mkpath(appFolder());
    AppFolder = appFolder();
    Registry::instance().Open(settingsFile());
    Dialogs::SetScripted(true);
    Dialogs::Reset();
    Shell::SetRecording(true);
    Shell::Reset();
    Ras::SetScripted(true, 1);
    Ras::Reset();
    Speech::SetRecording(true);
    Speech::Reset();
    SaveDialog::SetScripted(true);
    SaveDialog::Reset();
    CurrentSymbol.clear();
    CurrentView.clear();
    ZoomMode = 0;
    TargetGrid = nullptr;
    Stocks.fill({});
    StockCount = StockIndex = CurrentSet = 0;
    Portfolio.fill({});
    PortfolioCount = 0;
    USMarket.fill({});
    AutoUpdateMinutes = 0;
    FractionsMode = VolumeMode = RegVariant();
    Misc::SetSleepHook([this](int ms) { sleeps.append(ms); });
}

TestEnv::~TestEnv()
{
    Registry::instance().Flush(); // while this case's folder is still there
    Options::Unload();
    frmSpeech::Unload();
    Misc::SetSleepHook(nullptr);
    Dialogs::Reset();
    Shell::Reset();
}

QString TestEnv::appFolder() const { return dir_.path() + QStringLiteral("/data"); }
QString TestEnv::settingsFile() const { return dir_.path() + QStringLiteral("/config/Tickerwatch.reg"); }

void TestEnv::CreateKeys()
{
    Registry::instance().CreateKey(QStringLiteral("HKEY_CURRENT_USER\\") + Settings::GroupsPath);
}

void TestEnv::Set(const QString &name, const QString &value) { Settings::Set(name, value); }
QString TestEnv::Get(const QString &name) const { return Settings::Get(name).ToText(); }
bool TestEnv::Has(const QString &name) const { return !Settings::Get(name).IsEmpty(); }

QByteArray TestEnv::ErrorLog() const { return ReadAll(Misc::ErrorLogPath()); }
int TestEnv::ErrorBlocks() const { return int(ErrorLog().count("--------------\r\n")); }

QByteArray TestEnv::ReadAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void TestEnv::WriteAll(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

} // namespace tw::test
