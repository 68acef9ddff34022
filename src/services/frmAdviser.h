#pragma once
// The weekly tip window; the main window places it and shows it modal.
#include <QDialog>

class frmAdviser : public QDialog {
public:
    // The window, loaded hidden on first use; nullptr when there is none.
    static frmAdviser *Load();
};
