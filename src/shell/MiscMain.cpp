#include "shell/MiscMain.h"

#include "core/AppFolder.h"
#include "core/Misc.h"
#include "core/Settings.h"
#include "core/Stock.h"
#include "core/mdlRegistry.h"
#include "platform/Registry.h"
#include "platform/SingleInstance.h"
#include "platform/Vb.h"
#include "services/NetSetting.h"
#include "services/Thanks.h"
#include "services/frmSplash.h"
#include "shell/frmMain.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPointer>
#include <QWindow>
#include <QProgressBar>

#include <algorithm>
#include <cmath>

namespace Misc {

namespace {

// The splash delay in seconds, held to what the Options window accepts.
double BoundSplashDelay(double seconds) { return std::isnan(seconds) ? 0.0 : std::clamp(seconds, 0.0, 20.0); }

} // namespace

bool Main()
{
    // The questionnaire's Close is the first run's road on to the main window.
    Thanks::SetMainWindowOpener([] { frmMain::Instance()->ShowWindow(); });
    if (AppFolder.isEmpty())
        AppFolder = AppPaths::DefaultAppFolder();
    if (!SingleInstance::Acquire(AppFolder))
        return false;
    try {
        QDir().mkpath(AppFolder);
        AppPaths::RemoveLeftovers(Registry::instance().File());

        // A click on the picture unloads the splash during any of the turns
        // below; hold it guarded and let Progress find it gone.
        const QPointer<frmSplash> splash = frmSplash::Load();
        splash->show();
        // "Repaint" needs the window mapped first; give the display a moment
        // (bounded) so the splash is on screen before any blocking wait.
        QElapsedTimer mapped;
        mapped.start();
        while (splash && splash->windowHandle() && !splash->windowHandle()->isExposed() && mapped.elapsed() < 500)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (splash) {
            splash->repaint();
            splash->pb1->setVisible(true);
        }
        frmSplash::Progress(1);

        frmSplash::Progress(10);
        frmSplash::Progress(15);
        frmSplash::Progress(20);
        DoEvents();

        const RegVariant delaySetting = Settings::Get(QStringLiteral("SplashDelay"));
        // Options allows 0 to 20 seconds; a damaged value must not hold the
        // start-up for ever.
        const double delayMs = delaySetting.IsEmptyText() ? 5000.0 : BoundSplashDelay(delaySetting.ToNumber()) * 1000.0;
        frmSplash::Progress(30);

        const bool firstRun = Settings::Get(QStringLiteral("RunOnce")).EqualsZero();
        if (firstRun) {
            mdlRegistry::CreateNewKey(mdlRegistry::HKEY_CURRENT_USER, Settings::KeyPath);
            mdlRegistry::CreateNewKey(mdlRegistry::HKEY_CURRENT_USER, Settings::GroupsPath);
            Settings::Set(QStringLiteral("Path"), AppFolder);
            NetSetting::ShowModeless();
            DoEvents();
        }
        frmSplash::Progress(35);

        if (Settings::Get(QStringLiteral("Thanks")).EqualsZero()) {
            // On a first run the settings window leads on to the
            // questionnaire. A later start whose user cleared "Don't show
            // again" would otherwise stop at the splash: the questionnaire is
            // the road to the main window, so show it.
            if (!firstRun) {
                frmSplash::UnloadSplash();
                Thanks::ShowModeless();
            }
            return true;
        }

        Stock::ReadStocks();
        Stock::ReadPortfolio();
        Sleep(int(Vb::CLng(delayMs)));
        frmSplash::Progress(40);
        DoEvents();
        frmMain::Instance()->ShowWindow();
        frmSplash::Progress(50);
        DoEvents();
    } catch (const VbError &e) {
        ErrorTraping(e, QStringLiteral("Misc_Main"), true);
    }
    return true;
}

} // namespace Misc
