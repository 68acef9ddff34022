#pragma once
// The stock-set editor; the main window shows it modeless as its owner.
#include <QWidget>

class StkSet : public QWidget {
public:
    // The window, loaded hidden on first use; nullptr when there is none.
    static StkSet *Load();
};
