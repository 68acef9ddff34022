#pragma once
// One fresh user per test case: its own data folder, settings store, and
// scripted dialogs, shell, dial-up and clock seams.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QTemporaryDir>

namespace tw::test {

class TestEnv {
public:
    TestEnv();
    ~TestEnv();
    TestEnv(const TestEnv &) = delete;
    TestEnv &operator=(const TestEnv &) = delete;

    QString root() const { return dir_.path(); }
    QString appFolder() const;
    QString settingsFile() const;

    // Creates the program's key and its Groups subkey, as a first run does.
    void CreateKeys();
    void Set(const QString &name, const QString &value);
    QString Get(const QString &name) const;
    bool Has(const QString &name) const;

    QByteArray ErrorLog() const;
    int ErrorBlocks() const; // number of logged blocks

    // Blocking waits the code asked for, in ms (nothing really sleeps).
    QList<int> sleeps;

    static QByteArray ReadAll(const QString &path);
    static void WriteAll(const QString &path, const QByteArray &bytes);

private:
    QTemporaryDir dir_;
};

} // namespace tw::test
