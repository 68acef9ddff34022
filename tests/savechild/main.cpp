// Saves one of the program's files over and over, switching between two
// contents, until it is killed: tw_savechild set|portfolio|store FOLDER.
// The crash test kills it at random moments and looks at what is on disk.
#include "core/AppFolder.h"
#include "core/Settings.h"
#include "core/Stock.h"
#include "platform/Registry.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

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

} // namespace savechild

// With a third argument "0" or "1": saves that content once and ends.
int main(int argc, char **argv)
{
    if (argc != 3 && argc != 4)
        return 2;
    AppFolder = QString::fromLocal8Bit(argv[2]);
    CurrentSet = 0;
    Registry::instance().Open(AppFolder + QStringLiteral("/Tickerwatch.reg"));
    Registry::instance().CreateKey(QStringLiteral("HKEY_CURRENT_USER\\") + Settings::KeyPath);
    if (argc == 4) {
        savechild::Fill(argv[1], std::atoi(argv[3]));
        return savechild::Save(argv[1]) ? 0 : 1;
    }
    std::puts("saving");
    std::fflush(stdout);
    for (int which = 0;; which ^= 1) {
        savechild::Fill(argv[1], which);
        if (!savechild::Save(argv[1]))
            return 1;
    }
}
