#pragma once
// The support request window: the user describes a problem, Submit mails
// the report (and the error log) to the maker's support address through a
// never-shown mail window of its own. The main window places it and shows
// it modal.
#include <QDialog>
#include <QString>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

class frmSupport : public QDialog {
    Q_OBJECT
public:
    ~frmSupport() override;
    // The window, loaded hidden on first use.
    static frmSupport *Load();
    static frmSupport *Loaded();

    QRadioButton *optConnect[3] = {};
    QRadioButton *optProxy[3] = {};
    QRadioButton *optError[2] = {};
    QLineEdit *txtName = nullptr;
    QLineEdit *txtEmail = nullptr;
    QComboBox *cboSystem = nullptr;
    QPlainTextEdit *txtError = nullptr;
    QPlainTextEdit *txtDesc = nullptr;
    QCheckBox *chkError = nullptr;
    QLabel *Panel1[3] = {}; // label buttons: Exit, Submit, Reset
    QFrame *Shape1 = nullptr; // highlight behind the label under the mouse

    // The answer words the option buttons set and the report prints.
    QString ConnectionAnswer;
    QString ProxyAnswer;
    QString ErrorAnswer;

    void Form_Load();
    // True when the key was one of the window's own.
    bool Form_KeyDown(int key, Qt::KeyboardModifiers modifiers);
    void Form_MouseMove();
    void optConnect_Click(int index);
    void optProxy_Click(int index);
    void optError_Click(int index);
    void Panel1_Click(int index);
    void Panel1_MouseDown(int index);
    void Panel1_MouseMove(int index);
    void Panel1_MouseUp(int index);
    // Submit.
    void SendData();
    void Reset();
    // Exit.
    void CloseWindow();

    // The report's eleven lines, as the boxes and answer words stand.
    QString SupportReport() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void reject() override;

private:
    void Defaults();
    explicit frmSupport(QWidget *parent = nullptr);
    bool sending_ = false;
};
