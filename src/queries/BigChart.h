#pragma once
// The chart query dialog; the main window shows it modeless as its owner.
#include <QWidget>

class BigChart : public QWidget {
public:
    // The window, loaded hidden on first use; nullptr when there is none.
    static BigChart *Load();
};
