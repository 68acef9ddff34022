#pragma once
// The support request window; the main window places it and shows it modal.
#include <QDialog>

class frmSupport : public QDialog {
public:
    // The window, loaded hidden on first use; nullptr when there is none.
    static frmSupport *Load();
};
