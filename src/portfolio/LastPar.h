#pragma once
// The purchase picker: the lots of TransactionSymbol that still hold
// shares. A click on a lot chooses it (LotPrice, LotShares and
// TransactionID); OK closes the picker and, when a lot was chosen, opens
// the transaction dialog as its sale.
#include <QDialog>

class FlexGrid;
class QPushButton;

class LastPar : public QDialog {
    Q_OBJECT
public:
    explicit LastPar(QWidget *owner = nullptr);

    FlexGrid *FG = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;

    void FG_Click();
    void cmdOK_Click();
    void cmdCancel_Click();
    void reject() override;

private:
    void Form_Load();
    // A lot was clicked; a lot priced 0 can be chosen too.
    bool chosen_ = false;
};
