#include "sheets/LayOut.h"

#include <algorithm>

#include "core/AppFolder.h"
#include "core/RecordIO.h"
#include "platform/FlexGrid.h"
#include "platform/Text.h"
#include "platform/Vb.h"

LayOutTable LayOut;

namespace {

struct LayOutFields {
    template <typename IO, typename Rec>
    bool operator()(IO &io, Rec &r) const
    {
        return io.Field(r.Caption) && io.Field(r.Reserved) && io.Field(r.Pos) && io.Field(r.Pos2);
    }
};

} // namespace

namespace LayOutFile {

QString Path() { return AppFolder + QStringLiteral("/LayOut.dat"); }

// A missing file is created empty; a file that cannot be read, or the part of
// the table it does not reach, leaves the entries empty. Nothing is shown.
bool Load()
{
    LayOut.fill({});
    try {
        RecordIO::ReadTable(Path(), LayOut, LayOutFields{});
        return true;
    } catch (const VbError &) {
        return false;
    }
}

// The file becomes exactly the new table or, when it cannot be written,
// stays as it was.
void Save(bool loaded)
{
    // A start-up that ended before the load (a damaged setting) must not
    // save the empty table over the user's order: only a table read from the
    // file, or one that holds an order set since, is written.
    const bool set = std::any_of(LayOut.begin(), LayOut.end(), [](const LayOutEntry &e) { return !e.Caption.isEmpty(); });
    if (!loaded && !set)
        return;
    try {
        RecordIO::SaveTable(Path(), LayOut, LayOutFields{});
    } catch (const VbError &) {
    }
}

// One pass does not always restore the stored order (a move shifts the
// columns between); the quote list runs it twice. Empty captions and
// positions the grid does not have are passed over.
void Fix(FlexGrid *grid)
{
    for (int i = 1; i < int(LayOut.size()) && i < grid->Cols(); ++i) {
        const QByteArray header = Text::ToCp1252(grid->TextMatrix(0, i));
        if (header.isEmpty())
            continue;
        for (int j = 1; j < int(LayOut.size()); ++j) {
            const LayOutEntry &e = LayOut[size_t(j)];
            if (e.Caption != header)
                continue;
            if (e.Pos >= 1 && e.Pos < grid->Cols()) {
                grid->SetRedraw(false);
                grid->SetColPosition(i, e.Pos);
                grid->SetRedraw(true);
            }
            break;
        }
    }
}

} // namespace LayOutFile
