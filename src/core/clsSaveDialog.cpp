#include "core/clsSaveDialog.h"

#include "core/AppFolder.h"
#include "platform/SaveDialog.h"

clsSaveDialog::clsSaveDialog() : initialFolder_(AppFolder), dialogTitle_(QStringLiteral("Save As...")) {}

void clsSaveDialog::ClearAllFilters() { filters_.clear(); }

void clsSaveDialog::RemoveFilter(const QString &Extension)
{
    filters_.removeIf([&](const Filter &f) { return f.extension.compare(Extension, Qt::CaseInsensitive) == 0; });
}

void clsSaveDialog::AddFilter(const QString &Description, const QString &Extension)
{
    for (const Filter &f : filters_)
        if (f.extension.compare(Extension, Qt::CaseInsensitive) == 0)
            return;
    filters_.append({Extension, Description + QStringLiteral(" (*.") + Extension + u')'});
}

QStringList clsSaveDialog::BuildFilterList() const
{
    QStringList items;
    for (const Filter &f : filters_)
        items.append(f.item);
    return items;
}

int clsSaveDialog::FilterIndexOf() const
{
    for (qsizetype i = 0; i < filters_.size(); ++i)
        if (filters_[i].extension.compare(defaultExtension_, Qt::CaseInsensitive) == 0)
            return int(i) + 1;
    return int(filters_.size()) + 1;
}

void clsSaveDialog::ShowSave()
{
    SaveDialog::Request request;
    request.title = dialogTitle_;
    request.initialFolder = initialFolder_;
    request.defaultFileName = defaultFileName_;
    request.defaultExtension = defaultExtension_;
    request.filters = BuildFilterList();
    request.filterIndex = FilterIndexOf();
    const SaveDialog::Answer answer = SaveDialog::Show(request);
    if (!answer.chosen)
        return;

    // Qt hands back the bare path: the parts are clean strings, and the
    // whole path is PathFile alone.
    pathFile_ = answer.path;
    const qsizetype slash = pathFile_.lastIndexOf(u'/');
    path_ = pathFile_.left(slash + 1);
    fileName_ = pathFile_.mid(slash + 1);
    const qsizetype dot = fileName_.lastIndexOf(u'.');
    extension_ = dot < 0 ? QString() : fileName_.mid(dot + 1);
    fileTitle_ = fileName_;
    shortFileTitle_.clear();
    shortFileName_.clear();
    readOnly_ = false;
}
