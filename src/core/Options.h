#pragma once
// The settings window: seven pages of update items, voice, network and
// general options. The main window places it and shows it modal.
#include <QDialog>

class Options : public QDialog {
public:
    // The window, loaded hidden on first use; nullptr when there is none.
    static Options *Load();
};
