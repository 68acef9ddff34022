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
