#pragma once
// The transaction dialog: a purchase, a sale from a lot, or the correction
// of a stored transaction. Its opener sets the hand-over values below,
// creates the dialog (which loads from them), sets the captions and boxes
// it needs and shows it modal. OK writes one transaction and closes; a
// write that cannot be made (portfolio full, save failed) says so and the
// dialog stays open.
#include "core/Stock.h"

#include <QByteArray>
#include <QDialog>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

// Hand-over values, set by the opener just before the dialog is shown.
extern QString TransactionMode;      // "NewStock", "Sell" or "Edit"
extern QByteArray TransactionSymbol;
extern int16_t TransactionID;        // the lot a sale is taken from
extern int16_t TransactionSlot;      // the slot a correction rewrites
extern double LotPrice;              // the lot's price
extern int16_t LotShares;            // the lot's shares left: the most a sale may take

class frmPurchace : public QDialog {
    Q_OBJECT
public:
    explicit frmPurchace(QWidget *owner = nullptr);

    QLabel *lblSymbol = nullptr;
    QLabel *lblName = nullptr;
    QLabel *lblCurrent = nullptr;
    QLabel *lblID = nullptr;
    QLabel *lbl[4] = {};
    QLineEdit *txtDate = nullptr;
    QLineEdit *txtShares = nullptr;
    QLineEdit *txtPrice = nullptr;
    QLineEdit *txtComm = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;

    // The current price of the symbol ("" in a correction).
    QByteArray CurrentPrice;

    // A correction: the boxes filled with the stored transaction of
    // TransactionSlot. A box the user leaves as it was filled writes the
    // stored value back unchanged; a sale is bounded like a new one, and a
    // purchase keeps at least the shares sold from it.
    void FillStored(const TransactionRecord &t);

    void cmdOK_Click();
    void cmdCancel_Click();
    void reject() override;

    // Today's date as the dialog writes it.
    static QString TodayText();
    // The most shares one transaction holds.
    static constexpr int MaxShares = 32767;

private:
    void Form_Load();
    void txtDate_Change();
    void txtShares_Change();
    void txtPrice_Change();
    void txtComm_Change();
    // The checks before a write; false when a box was left empty or holds
    // a date, number of shares, price or commission the transaction cannot
    // keep.
    bool CheckBoxes(int16_t defaultShares);
    // The boxes FillStored fills, in the order of filled_ and of lbl.
    std::array<const QLineEdit *, 4> StoredBoxes() const;
    // Whether the box still shows what FillStored put in it.
    bool Untouched(const QLineEdit *box) const;
    // The box's label without its colon, as messages name the box.
    QString BoxName(const QLineEdit *box) const;
    // The message, then the focus on the box; false.
    bool Refuse(QLineEdit *box, const QString &text, const QString &title);
    // A number box as typed: whole shares from 1 to MaxShares, a price or
    // commission from 0 to the largest single that the single keeps (not
    // flushed to 0); else Refuse. An untouched stored value passes.
    bool InRange(QLineEdit *box);
    // Whether the shares box is bounded by LotShares: a sale, new or
    // corrected.
    bool SaleBounded() const;
    bool Buy();
    bool Sell();
    bool EditTransaction();

    // The transaction a correction started from, and the texts its boxes
    // were filled with (date, shares, price, commission).
    std::optional<TransactionRecord> stored_;
    QString filled_[4];
    bool storedSale_ = false;
    // One message for a write that did not go through.
    void SaveFailed();
    void Unload();
};
