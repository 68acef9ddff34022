#pragma once
// The stock screener; the main window places it and shows it modeless.
#include <QWidget>

class Scr : public QWidget {
public:
    // The window, loaded hidden on first use; nullptr when there is none.
    static Scr *Load();
};
