#include "platform/SaveDialog.h"

#include <QFileDialog>

namespace {
struct State {
    bool scripted = false;
    QStringList answers;
    QList<SaveDialog::Request> shown;
};
State &st()
{
    static State s;
    return s;
}
} // namespace

namespace SaveDialog {

Answer Show(const Request &request)
{
    if (st().scripted) {
        st().shown.append(request);
        const QString path = st().answers.isEmpty() ? QString() : st().answers.takeFirst();
        return {!path.isEmpty(), path};
    }
    QFileDialog dialog(nullptr, request.title, request.initialFolder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.defaultExtension);
    dialog.setNameFilters(request.filters);
    if (request.filterIndex >= 1 && request.filterIndex <= request.filters.size())
        dialog.selectNameFilter(request.filters[request.filterIndex - 1]);
    if (!request.defaultFileName.isEmpty())
        dialog.selectFile(request.defaultFileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return {true, dialog.selectedFiles().first()};
}

void SetScripted(bool on) { st().scripted = on; }
void QueueAnswer(const QString &path) { st().answers.append(path); }
QList<Request> &Shown() { return st().shown; }
void Reset()
{
    st().answers.clear();
    st().shown.clear();
}

} // namespace SaveDialog
