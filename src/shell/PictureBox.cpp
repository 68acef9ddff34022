#include "shell/PictureBox.h"

#include <QPainter>

PictureBox::PictureBox(QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
}

void PictureBox::LoadPicture(const QString &path)
{
    // Read as stored: a 256-colour picture stays indexed.
    picture_ = QImage(path);
    update();
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    if (picture_.isNull())
        return;
    QPainter p(this);
    p.setClipRect(contentsRect());
    p.drawImage(contentsRect().topLeft(), picture_);
}

void PictureFace::paintEvent(QPaintEvent *event)
{
    const QPixmap face = pixmap();
    if (face.isNull()) {
        QLabel::paintEvent(event);
        return;
    }
    const QRect box = contentsRect();
    const QSize size = face.size().scaled(box.size(), Qt::KeepAspectRatio);
    const QRect at(box.left() + (box.width() - size.width()) / 2, box.bottom() + 1 - size.height(), size.width(),
                   size.height());
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(at, face);
}
