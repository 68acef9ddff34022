#pragma once
// The details window of one stock: its current data and its two alert
// prices. The opener fills every field before showing it; several can be
// open at once, each closing on its own. The window keeps the symbol it was
// opened for: its OK looks that symbol up in the set open at that moment and
// saves the set, and refuses when the stock has gone from it.
#include <QByteArray>
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class Properties : public QDialog {
    Q_OBJECT
public:
    // A window of its own for the stock of CurrentSymbol; `owner` keeps it
    // above the owner's window.
    explicit Properties(QWidget *owner = nullptr);

    QLabel *lblName = nullptr;
    QLabel *lblData[18] = {}; // beside the captions "Last Sale:" .. "Industry:"
    QLabel *lblTime = nullptr; // last update
    QLineEdit *txtTarget[2] = {}; // low and high alert
    QLabel *pic1 = nullptr;       // the up or down arrow of the change
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;
    QPushButton *cmdHelp = nullptr;
    QPushButton *Command1 = nullptr; // the strip along the top: shrink or restore

    // The stock the window shows.
    const QByteArray Symbol;
    // The window's outer size in twips when it was first shown: the strip
    // shrinks from it and restores to it.
    int LoadWidth = 0, LoadHeight = 0;

    void Form_Activate();
    void Form_DblClick();
    void Command1_Click();
    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdHelp_Click();
    void txtTarget_Change(int index);
    // Esc and the window's close box: Cancel.
    void reject() override;

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void ToggleSize();
    // Lifts the layout's minimum size while the window is a strip, so it
    // can be smaller than its controls; gives it back for the full size.
    void LiftMinimum(bool lift);
    void Unload();
    bool loaded_ = false;
};
