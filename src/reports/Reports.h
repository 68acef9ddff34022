#pragma once
// HTML reports of the view on show and the exports of the open set's quote
// list. The Reports popup makes one object per command.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>

class Reports {
public:
    // The price list of the open set.
    void H_Current();
    // Reports of one stock's cached sheet.
    void H_AIS(const QByteArray &symbol);
    void H_ABS(const QByteArray &symbol);
    void H_Calls(const QByteArray &symbol);
    void H_Puts(const QByteArray &symbol);
    void H_IT(const QByteArray &symbol);
    void H_EC(const QByteArray &symbol);
    void H_ER(const QByteArray &symbol);
    void H_EH(const QByteArray &symbol);
    void H_EG(const QByteArray &symbol);
    void H_QR(const QByteArray &symbol);
    void H_SI(const QByteArray &symbol);
    // kind: 0 comma-separated, 1 tab-separated, 2 .. 7 the other file
    // formats, 14 the clipboard, 15 XML.
    void Export(int16_t kind);

    // Test seam: every writer call is told here ("H_IT", "ZETA";
    // "Export", "14") before it runs.
    using Recorder = std::function<void(const QString &call, const QByteArray &argument)>;
    static void SetRecorder(Recorder recorder);

private:
    // The page head: window title, body colour, the stock's name and the
    // report's subtitle.
    static QByteArray HtmlHead(const QByteArray &color, const QByteArray &title, const QByteArray &subtitle);
    // The table opener with one attribute for each value given.
    static QByteArray HtmlTable(const QByteArray &border, const QByteArray &spacing, const QByteArray &padding,
                                const QByteArray &width, const QByteArray &height);
    // The closing of the table and the page, stamped with the time now.
    static QByteArray Footer();
    // A statement report: head, table opener, rows, footer, then its file.
    static void Statement(const QString &subfolder, const QByteArray &symbol, const char *suffix,
                          const QByteArray &subtitle, QByteArray (*rows)(QByteArray));
    // One of the four earnings tables (EarningsRows::Table) as its report.
    static void Earnings(const QByteArray &symbol, int table, const QString &file, const QByteArray &subtitle);
    // The calls or the puts of the option chain as their report.
    static void Chain(const QByteArray &symbol, bool calls);
};
