#pragma once
// The details window of one stock: its current data and its two alert
// prices. The opener fills every field before showing it; several can be
// open at once, each closing on its own.
#include <QWidget>

class QLabel;
class QLineEdit;

class Properties : public QWidget {
    Q_OBJECT
public:
    // A window of its own; `owner` keeps it above the owner's window.
    explicit Properties(QWidget *owner = nullptr);

    QLabel *lblName = nullptr;
    QLabel *lblData[18] = {}; // beside the captions "Last Sale:" .. "Industry:"
    QLabel *lblTime = nullptr; // last update
    QLineEdit *txtTarget[2] = {}; // low and high alert
};
