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
        TW_FUZZ_CHECK(t.Rows() >= 0 && t.Cols() >= 0 && t.Rows() < 1000000);
        // A sort range lies inside the table; an empty one (no option rows) sorts nothing.
        TW_FUZZ_CHECK((t.sortFirst < t.Rows() || t.sortFirst > t.sortLast) && t.sortLast < t.Rows());
        // A bracket may become a line break and a bracket: at most twice the page.
        for (int r = 0; r < t.Rows(); ++r)
            for (int c = 0; c < t.Cols(); ++c)
                TW_FUZZ_CHECK(t.Text(r, c).size() <= 2 * input.size() + 64);
    }
    const HttpPage::Reply reply = HttpPage::Read(input, size % 2);
    TW_FUZZ_CHECK(reply.size == qint64(size));
    TW_FUZZ_CHECK(!reply.headEnded || reply.bodyArrived <= reply.size);
    return 0;
}
