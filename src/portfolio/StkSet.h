#pragma once
// The stock-set editor; the main window shows it modeless as its owner, one
// at a time. It names the 21 sets and edits the symbols and alert prices of
// the chosen one. It works on its own copy: choosing a set loads that set
// into the editor only, Apply saves it (and reloads the open set when that
// is the one edited), and only OK brings the main window onto the chosen set.
// Cancel leaves the open set and the main window as they were.
#include "core/Stock.h"
#include "portfolio/SetList.h"

#include <QHash>
#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class StkSet : public QDialog {
    Q_OBJECT
public:
    ~StkSet() override;
    // The window, created and loaded on first use (set 0 chosen).
    static StkSet *Load();
    // nullptr while there is none.
    static StkSet *Loaded();

    QListWidget *lstSets = nullptr;
    QListWidget *lstStk = nullptr;
    QLineEdit *txtAlert[2] = {}; // low, high
    QLabel *lblAction[4] = {};   // Add, Remove, Find, Rename
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;
    QPushButton *cmdApply = nullptr;
    QPushButton *cmdHelp = nullptr;
    QLabel *lbl1[5] = {};
    QLabel *Pic = nullptr;

    // The set the editor shows, 0 to 20.
    int16_t ChosenSet() const { return set_; }

    // Writes the list and the selected stock's alerts into the chosen set
    // and saves it. Refused, with a message, while an Update run is on or
    // when the save fails; answers whether the set was saved.
    bool UpdateINI();
    void LoadData();
    void Make_lblAction_Blue();
    // The set names, the first one current; its symbols come with the
    // lstSets_Click that follows.
    void LoadSets();

    void Form_Load();
    void Form_MouseMove();
    void lstSets_Click();
    void lstSets_DblClick();
    void lstStk_Click();
    void lstStk_DblClick();
    void txtAlert_Change(int index);
    void lblAction_Click(int index);
    void lblAction_MouseDown(int index);
    void lblAction_MouseMove(int index);
    void lblAction_MouseUp(int index);
    void cmdOK_Click();
    void cmdApply_Click();
    void cmdCancel_Click();
    void cmdHelp_Click();

    // Esc and the window's close box: Cancel.
    void reject() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    StkSet();
    void RenameStock();
    // The set's records as they are now: the open set from memory, any other
    // from its file.
    bool TableOf(int16_t set, Stock::StockTable &table) const;
    void ShowAlerts(const SetList::Alerts &alerts);
    void Unload();

    int16_t set_ = 0;
    // The chosen set's alerts by symbol, as loaded or last saved; the boxes
    // show the selected symbol's.
    QHash<QByteArray, SetList::Alerts> alerts_;
};
