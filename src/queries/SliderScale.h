#pragma once
// A horizontal slider with one label under each position, shared by the
// chart and technical-graph dialogs. Labels alternate between two rows so
// long captions under close positions never overlap. Only the user's moves
// (the slider's actionTriggered) reach the dialogs' period handling; a
// position set in code does not.
#include <QList>
#include <QWidget>

class QLabel;
class QSlider;

class SliderScale : public QWidget {
public:
    // The slider is named sliderName, the labels lblTime_0, lblTime_1, ...
    SliderScale(const QString &sliderName, const QStringList &labels, QWidget *parent);

    QSlider *slider = nullptr;
    QList<QLabel *> labels;

    // Shows the tip beside the slider and keeps it as the slider's tip.
    void ShowTip(const QString &tip);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void Arrange();
};
