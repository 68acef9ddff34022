#include "shell/frmMain.h"

#include "platform/FlexGrid.h"
#include "platform/KeyPreview.h"
#include "platform/TreeView.h"
#include "platform/Vb.h"

// Keyboard shortcuts of the main window.

namespace {

enum : int {
    KeyEsc = 27, KeyF2 = 113, KeyF3 = 114, KeyF4 = 115, KeyF5 = 116, KeyF6 = 117, KeyF9 = 120,
};

} // namespace

void frmMain::WireKeys()
{
    // The focused control still gets every key.
    KeyPreview::Install(this, [this](int keyCode, int shift) {
        Form_KeyDown(keyCode, shift);
        return false;
    });
}

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
