#pragma once
// The headlines dialog: up to five symbols, a length and a date range become
// the address of a headline page, which it opens in the browser; it fetches
// nothing itself. One window at a time, modeless, without a title bar; the
// stock news leaf "Reuters - MoneyNet" fills its first symbol and shows it.
// Every opening starts from the program's day clock (UpdateJobs::Today).
#include <QDate>
#include <QDialog>
#include <cstdint>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class Reuters : public QDialog {
    Q_OBJECT
public:
    // The window, loaded (filled from today's date, hidden) on first use.
    static Reuters *Load();
    // nullptr while the window is not loaded.
    static Reuters *Loaded();
    ~Reuters() override;

    // The from-day and from-month boxes as the length rule leaves them.
    struct FromDate {
        QString day;
        QString month;
    };
    // The from-date a length gives, from the boxes' present texts and today.
    // A text that is no number leaves the box it would have set as it was.
    static FromDate LengthRule(int length, const QString &fromDay, const QString &fromMonth, const QString &toDay,
                               const QString &toMonth, QDate today);

    QLabel *lblStock[5] = {};
    QLineEdit *txtSymbol[5] = {};
    QGroupBox *fraOptions = nullptr;
    QComboBox *cboLength = nullptr;
    QLineEdit *txtFromDay = nullptr;
    QLineEdit *txtFromMonth = nullptr;
    QLineEdit *txt_ToDay = nullptr;
    QLineEdit *txt_ToMonth = nullptr;
    QPushButton *cmdQuery = nullptr;
    QPushButton *cmdCancel = nullptr;

    // 24, 7 or 30: the chosen length.
    int16_t HeadlineLength = 0;

    void Form_Load();
    void cboLength_Click();
    void cmdQuery_Click();
    void cmdCancel_Click();
    void txtSymbol_LostFocus(int index);
    void txt_ToDay_LostFocus();
    void txtFromDay_LostFocus();
    void txt_ToMonth_Change();
    void txtFromMonth_Change();
    void txt_ToMonth_LostFocus();
    void txtFromMonth_LostFocus();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void reject() override; // Esc

private:
    explicit Reuters(QWidget *parent = nullptr);
    void ShowHeadlines();
};
