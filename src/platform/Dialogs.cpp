#include "platform/Dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QQueue>

namespace {
struct State {
    bool scripted = false;
    QQueue<int> answers;
    QQueue<QString> inputs;
    QList<Dialogs::Shown> log;
    std::function<void(const Dialogs::Shown &)> onShow;
};
State &st()
{
    static State s;
    return s;
}

QList<int> buttonsOf(int flags)
{
    using namespace Dialogs;
    switch (flags & 7) {
    case vbOKCancel: return {vbOK, vbCancel};
    case vbAbortRetryIgnore: return {vbAbort, vbRetry, vbIgnore};
    case vbYesNoCancel: return {vbYes, vbNo, vbCancel};
    case vbYesNo: return {vbYes, vbNo};
    case vbRetryCancel: return {vbRetry, vbCancel};
    default: return {vbOK};
    }
}

int defaultButton(int flags)
{
    const QList<int> b = buttonsOf(flags);
    const int idx = (flags >> 8) & 3;
    return b.value(idx, b.first());
}
} // namespace

namespace Dialogs {

QString AppTitle() { return QStringLiteral("Tickerwatch"); }

namespace {
// A box called with no title shows the program's; a title given, even an
// empty one, shows as given.
QString Caption(const QString &title) { return title.isNull() ? AppTitle() : title; }
} // namespace

int MsgBox(const QString &text, int flags, const QString &title)
{
    const QString caption = Caption(title);
    if (st().scripted) {
        Shown s{false, text, caption, flags, {}};
        st().log.append(s);
        if (st().onShow)
            st().onShow(s);
        return st().answers.isEmpty() ? defaultButton(flags) : st().answers.dequeue();
    }
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(caption);
    // Box texts carry outside text (a server's reply, a page, a stored
    // value): markup in it shows as typed and never becomes a link.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    switch (flags & 0x70) {
    case vbCritical: box.setIcon(QMessageBox::Critical); break;
    case vbQuestion: box.setIcon(QMessageBox::Question); break;
    case vbExclamation: box.setIcon(QMessageBox::Warning); break;
    case vbInformation: box.setIcon(QMessageBox::Information); break;
    default: break;
    }
    const int def = defaultButton(flags);
    QMap<QAbstractButton *, int> map;
    for (int r : buttonsOf(flags)) {
        static const char *names[] = {"", "OK", "Cancel", "&Abort", "&Retry", "&Ignore", "&Yes", "&No"};
        const auto role = (r == vbCancel || r == vbNo || r == vbAbort) ? QMessageBox::RejectRole : QMessageBox::AcceptRole;
        QPushButton *b = box.addButton(QString::fromLatin1(names[r]), role);
        map[b] = r;
        if (r == def)
            box.setDefaultButton(b);
        if (r == vbCancel || (r == vbNo && !buttonsOf(flags).contains(vbCancel)) || buttonsOf(flags).size() == 1)
            box.setEscapeButton(b);
    }
    box.exec();
    return map.value(box.clickedButton(), buttonsOf(flags).contains(vbCancel) ? int(vbCancel) : def);
}

QString InputBox(const QString &prompt, const QString &title, const QString &defaultText)
{
    const QString caption = Caption(title);
    if (st().scripted) {
        Shown s{true, prompt, caption, 0, defaultText};
        st().log.append(s);
        if (st().onShow)
            st().onShow(s);
        return st().inputs.isEmpty() ? defaultText : st().inputs.dequeue();
    }
    QInputDialog box(QApplication::activeWindow());
    box.setWindowTitle(caption);
    box.setLabelText(prompt);
    for (QLabel *label : box.findChildren<QLabel *>())
        label->setTextFormat(Qt::PlainText);
    box.setTextValue(defaultText);
    return box.exec() == QDialog::Accepted ? box.textValue() : QString();
}

void SetScripted(bool on) { st().scripted = on; }
bool Scripted() { return st().scripted; }
void QueueAnswer(int result) { st().answers.enqueue(result); }
void QueueInput(const QString &text) { st().inputs.enqueue(text); }
QList<Shown> &Log() { return st().log; }
void SetOnShow(std::function<void(const Shown &)> hook) { st().onShow = std::move(hook); }
void Reset()
{
    st().answers.clear();
    st().inputs.clear();
    st().log.clear();
    st().onShow = nullptr;
}

} // namespace Dialogs
