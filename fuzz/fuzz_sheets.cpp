// The sheet readers: any page gives a table whose cells all lie inside it,
// or a failure the frame turns into a message.
#include "FuzzCommon.h"
#include "platform/HttpPage.h"
#include "platform/Vb.h"
#include "sheets/SheetReaders.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::Setup();
    const QByteArray input = fuzz::Bytes(data, size);
    using Reader = void (*)(QByteArray &, const QByteArray &, SheetFrame::SheetTable &);
    for (Reader read : {SheetReaders::ReadAIS, SheetReaders::ReadABS, SheetReaders::ReadIT, SheetReaders::ReadQR,
                        SheetReaders::ReadEG, SheetReaders::ReadEH, SheetReaders::ReadER, SheetReaders::ReadEC,
                        SheetReaders::ReadCall, SheetReaders::ReadPut, SheetReaders::ReadOptions}) {
        QByteArray page = input;
        SheetFrame::SheetTable t;
        try {
            read(page, "Zeta Corp", t);
        } catch (const VbError &) {
        }
        if (!t.IsSetUp())
            continue;
        // A bracket may become a line break and a bracket: at most twice the page.
        fuzz::CheckTable(t, 2 * input.size() + 64);
    }
    const HttpPage::Reply reply = HttpPage::Read(input, size % 2);
    TW_FUZZ_CHECK(reply.size <= qint64(size));
    TW_FUZZ_CHECK(!reply.headEnded || reply.bodyArrived <= qint64(size));
    return 0;
}
