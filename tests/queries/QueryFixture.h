#pragma once
// A fresh user for one query-dialog case, with helpers that drive the
// dialogs by real mouse and key events and read what reached the shell.
#include "common/TestEnv.h"
#include "core/Hosts.h"
#include "platform/Dialogs.h"
#include "platform/Help.h"
#include "platform/Ras.h"
#include "platform/Shell.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPointer>
#include <QSlider>
#include <QTest>
#include <memory>

namespace tw::test {

class QueryFixture {
public:
    std::unique_ptr<TestEnv> env;

    void Init()
    {
        env = std::make_unique<TestEnv>();
        env->CreateKeys();
        Help::Reset();
    }
    void Cleanup()
    {
        Help::Reset();
        env.reset();
    }

    // Shows the window and gives it the keyboard.
    static bool Show(QWidget *w)
    {
        if (!w)
            return false;
        w->show();
        QApplication::setActiveWindow(w);
        return QTest::qWaitForWindowActive(w);
    }

    // Option and check boxes take clicks on their mark and caption only, so
    // the click lands on the mark.
    static void Click(QWidget *w)
    {
        const bool mark = w->inherits("QRadioButton") || w->inherits("QCheckBox");
        const QPoint at = mark ? QPoint(qMin(8, w->width() - 1), w->height() / 2) : w->rect().center();
        QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, at);
    }

    static void ClickRow(QAbstractItemView *view, int row)
    {
        const QModelIndex index = view->model()->index(row, 0);
        view->scrollTo(index);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, view->visualRect(index).center());
    }

    // Moves the slider to a position by keys, as a user does.
    static void SlideTo(QSlider *s, int position)
    {
        s->setFocus();
        QTest::keyClick(s, Qt::Key_Home);
        for (int i = 0; i < position; ++i)
            QTest::keyClick(s, Qt::Key_Right);
    }

    // Query clicked: the address it opened; the dialog goes.
    template <typename Dialog> static QString QueryAndClose(const QPointer<Dialog> &w)
    {
        Shell::Reset();
        Click(w->cmdQuery);
        [&] { QTRY_VERIFY(!w); }();
        return Shell::Opened().value(0);
    }

    // The addresses the shell was given.
    static QStringList Opened() { return Shell::Opened(); }
    static QString Url(const char *host, const QString &path) { return Hosts::Url(QLatin1String(host), path); }

    // No connection and dial prompting on: the online check asks, and the
    // answer is No.
    void GoOffline()
    {
        env->Set(QStringLiteral("Prompt"), QStringLiteral("1"));
        Ras::SetActive(0);
        Dialogs::QueueAnswer(Dialogs::vbNo);
    }
};

} // namespace tw::test
