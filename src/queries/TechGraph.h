#pragma once
// The technical-graph query dialog; the main window shows it modeless as its owner.
#include <QWidget>

class TechGraph : public QWidget {
public:
    // The window, loaded hidden on first use; nullptr when there is none.
    static TechGraph *Load();
};
