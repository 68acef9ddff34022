#pragma once
// The summary options window; the main window places it and shows it modal.
#include <QDialog>

class SummaryOpt : public QDialog {
public:
    // The window, loaded hidden on first use; nullptr when there is none.
    static SummaryOpt *Load();
};
