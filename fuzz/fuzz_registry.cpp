// The settings store's reader: whatever the file holds, writing it back and
// reading that gives the same store, and lines it cannot read survive.
#include "FuzzCommon.h"

#include <QFile>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::Setup();
    const QString file = AppFolder + QStringLiteral("/store.reg");
    {
        QFile f(file);
        if (!f.open(QIODevice::WriteOnly))
            return 0;
        f.write(fuzz::Bytes(data, size));
    }
    Registry &r = Registry::instance();
    r.Open(file);
    const QByteArray once = r.Serialize();
    {
        QFile f(file);
        if (!f.open(QIODevice::WriteOnly))
            return 0;
        f.write(once);
    }
    r.Open(file);
    TW_FUZZ_CHECK(r.Serialize() == once);
    return 0;
}
