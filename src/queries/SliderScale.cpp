#include "queries/SliderScale.h"

#include <QLabel>
#include <QSlider>
#include <QStyle>
#include <QToolTip>

SliderScale::SliderScale(const QString &sliderName, const QStringList &texts, QWidget *parent) : QWidget(parent)
{
    slider = new QSlider(Qt::Horizontal, this);
    slider->setObjectName(sliderName);
    slider->setRange(0, int(texts.size()) - 1);
    slider->setSingleStep(1);
    slider->setPageStep(5);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(1);
    for (qsizetype i = 0; i < texts.size(); ++i) {
        auto *label = new QLabel(texts[i], this);
        label->setObjectName(QStringLiteral("lblTime_%1").arg(i));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        labels.append(label);
    }
}

void SliderScale::ShowTip(const QString &tip)
{
    slider->setToolTip(tip);
    const int x = QStyle::sliderPositionFromValue(slider->minimum(), slider->maximum(), slider->sliderPosition(),
                                                  slider->width());
    QToolTip::showText(slider->mapToGlobal(QPoint(x, 0)), tip, slider);
}

QSize SliderScale::sizeHint() const
{
    const int line = fontMetrics().height();
    int widest = 0;
    for (const QLabel *l : labels)
        widest = qMax(widest, l->sizeHint().width());
    // Neighbours sit in different rows: two steps must hold one label.
    const int width = qMax(slider->sizeHint().width(), int(labels.size()) * (widest / 2 + 4));
    return QSize(width, slider->sizeHint().height() + 2 * line + 4);
}

void SliderScale::resizeEvent(QResizeEvent *) { Arrange(); }

void SliderScale::Arrange()
{
    const int sliderHeight = slider->sizeHint().height();
    slider->setGeometry(0, 0, width(), sliderHeight);
    const int handle = style()->pixelMetric(QStyle::PM_SliderLength, nullptr, slider);
    const int span = width() - handle;
    const int line = fontMetrics().height();
    for (qsizetype i = 0; i < labels.size(); ++i) {
        QLabel *l = labels[i];
        const int centre = handle / 2
                           + QStyle::sliderPositionFromValue(slider->minimum(), slider->maximum(), int(i), span);
        const int w = l->sizeHint().width();
        const int left = qBound(0, centre - w / 2, qMax(0, width() - w));
        l->setGeometry(left, sliderHeight + 2 + int(i % 2) * line, w, line);
    }
}
