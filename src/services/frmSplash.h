#pragma once
#include <QWidget>

class QLabel;
class QProgressBar;

// The splash window; also the About box.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    // The loaded splash, or nullptr.
    static frmSplash *Loaded();
    static frmSplash *Load();
    static void UnloadSplash();
    // Sets the progress bar while the splash is loaded; nothing otherwise.
    static void Progress(int value);

    QLabel *Image2 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *lblEmail = nullptr;
    QProgressBar *pb1 = nullptr;

    void Form_Load();
    void Image2_Click();
    void Label2_MouseDown();
    void lblEmail_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit frmSplash(QWidget *parent = nullptr);
    ~frmSplash() override;
};
