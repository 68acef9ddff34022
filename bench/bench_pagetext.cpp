// Page text routines over a page the size of a big data sheet: normalising,
// cutting out each table and cleaning its rows, next to reading the page.
#include "Bench.h"

#include "core/Misc.h"

#include <QTemporaryDir>

namespace {

constexpr int Tables = 11;

// About 100 KB: some prose, then tables in the mixed tag spellings pages use,
// each row with a link, an entity and a line break.
QByteArray MakePage()
{
    QByteArray page = "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n<HTML><BODY>";
    for (int i = 0; i < 200; ++i)
        page += "<p>Market commentary line " + QByteArray::number(i) + " for the sheet.</p>\r\n";
    for (int t = 0; t < Tables; ++t) {
        page += t % 2 ? "<TABLE border=0>" : "<Table width=100%>";
        page += "<TR><TH>Date</TH><TH>Open</TH><TH>Close</TH><TH>Link</TH></TR>\r\n";
        for (int r = 0; r < 60; ++r) {
            const QByteArray n = QByteArray::number(r);
            page += "<Tr><TD align=right>" + n + "-Jan-03</TD><Td>12 3/8</Td><TD align=right>&nbsp;1,2" + n
                    + ".50<br></TD><td><a href=\"/q?s=X" + n + "&amp;d=t\">X" + n + "</a></td></TR>\r\n";
        }
        page += "</TABLE>\r\n";
    }
    return page + "</BODY></HTML>";
}

} // namespace

TW_BENCH(pagetext)
{
    const QByteArray page = MakePage();
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/Page.Sh");
    if (!bench::writeFile(path, page))
        return;
    bench::report(QStringLiteral("pagetext page size"), double(page.size()) / 1024.0, QStringLiteral("KB"));

    qsizetype sink = 0;
    const double parse = bench::medianMs(51, [&] {
        QByteArray text = page;
        Misc::FixTags(text, true, true, true, true);
        for (int16_t n = 1; n <= Tables; ++n) {
            QByteArray table = Misc::GetTable(text, n);
            const QList<QByteArray> rows = table.split('\n');
            for (QByteArray row : rows) {
                sink += Misc::CleanHTML(row, true, true, false).size();
                sink += Misc::CleanHTML(row, false, false, true).size();
            }
        }
    });
    bench::report(QStringLiteral("pagetext FixTags+GetTable+CleanHTML"), parse, QStringLiteral("ms (median)"));

    const double read = bench::medianMs(51, [&] { sink += Misc::ReadFile(path).size(); });
    bench::report(QStringLiteral("pagetext ReadFile"), read, QStringLiteral("ms (median)"));
    if (sink < 0)
        bench::report(QStringLiteral("pagetext sink"), double(sink), QString());
}
