#pragma once
// The real main window for one test case, with a fresh user (keys made,
// first run and questionnaire done) and every way out of the test recorded:
// ending the program, popup menus, modal windows, run commands.
#include "common/TestEnv.h"
#include "platform/Artwork.h"
#include "platform/Help.h"
#include "services/frmSplash.h"
#include "shell/DimScreen.h"
#include "shell/frmMain.h"

#include <QLabel>
#include <QList>
#include <QMenu>
#include <QPair>
#include <QPointF>
#include <QPointer>
#include <QSize>
#include <QTest>
#include <memory>

Q_DECLARE_METATYPE(frmMain::RunCall)

namespace tw::test {

class MainFixture {
public:
    std::unique_ptr<TestEnv> env;
    frmMain *main = nullptr;
    int exits = 0;
    QList<QPair<QPointer<QMenu>, QPointF>> popups;
    QList<QPointer<QWidget>> modals;
    QList<frmMain::RunCall> runs;

    // A fresh user; the window is created but not loaded.
    void Start()
    {
        env = std::make_unique<TestEnv>();
        env->CreateKeys();
        env->Set(QStringLiteral("RunOnce"), QStringLiteral("1"));
        env->Set(QStringLiteral("Thanks"), QStringLiteral("1"));
        exits = 0;
        popups.clear();
        modals.clear();
        runs.clear();
        frmMain::SetExitHook([this] { ++exits; });
        frmMain::SetPopupHook([this](QMenu *m, QPointF at) { popups.append({m, at}); });
        frmMain::SetModalHook([this](QWidget *w) { modals.append(w); });
        frmMain::SetRunHook([this](frmMain::RunCall c) { runs.append(c); });
        Help::Reset();
        main = frmMain::Instance();
    }

    // The window at that size on the screen, for clicks on its controls.
    bool Show(QSize size)
    {
        main->resize(size);
        main->show();
        return QTest::qWaitForWindowExposed(main);
    }

    void Stop()
    {
        frmMain::Unload();
        frmSplash::UnloadSplash();
        DimScreen::ResetScreen();
        frmMain::SetExitHook(nullptr);
        frmMain::SetPopupHook(nullptr);
        frmMain::SetModalHook(nullptr);
        frmMain::SetRunHook(nullptr);
        Help::Reset();
        main = nullptr;
        env.reset();
    }

    template <typename T> T *Find(const QString &name) const { return main->findChild<T *>(name); }
    QLabel *Label(const QString &name) const { return Find<QLabel>(name); }
    QAction *Action(const QString &name) const { return Find<QAction>(name); }

    // Names of the popups opened so far, in order.
    QStringList PopupNames() const
    {
        QStringList names;
        for (const auto &p : popups)
            names << (p.first ? p.first->objectName() : QStringLiteral("<gone>"));
        return names;
    }

    // The label shows the button face of that name.
    static bool Shows(const QLabel *label, const char *face)
    {
        return label->pixmap().toImage() == Artwork::Picture(QString::fromLatin1(face)).toImage();
    }
};

} // namespace tw::test
