// Saves one of the program's files over and over, switching between two
// contents, until it is killed: tw_savechild set|portfolio|store FOLDER fork.
// It stays up and, for each line on its input, forks a copy that saves over
// and over and tells its process id; once the crash test has killed that
// copy at a random moment, it says "done" and the signal that ended it, and
// the test looks at what is on disk. A fork costs far less than starting a
// process, so a busy machine gets through a hundred kills in little time.
#include "core/AppFolder.h"
#include "core/Settings.h"
#include "core/Stock.h"
#include "platform/Registry.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace savechild {

// The two contents each kind switches between; the test makes the same.
void Fill(const char *kind, int which)
{
    if (!std::strcmp(kind, "set")) {
        Stocks.fill({});
        for (int i = 0; i < (which ? 201 : 3); ++i) {
            Stocks[size_t(i)].Symbol = (which ? "B" : "A") + QByteArray::number(i);
            Stocks[size_t(i)].Name = QByteArray(which ? 40 : 10, which ? 'b' : 'a');
        }
        StockCount = which ? 201 : 3;
    } else if (!std::strcmp(kind, "portfolio")) {
        Portfolio.fill({});
        for (int i = 0; i < (which ? 100 : 2); ++i)
            Portfolio[size_t(i)].Symbol = (which ? "Q" : "P") + QByteArray::number(i);
    } else {
        Settings::Set(QStringLiteral("Email"), QString(which ? 3000 : 5, which ? u'b' : u'a'));
    }
}

bool Save(const char *kind)
{
    if (!std::strcmp(kind, "set"))
        return Stock::SaveStocks();
    if (!std::strcmp(kind, "portfolio"))
        return Stock::SavePortfolio();
    return Registry::instance().Flush();
}

// Unbuffered, so a forked copy never repeats what its parent had pending.
void Say(const std::string &line)
{
    const std::string text = line + "\n";
    (void)!::write(STDOUT_FILENO, text.data(), text.size());
}

[[noreturn]] void SaveUntilKilled(const char *kind)
{
    for (int which = 0;; which ^= 1) {
        Fill(kind, which);
        if (!Save(kind))
            std::_Exit(1);
    }
}

int ForkOnRequest(const char *kind)
{
    char line[64];
    while (std::fgets(line, sizeof line, stdin)) {
        const pid_t pid = ::fork();
        if (pid < 0)
            return 1;
        if (pid == 0) {
            // Never outlives the test, even when its parent went first.
            ::prctl(PR_SET_PDEATHSIG, SIGKILL);
            if (::getppid() == 1)
                std::_Exit(1);
            Say(std::to_string(::getpid()));
            SaveUntilKilled(kind);
        }
        int status = 0;
        pid_t gone;
        do
            gone = ::waitpid(pid, &status, 0);
        while (gone < 0 && errno == EINTR);
        Say("done " + std::to_string(gone == pid && WIFSIGNALED(status) ? WTERMSIG(status) : -1));
    }
    return 0;
}

} // namespace savechild

// With "0" or "1" in place of "fork": saves that content once and ends.
int main(int argc, char **argv)
{
    if (argc != 4)
        return 2;
    AppFolder = QString::fromLocal8Bit(argv[2]);
    CurrentSet = 0;
    Registry::instance().Open(AppFolder + QStringLiteral("/Tickerwatch.reg"));
    Registry::instance().CreateKey(QStringLiteral("HKEY_CURRENT_USER\\") + Settings::KeyPath);
    if (!std::strcmp(argv[3], "fork"))
        return savechild::ForkOnRequest(argv[1]);
    savechild::Fill(argv[1], std::atoi(argv[3]));
    return savechild::Save(argv[1]) ? 0 : 1;
}
