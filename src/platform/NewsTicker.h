#pragma once
// The news ticker: a strip that scrolls one text from right to left, over
// and over. The text is a row of items, each ended by ";"; pointing at an
// item lights it up and clicking it reports the item's place, counted from 1.
#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QWidget>

class QTimer;

class NewsTicker : public QWidget {
    Q_OBJECT
public:
    explicit NewsTicker(QWidget *parent = nullptr);

    // The whole text at once, Windows-1252 bytes. Setting a new text starts
    // it at the right edge; setting the same text again keeps its place.
    void SetText(const QByteArray &text);
    // The items themselves, for texts whose own ";" must not end an item
    // (a headline, a company name). Text() then reads each item and ";".
    void SetItems(const QList<QByteArray> &items);
    const QByteArray &Text() const { return text_; }

    int ItemCount() const { return int(items_.size()); }
    // Text of item 1 .. ItemCount; "" outside.
    QString ItemText(int item) const;
    // The item under a point of the strip, from 1; 0 over a gap.
    int ItemAt(QPoint pos) const;
    // Where the item is drawn now; empty while it is off the strip.
    QRect ItemRect(int item) const;

    // Pixels the text has moved since it entered at the right edge.
    int Offset() const { return offset_; }
    void SetOffset(int pixels);
    // One tick of the scroll timer: moves the text one pixel to the left.
    void Step();
    // Milliseconds per pixel while the strip is on screen.
    int ScrollDelay() const;

Q_SIGNALS:
    void ItemClick(int item);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void Layout();
    // Distance between two passes of the text.
    int Period() const;
    // Left edge of the last pass that starts at or left of the strip's left.
    int Base() const;
    void SetHover(int item);
    void UpdateTimer();

    QByteArray text_;
    QStringList items_;
    QList<int> starts_; // item lefts within one pass
    QList<int> widths_;
    int passWidth_ = 0; // one pass: every item and the gap after it
    int gap_ = 0;
    int offset_ = 0;
    int hover_ = 0;
    int pressed_ = 0;
    QTimer *timer_ = nullptr;
};
