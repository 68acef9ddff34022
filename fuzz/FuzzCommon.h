#pragma once
// What every fuzz target shares: a core application for the Qt parts, a
// private data folder and settings store, and a check that aborts (so the
// fuzzer keeps the input) when a reader breaks a rule it promises.
#include "core/AppFolder.h"
#include "platform/Registry.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace fuzz {

inline void Setup()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static QCoreApplication *app = new QCoreApplication(argc, argv);
    static QTemporaryDir *dir = new QTemporaryDir();
    (void)app;
    if (AppFolder.isEmpty()) {
        AppFolder = dir->path() + QStringLiteral("/data");
        QDir().mkpath(AppFolder);
        Registry::instance().Open(dir->path() + QStringLiteral("/Tickerwatch.reg"));
    }
}

inline void Check(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "fuzz check failed: %s\n", what);
        std::abort();
    }
}

inline QByteArray Bytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

} // namespace fuzz

#define TW_FUZZ_CHECK(cond) ::fuzz::Check((cond), #cond)

namespace fuzz {

// What every sheet reader promises of the table it sets up: a sane size, a
// sort range inside it (an empty one sorts nothing), and no cell longer than
// the page could make it (maxCell).
template <typename Table> void CheckTable(const Table &t, qsizetype maxCell)
{
    TW_FUZZ_CHECK(t.Rows() >= 0 && t.Cols() >= 0 && t.Rows() < 1000000);
    TW_FUZZ_CHECK((t.sortFirst < t.Rows() || t.sortFirst > t.sortLast) && t.sortLast < t.Rows());
    for (int r = 0; r < t.Rows(); ++r)
        for (int c = 0; c < t.Cols(); ++c)
            TW_FUZZ_CHECK(t.Text(r, c).size() <= maxCell);
}

} // namespace fuzz
