#include "shell/frmMain.h"

#include "core/Misc.h"
#include "core/ViewState.h"
#include "platform/Artwork.h"
#include "platform/Dialogs.h"
#include "platform/Geometry.h"
#include "portfolio/StkSet.h"
#include "queries/Scr.h"
#include "reports/SummaryOpt.h"
#include "services/News.h"
#include "services/frmAdviser.h"
#include "shell/Options.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QTimer>

// Command bar and picture buttons.

namespace {

std::function<void(frmMain::RunCall)> &RunHook()
{
    static std::function<void(frmMain::RunCall)> hook;
    return hook;
}

void SetColours(QLabel *label, const QColor &back, const QColor &text)
{
    QPalette p = label->palette();
    p.setColor(QPalette::Window, back);
    p.setColor(QPalette::WindowText, text);
    label->setPalette(p);
}

void SetFace(QLabel *button, const char *face) { button->setPixmap(Artwork::Picture(QString::fromLatin1(face))); }

} // namespace

void frmMain::SetRunHook(std::function<void(RunCall)> hook) { RunHook() = std::move(hook); }

void frmMain::CallRun(RunCall call)
{
    if (RunHook()) {
        RunHook()(call);
        return;
    }
    switch (call) {
    case RunCall::Run: RunUpdate(); break;
    case RunCall::Stop: StopUpdate(); break;
    case RunCall::Fast: FastUpdate(); break;
    }
}

bool frmMain::UpdateRunning() const { return lblDesc[0]->text() == QStringLiteral("Stop"); }

void frmMain::WireCommandBar()
{
    // A click on "Groups" opens the set menu only once it is clear no double
    // click follows: the open menu would take the second click.
    groupsClick_ = new QTimer(this);
    groupsClick_->setSingleShot(true);
    groupsClick_->setInterval(QApplication::doubleClickInterval());
    connect(groupsClick_, &QTimer::timeout, this, [this] { Panel1_Click(1); });

    // The bar is one line of small print; its captions fit their design widths.
    QFont small = StatusBar1->font();
    small.setPointSizeF(8);
    for (QLabel *item : Panel1)
        item->setFont(small);
    for (int i = 0; i < 8; ++i) {
        OnMouse(Panel1[i], {
            [this, i](int b, int s, float x, float y) { Panel1_MouseDown(i, b, s, x, y); },
            [this, i](int b, int s, float x, float y) { Panel1_MouseMove(i, b, s, x, y); },
            [this, i](int b, int s, float x, float y) { Panel1_MouseUp(i, b, s, x, y); },
            [this, i] {
                if (i == 1)
                    groupsClick_->start();
                else
                    Panel1_Click(i);
            },
            [this, i] {
                if (i == 1)
                    groupsClick_->stop();
                Panel1_DblClick(i);
            },
        });
    }
    for (int i = 0; i < 7; ++i) {
        SetFace(Picture1[i], "B1");
        OnMouse(Picture1[i], {
            [this, i](int b, int s, float x, float y) { Picture1_MouseDown(i, b, s, x, y); },
            [this, i](int b, int s, float x, float y) { Picture1_MouseMove(i, b, s, x, y); },
            [this, i](int b, int s, float x, float y) { Picture1_MouseUp(i, b, s, x, y); },
            [this, i] { Picture1_Click(i); },
            {},
        });
    }
    OnMouse(frmButtom, {{}, [this](int b, int s, float x, float y) { frmButtom_MouseMove(b, s, x, y); }, {}, {}, {}});
}

void frmMain::Picture1_Click(int index)
{
    switch (index) {
    case 0:
        CallRun(lblDesc[0]->text() == QStringLiteral("Update") ? RunCall::Run : RunCall::Stop);
        break;
    case 1:
        PopupMenu(mnuTickers, Geometry::Left(frmButtom) + 20, Geometry::Top(frmButtom) + 70);
        break;
    case 2:
        if (News *news = News::Load()) {
            Geometry::SetLeft(news, Geometry::Width(this) / 2 - Geometry::Width(news) / 2);
            Geometry::SetTop(news, Geometry::Top(this) + 300);
            news->show();
        }
        Misc::DoEvents();
        break;
    case 3:
        Zoom_FG();
        break;
    case 4:
        // The button is disabled while a run walks the open set; the double
        // click on "Groups" and the keys that reach the editor must not get
        // round that.
        if (UpdateRunning())
            break;
        if (StkSet *editor = StkSet::Load()) {
            Own(editor);
            editor->show();
        }
        break;
    case 5:
        if (Scr *screener = Scr::Load()) {
            PlaceBelowTicker(screener, Geometry::Width(this));
            screener->show();
        }
        break;
    case 6:
        if (Options *options = Options::Load()) {
            PlaceBelowTicker(options, Geometry::Width(this));
            ShowModal(options);
        }
        break;
    default:
        break;
    }
}

void frmMain::PlaceBelowTicker(QWidget *form, double width)
{
    // The main window's own Left is not added: the place is on the screen.
    Geometry::SetLeft(form, (width - Geometry::Width(form)) / 2);
    Geometry::SetTop(form, Geometry::Top(NewsTicker1) + 700);
}

void frmMain::Panel1_Click(int index)
{
    switch (index) {
    case 0:
        PopupMenu(mnuStarts, Geometry::Left(StatusBar1), Geometry::Top(StatusBar1));
        break;
    case 1:
        // The set list is disabled while a run walks the open set; the keys
        // that reach it must not get round that.
        if (!UpdateRunning())
            PopupMenu(mnuSets, Geometry::Left(Panel1[1]), Geometry::Top(StatusBar1));
        break;
    case 2:
        CallRun(RunCall::Fast);
        break;
    case 3:
        if (frmAdviser *adviser = frmAdviser::Load()) {
            PlaceBelowTicker(adviser, Geometry::ScaleWidth(this));
            ShowModal(adviser);
        }
        break;
    case 4:
        if (CurrentSymbol.isEmpty()) {
            Dialogs::MsgBox(QStringLiteral("You have to select stock first.\r\n"
                                           "(Select one of the symbols in the upper tree, under the first item.)"),
                            Dialogs::vbInformation, QStringLiteral("Unselected Stock"));
        } else if (SummaryOpt *summary = SummaryOpt::Load()) {
            Geometry::SetLeft(summary, Geometry::Width(summary) / 2 + Geometry::Left(Panel1[4]));
            Geometry::SetTop(summary, Geometry::Height(summary) / 2 - 800 + Geometry::Top(StatusBar1));
            ShowModal(summary);
        }
        break;
    case 5:
        PopupMenu(mnuReports, Geometry::Left(Panel1[5]), Geometry::Top(StatusBar1));
        break;
    default:
        break;
    }
}

void frmMain::Panel1_DblClick(int index)
{
    if (index == 1)
        Picture1_Click(4);
}

void frmMain::Panel1_MouseDown(int index, int button, int, float, float)
{
    if (index <= 5 && button != 2)
        SetColours(Panel1[index], QColor(0, 255, 0), Qt::black);
}

void frmMain::Panel1_MouseMove(int index, int, int, float, float)
{
    if (index < 6 && Geometry::Left(Rect) != Geometry::Left(Panel1[index])) {
        RectPanel = index;
        Rect->show();
        Geometry::Move(Rect, Geometry::Left(Panel1[index]), Geometry::Top(Rect), Geometry::Width(Panel1[index]),
                       Geometry::Height(Rect));
    }
    Panel1[index]->setCursor(Qt::ArrowCursor);
    Misc::DoEvents();
}

void frmMain::Panel1_MouseUp(int, int, int, float, float)
{
    Rect->hide();
    ResetCommandBar();
}

void frmMain::ResetCommandBar()
{
    for (QLabel *item : Panel1)
        SetColours(item, Qt::black, Qt::white);
}

void frmMain::Picture1_MouseDown(int index, int, int, float, float) { SetFace(Picture1[index], "B2"); }

void frmMain::Picture1_MouseUp(int index, int, int, float, float) { SetFace(Picture1[index], "B1"); }

void frmMain::Picture1_MouseMove(int index, int, int, float, float)
{
    if (ButtonHover || (index == 0 && UpdateRunning()))
        return;
    SetFace(Picture1[index], "B3");
    ButtonHover = true;
}

void frmMain::frmButtom_MouseMove(int, int, float, float) { EndHover(); }

void frmMain::EndHover()
{
    if (TmrNav->isActive())
        TmrNav->stop();
    if (!ButtonHover)
        return;
    // During a run the Update button keeps its busy look.
    for (int i = UpdateRunning() ? 1 : 0; i < 7; ++i)
        SetFace(Picture1[i], "B1");
    ButtonHover = false;
}
