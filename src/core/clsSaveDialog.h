#pragma once
// Asks where a file goes: default name and extension, file-type filters kept
// in a list keyed by extension (case does not matter), then the chosen path
// and its parts. An object serves one question; an empty FileName after
// ShowSave means the user cancelled.
#include <QList>
#include <QString>
#include <QStringList>

class clsSaveDialog {
public:
    clsSaveDialog();

    bool ReadOnly() const { return readOnly_; }
    // Short 8.3 forms have no meaning on this platform: always "".
    QString ShortFileName() const { return shortFileName_; }
    QString ShortFileTitle() const { return shortFileTitle_; }
    QString Extension() const { return extension_; } // "txt", no dot; "" for none
    QString FileName() const { return fileName_; }
    QString Path() const { return path_; } // the folder, with its trailing "/"
    QString PathFile() const { return pathFile_; } // the whole path, exactly as chosen

    // Shows the dialog; a cancel changes nothing.
    void ShowSave();
    void ClearAllFilters();
    // An extension never added is ignored.
    void RemoveFilter(const QString &Extension);
    // A second filter for the same extension is ignored.
    void AddFilter(const QString &Description, const QString &Extension);

    QString DialogTitle() const { return dialogTitle_; }
    void SetDialogTitle(const QString &vData) { dialogTitle_ = vData; }
    QString InitialFolder() const { return initialFolder_; }
    void SetInitialFolder(const QString &vData) { initialFolder_ = vData; }
    QString FileTitle() const { return fileTitle_; }
    void SetFileTitle(const QString &vData) { fileTitle_ = vData; }
    QString DefaultExtension() const { return defaultExtension_; }
    void SetDefaultExtension(const QString &vData) { defaultExtension_ = vData; }
    QString DefaultFileName() const { return defaultFileName_; }
    void SetDefaultFileName(const QString &vData) { defaultFileName_ = vData; }

private:
    struct Filter {
        QString extension;
        QString item; // "Text File (*.txt)"
    };
    QStringList BuildFilterList() const;
    // The first filter for DefaultExtension, counted from 1; one past the
    // last when there is none.
    int FilterIndexOf() const;

    QString defaultFileName_;
    QString defaultExtension_;
    QString fileTitle_;
    QString initialFolder_;
    QString dialogTitle_;
    QList<Filter> filters_;
    QString pathFile_;
    QString path_;
    QString fileName_;
    QString extension_;
    QString shortFileTitle_;
    QString shortFileName_;
    bool readOnly_ = false;
};
