#pragma once
// The relaxation window: a water ripple running over the dollar picture.
// Modeless and without owner; Start runs the ripple until Stop, the slider
// sets the wave frequency of the next start, Exit closes the window.
#include <QWidget>
#include <memory>

class ClsManip;
class PictureBox;
class QPushButton;
class QSlider;

class GRP : public QWidget {
    Q_OBJECT
public:
    // Loads the window when needed and shows it.
    static GRP *ShowModeless();
    // nullptr while the window is not loaded.
    static GRP *Loaded();
    static void Unload();
    ~GRP() override;

    PictureBox *Pictbox = nullptr;  // the ripple on show
    PictureBox *Picture1 = nullptr; // hidden: the untouched picture
    QPushButton *Command1 = nullptr;
    QPushButton *cmdClose = nullptr;
    QSlider *Slider1 = nullptr;

    // Shared with a running play loop, which keeps it alive after Exit.
    std::shared_ptr<ClsManip> Effect;
    float RelaxFrequency = 0;

    void Form_Load();
    void Command1_Click();
    void Slider1_Change();
    void Slider1_Scroll();
    void cmdClose_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    explicit GRP(QWidget *parent = nullptr);
};
