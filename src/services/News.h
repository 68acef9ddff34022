#pragma once
// The newsgroup reader; the main window places it and shows it modeless.
#include <QWidget>

class News : public QWidget {
public:
    // The window, loaded hidden on first use; nullptr when there is none.
    static News *Load();
};
