#pragma once
// A stand-in for the desktop's opener: an xdg-open script in a folder of its
// own at the head of PATH, with Shell handing addresses over for real while
// it lives. The script notes each argument it gets, then runs its lines.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace tw::test {

class StandInOpener {
public:
    // NotExecutable and Missing leave the folder alone on PATH, so no other
    // opener is found.
    enum Kind { Runs, NotExecutable, Missing };
    explicit StandInOpener(const QByteArray &lines, Kind kind = Runs);
    ~StandInOpener();
    StandInOpener(const StandInOpener &) = delete;
    StandInOpener &operator=(const StandInOpener &) = delete;

    QString folder() const { return dir_.path(); }
    QStringList Handed() const;

    // Lines of a stand-in that tells its process id and runs until Release
    // (or its folder is gone): it then notes that it was released and exits
    // with 3.
    static QByteArray UntilReleased();
    qint64 Pid() const;
    bool Released() const;
    void Release() const;

private:
    QTemporaryDir dir_;
    QByteArray path_;
};

} // namespace tw::test
