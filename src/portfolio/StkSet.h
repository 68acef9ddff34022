#pragma once
// The stock-set editor; the main window shows it modeless as its owner, one
// at a time. It names the 21 sets and edits the symbols and alert prices of
// the chosen one. It works on its own copy: choosing a set loads that set
// into the editor only; the editor keeps its own changes (adds, removes,
// renames, the alerts typed for each stock) and Apply makes them to the set
// as it is on disk then, so what the main window did meanwhile stays done;
// it saves the set (and reloads the open set when that is the one edited).
// Only OK brings the main window onto the chosen set. Cancel leaves the open
// set and the main window as they were.
#include "core/Stock.h"
#include "portfolio/SetList.h"

#include <QHash>
#include <QDialog>
#include <QString>
#include <array>

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

    // Makes the editor's changes to the chosen set as it is on disk and
    // saves it. Refused, with a message, when an alert typed for a stock
    // is none, while an Update run is on or when the set cannot be read or
    // saved; answers whether the set was saved.
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
    void ShowAlerts(const QByteArray &symbol);
    // Whether every alert typed for a listed stock can be written; if not,
    // that stock is selected, the user told and the box focused.
    bool AlertsUsable();
    // The place of the list's entry at row among the entries of its symbol.
    int Occurrence(int row) const;
    // The list shown again from the set's records, the same symbol selected.
    void Relist(const Stock::StockTable &table);
    void Unload();

    int16_t set_ = 0;
    // The chosen set's alerts by symbol, as loaded or last saved; the boxes
    // show the selected symbol's, or what was typed for it.
    QHash<QByteArray, SetList::Alerts> alerts_;
    // The editor's changes since the set was loaded or last saved.
    QList<SetList::Edit> edits_;
    // What was typed into the alert boxes for each symbol, low and high, as
    // typed; "" where nothing was (the stored alert stays).
    QHash<QByteArray, std::array<QString, 2>> typed_;
    // The boxes are being filled for a stock, not typed into.
    bool filling_ = false;
};
