#include "reports/OptionRows.h"

#include "collect/SheetCache.h"
#include "core/Hosts.h"
#include "platform/Dialogs.h"

#include <QList>

namespace OptionRows {

namespace {

using ReportPage::Renderer;

const QByteArray CrLf = "\r\n";

struct Markup {
    const char *firstHead; // the label column's heading, "%1" for its word
    const char *head;      // the others
    const char *linkOpen, *linkClose;
    const char *valueOpen;
};

// Calls report, puts report, calls section, puts section.
const Markup kMarkup[4] = {
    {"<TH ALIGN=\"CENTER\" WIDTH=\"20%\" HEIGHT=\"26\">%1</th>", "<TH ALIGN=\"CENTER\" WIDTH=\"13%\" HEIGHT=\"26\">%1</th>",
     "<Td Align=\"Left\" Width=\"25%\"><Font color=#484848 size=-1>", "</a></FONT></td>",
     "<Td Align=\"Right\" Width=\"12%\"><Font color=#484848 size=-1>"},
    {"<TH ALIGN=\"CENTER\" WIDTH=\"25%\" HEIGHT=\"26\">%1</th>", "<TH ALIGN=\"CENTER\" WIDTH=\"12%\">%1</th>",
     "<Td Align=\"Left\" Width=\"12%\"><Font color=#484848 size=-1>", "</a></Font></td>",
     "<Td Align=\"Right\" Width=\"12%\"><Font color=#484848 size=-1>"},
    {"<TH ALIGN=\"CENTER\" WIDTH=\"25%\" HEIGHT=\"26\"><Font Face=\"Arial\" Size=-1>%1</Font><hr></th>",
     "<TH ALIGN=\"CENTER\" WIDTH=\"12%\" HEIGHT=\"26\"><Font Face=\"Arial\" Size=-1>%1</Font><hr></th>",
     "<Td Align=\"Left\" Width=\"25%\"><Font color=#484848 size=-1 Face=\"Arial\">", "</a></FONT></td>",
     "<Td Align=\"Right\" Width=\"12%\"><Font color=#484848 size=-1 Face=\"Arial\">"},
    {"<TH ALIGN=\"CENTER\" WIDTH=\"25%\" HEIGHT=\"26\"><Font Face=\"Arial\" Size=-1>%1</Font><HR></th>",
     "<TH ALIGN=\"CENTER\" WIDTH=\"12%\"><Font Face=\"Arial\" Size=-1>%1</Font><HR></th>",
     "<Td Align=\"Left\" Width=\"12%\"><Font color=#484848 size=-1>", "</a></Font></td>",
     "<Td Align=\"Right\" Width=\"12%\"><Font color=#484848 size=-1>"},
};

const Markup &MarkupOf(Side side, Renderer renderer)
{
    return kMarkup[(renderer == Renderer::Summary ? 2 : 0) + (side == Side::Puts ? 1 : 0)];
}

QByteArray Filled(const char *pattern, QByteArrayView word)
{
    QByteArray out(pattern);
    return out.replace("%1", word.toByteArray());
}

// The code between the label's first "(" and the ")" after it, trimmed;
// none without both.
QByteArray OptionCode(const QByteArray &label)
{
    const qsizetype open = label.indexOf('(');
    const qsizetype close = open < 0 ? -1 : label.indexOf(')', open);
    return close < 0 ? QByteArray() : label.mid(open + 1, close - open - 1).trimmed();
}

QByteArray LinkCell(const Markup &m, const QByteArray &label)
{
    const QString address = Hosts::Url(QStringLiteral("OptionQuoteHost"), QStringLiteral("/cgi-bin/cboeget.exe?TICKER=")
                                                                             + SheetCache::ForUrl(OptionCode(label)));
    return m.linkOpen + QByteArray("<a href=\"") + ReportPage::Escape(address.toLatin1()) + "\">"
           + ReportPage::Escape(label) + m.linkClose + CrLf;
}

// The cells of one line: its fields up to each comma, the label first.
QByteArray LineCells(Side side, const Markup &m, const QByteArray &line)
{
    QList<QByteArray> fields; // each field that has its comma
    for (qsizetype from = 0;;) {
        const qsizetype comma = line.indexOf(',', from);
        if (comma < 0)
            break;
        fields.append(line.mid(from, comma - from));
        from = comma + 1;
    }
    const int first = side == Side::Calls ? 0 : 7;
    // A call's label shows only with the value after it; a put's with its
    // own comma.
    if (fields.size() < (side == Side::Calls ? 2 : 8))
        return {};
    QByteArray cells = LinkCell(m, fields[first]);
    for (int f = first + 1; f < first + 7 && f < fields.size(); ++f)
        cells += m.valueOpen + ReportPage::Escape(fields[f]) + "</Font></td>" + CrLf;
    return cells;
}

} // namespace

QByteArray Body(const QByteArray &page)
{
    const qsizetype puts = page.indexOf("Puts");
    const qsizetype in = page.indexOf("Int", puts < 0 ? 0 : puts);
    return in < 0 ? page : page.mid(in + 3);
}

bool GoOnWithLarge(Side side, Renderer renderer)
{
    const bool calls = side == Side::Calls;
    const QString last = renderer == Renderer::Report
                             ? QStringLiteral("Click Cancel to cancel this operation, or OK to continue")
                             : QStringLiteral("Click Cancel to skip on %1 section, or OK to continue")
                                   .arg(calls ? QStringLiteral("Calls") : QStringLiteral("Puts"));
    const QString text = QStringLiteral("There is to many records, and it might take time.\r\n(Up to 5 minuets)")
                         + (calls ? QStringLiteral(".") : QString()) + QStringLiteral("\r\n") + last;
    return Dialogs::MsgBox(text, Dialogs::vbOKCancel | Dialogs::vbInformation, QStringLiteral("To many records"))
           != Dialogs::vbCancel;
}

QByteArray Headings(Side side, Renderer renderer)
{
    const Markup &m = MarkupOf(side, renderer);
    QByteArray out = "<TR>" + Filled(m.firstHead, side == Side::Calls ? "Calls" : "Puts") + CrLf;
    for (const char *word : {"Last Sale", "Net", "Bid", "Ask", "Vol", "Open Int"})
        out += Filled(m.head, word) + CrLf;
    return out + "</TR>" + CrLf + "<TR>";
}

QByteArray Rows(Side side, Renderer renderer, const QByteArray &body)
{
    const Markup &m = MarkupOf(side, renderer);
    QByteArray out;
    bool first = true;
    for (qsizetype s = body.indexOf("\r\n"); s >= 0;) {
        const qsizetype e = body.indexOf("\r\n", s + 2);
        if (e < 0)
            break;
        if (!first)
            out += "<tr>" + CrLf;
        first = false;
        out += LineCells(side, m, body.mid(s, e - s)) + "</tr>" + CrLf;
        s = e;
    }
    return out;
}

} // namespace OptionRows
