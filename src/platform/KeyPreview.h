#pragma once
// A window's key preview: the window's key handler sees every key pressed in
// the window before the focused control does, once per key, and the key then
// goes on to that control unchanged, unless the handler used it up (a key
// that closed the window). Keys of other windows are not seen.
#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

class KeyPreview : public QObject {
public:
    // keyCode and shift as VbInput gives them; true when the key is used up.
    using Handler = std::function<bool(int keyCode, int shift)>;

    // Lives as long as the window.
    static void Install(QWidget *window, Handler handler);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    KeyPreview(QWidget *window, Handler handler);
    bool PassingUp(const QEvent *event, QWidget *w) const;

    QWidget *window_;
    Handler handler_;
    const QEvent *previewed_ = nullptr;
    QPointer<QWidget> previewedAt_;
};
