#pragma once
// The new-version window: opened by a version check that found a newer
// version, after the Options window has gone. Its four links are its only
// way to close it; "Close" brings a freshly loaded Options window back.
#include <QWidget>
#include <functional>

class QLabel;

class frmUpgrade : public QWidget {
    Q_OBJECT
public:
    static constexpr int LinkCount = 4;

    ~frmUpgrade() override;
    // Loads the window when needed and shows it modeless, with no owner;
    // "Close" shows the Options window through showOptions.
    static frmUpgrade *ShowModeless(std::function<void()> showOptions);
    // nullptr while the window is not loaded.
    static frmUpgrade *Loaded();

    QLabel *Label1 = nullptr;
    // 0 "Start Download", 1 "Get More Information",
    // 2 "Take Me To Download Area", 3 "Close"
    QLabel *lblNav[LinkCount] = {};

    void lblNav_Click(int index);
    void lblNav_MouseMove(int index);
    void Form_MouseMove();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    explicit frmUpgrade(QWidget *parent = nullptr);
    // Hands the archive's address to the desktop, whose browser downloads it.
    void StartDownload(const QString &address);
    void CloseWindow();
    void Unload();
    std::function<void()> showOptions_;
};
