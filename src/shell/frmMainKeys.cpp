#include "shell/frmMain.h"

#include "platform/FlexGrid.h"
#include "platform/TreeView.h"
#include "platform/Vb.h"
#include "platform/VbInput.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>

// Keyboard shortcuts of the main window.

namespace {

// Shows the window every key pressed in it before the focused control gets
// it, and lets the key go on unchanged.
class KeyPreview : public QObject {
public:
    explicit KeyPreview(frmMain *window) : QObject(window), window_(window) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        auto *w = static_cast<QWidget *>(watched);
        if (PassingUp(event, w))
            return false;
        if (w->window() != window_)
            return false;
        // A key the focused control leaves unused travels up to its parents;
        // only its first delivery is the key press the window previews.
        QWidget *first = QApplication::focusWidget();
        if (!first || first->window() != window_)
            first = window_;
        if (w != first)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        const QPointer<KeyPreview> self(this);
        window_->Form_KeyDown(VbInput::KeyCode(key), VbInput::Shift(key->modifiers()));
        if (!self)
            return false;
        // A box the key opened gives the focus back elsewhere when it closes,
        // so the same key travelling on to the parents could look like a
        // first delivery again: it is previewed once, until the loop turns.
        previewed_ = event;
        previewedAt_ = w;
        QTimer::singleShot(0, this, [this] { previewed_ = nullptr; });
        return false;
    }

private:
    // The key just previewed, on its way from the control it was sent to
    // up to that control's parents.
    bool PassingUp(const QEvent *event, QWidget *w) const
    {
        if (event != previewed_)
            return false;
        return !previewedAt_ || (w != previewedAt_ && w->isAncestorOf(previewedAt_));
    }

    frmMain *window_;
    const QEvent *previewed_ = nullptr;
    QPointer<QWidget> previewedAt_;
};

enum : int {
    KeyEsc = 27, KeyF2 = 113, KeyF3 = 114, KeyF4 = 115, KeyF5 = 116, KeyF6 = 117, KeyF9 = 120,
};

} // namespace

void frmMain::WireKeys() { qApp->installEventFilter(new KeyPreview(this)); }

void frmMain::Form_KeyDown(int keyCode, int shift)
{
    const int shiftMask = (shift & 1) ? -1 : 0;
    const int altMask = (shift & 4) ? -1 : 0;
    // A letter counts only with Alt held (its code And Alt is 0 otherwise,
    // which no key carries); Shift and Ctrl may be held as well.
    auto alt = [&](char letter) { return keyCode == (int(letter) & altMask); };
    try {
        if (alt('X'))
            mnuStart_Click(7);
        else if (alt('S') || keyCode == KeyF3 || keyCode == (KeyEsc & shiftMask))
            Panel1_Click(0);
        else if (alt('G') || keyCode == KeyF2)
            Panel1_Click(1);
        else if (alt('H'))
            Panel1_Click(2);
        else if (alt('A'))
            Panel1_Click(3);
        else if (alt('M'))
            Panel1_Click(4);
        else if (alt('R'))
            Panel1_Click(5);
        else if (alt('U') || keyCode == KeyF4)
            Picture1_Click(0);
        else if (keyCode == KeyF5)
            TreeView1->setFocus();
        else if (keyCode == KeyF6)
            FG->setFocus();
        else if (keyCode == KeyF9)
            mnuHelp_Click(7);
        else if (alt('T'))
            Picture1_Click(1);
        else if (alt('O'))
            Picture1_Click(2);
        else if (alt('Z'))
            Picture1_Click(3);
        else if (alt('C'))
            Picture1_Click(5);
        else if (alt('N'))
            Picture1_Click(6);
        else if (keyCode == KeyEsc)
            CallRun(RunCall::Stop);
    } catch (const VbError &) {
        // A failing shortcut leaves the key to the focused control.
    }
}
