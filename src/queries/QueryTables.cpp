#include "queries/QueryTables.h"

#include "collect/SheetCache.h"
#include "platform/Text.h"
#include "platform/Vb.h"

#include <array>
#include <cstring>

namespace Queries {

QString ForAddress(const QByteArray &bytes) { return SheetCache::ForUrl(bytes); }
QString ForAddress(const QString &typed) { return ForAddress(Text::ToCp1252(typed)); }

// --- stock screener ---

std::span<const ScreenGroup> ScreenCriteria()
{
    static const std::array<ScreenGroup, 8> groups{{
        {"opt_SP", "S&&P 500 only?", "sandp", {"None", "Yes", "No"}},
        {"opt_PBV",
         "Price to Book Value",
         "book",
         {"None", "less than 50% of book value", "50% to 100% of book value", "1x to 2x book value",
          "2x to 5x book value", "5x times book value"}},
        {"opt_PER", "Price to Earnings Ratio", "pe", {"None", "Less than 10", "10 - 20", "20 - 30", "Over 30"}},
        {"opt_FYEEG", "5 Year Estimated Earnings Growth Rate", "est", {"None", "Negative", "0 - 10 %", "10 - 25 %", "25+ %"}},
        {"opt_Analysts",
         "Average Analysts' Recommendation",
         "analyst",
         {"None", "Strong Buy", "Buy", "Hold", "Moderate Sell", "Strong Sell"}},
        {"opt_PEG",
         "PEG Ratio",
         "peg",
         {"None", "Less than 0.5", "0.5 - 0.65", "0.65 - 1.0", "1 - 1.3", "1.3 - 1.7", "Greater than 1.7"}},
        {"opt_HEEG", "5 Year Historic Earnings Growth Rate", "hist", {"None", "Negative", "0 - 10 %", "10 - 25 %", "25+ %"}},
        {"opt_CDY", "Current Dividend Yield", "yield", {"None", "0", "0.1% to 2%", "2% to 4%", "4% to 6%", "6% and Up"}},
    }};
    return groups;
}

std::span<const ScreenIndustry> ScreenIndustries()
{
    // Two codes stand at two rows each (76 and 164), and some codes have no
    // row: the code goes with the row, never with its place.
    static const std::array<ScreenIndustry, 207> rows{{
        {0, "All Industries"},
        {1, "ADVERTISING"},
        {2, "AEROSP/DEF EQP"},
        {3, "AEROSP/DEFENSE"},
        {4, "AGRI OPERATIONS"},
        {5, "APPLIANCE-HSHLD"},
        {6, "AUDIO/VIDEO PRD"},
        {7, "AUTO -DOMESTIC"},
        {8, "AUTO -FOREIGN"},
        {9, "AUTO PTS-RT/WHL"},
        {10, "AUTO/TRUCK-ORIG"},
        {11, "AUTO/TRUCK-REPL"},
        {12, "BANKS-FOREIGN"},
        {204, "BANKS-MAJ REG'L"},
        {13, "BANKS-MIDWEST"},
        {14, "BANKS-MONEY CTR"},
        {15, "BANKS-NORTHEAST"},
        {16, "BANKS-SOUTHEAST"},
        {17, "BANKS-SOUTHWEST"},
        {18, "BANKS-WEST"},
        {19, "BEVERAGES-ALCOH"},
        {20, "BEVERAGES-SOFT"},
        {22, "BLDG PRD-AIR/HT"},
        {23, "BLDG PRD-DRS&TR"},
        {24, "BLDG PRD-LTG FX"},
        {25, "BLDG PRD-RT/WHL"},
        {26, "BLDG PRD-WOOD"},
        {21, "BLDG&CONST-MISC"},
        {27, "BLDG-CMT/CNT/AG"},
        {28, "BLDG-HEAVY CNST"},
        {29, "BLDG-MAINT&SVCS"},
        {30, "BLDG-MBL/MFG&RV"},
        {31, "BLDG-RSDNT/COML"},
        {32, "BRDCST-RADIO/TV"},
        {206, "BUS.INFO SERVCS"},
        {205, "BUSINESS SERVCS"},
        {33, "CABLE TV"},
        {34, "CHEM-DIVERSIFD"},
        {35, "CHEM-FIBERS"},
        {36, "CHEM-PLASTICS"},
        {37, "CHEM-SPECIALTY"},
        {38, "COAL"},
        {39, "COMP-GRAPHICS"},
        {203, "COMP-INTEGR SYS"},
        {40, "COMP-MAINFRAME"},
        {41, "COMP-MICRO"},
        {199, "COMP-MINI"},
        {198, "COMP-NETWORKS"},
        {42, "COMP-PERIPH EQP"},
        {43, "COMP-SERVICES"},
        {44, "COMP-SOFTWARE"},
        {202, "COMP-STORAGE DV"},
        {207, "CONS PRD/STAPLS"},
        {123, "CONS PROD-DISCR"},
        {45, "CONTNRS-METAL"},
        {46, "CONTNRS-PPR/PLS"},
        {47, "COSMETICS&TLTRS"},
        {48, "DIVERSIFIED OPS"},
        {50, "ELEC COMP-MISC"},
        {49, "ELEC COMP-SEMIC"},
        {51, "ELEC MSRNG INST"},
        {54, "ELEC PARTS DIST"},
        {52, "ELEC PRODS-MISC"},
        {53, "ELEC-CONNECTORS"},
        {209, "ELEC-MANUF.MACH"},
        {55, "ELEC-MILITARY"},
        {56, "ENERGY-ALT SRCS"},
        {58, "ENGINES-INT CMB"},
        {57, "ENGINRG/R&D SVS"},
        {59, "FERTILIZERS"},
        {60, "FIBER OPTICS"},
        {61, "FIN-CONS LOANS"},
        {62, "FIN-INVEST BKRS"},
        {63, "FIN-INVEST MGMT"},
        {64, "FIN-LEASING COS"},
        {65, "FIN-MTG&REL SVS"},
        {76, "FIN-SBIC&COMMRL"},
        {67, "FIN-SVGS & LOAN"},
        {69, "FINL SVCS-OTHER"},
        {70, "FOOD ITEMS-WHLE"},
        {71, "FOOD-CANNED"},
        {72, "FOOD-CONFECTNRY"},
        {73, "FOOD-DAIRY PRDS"},
        {74, "FOOD-FLOUR&GRN"},
        {75, "FOOD-MEAT PRODS"},
        {76, "FOOD-MISC PREP"},
        {78, "FUNERAL SVS&REL"},
        {79, "FURNITURE"},
        {80, "GLASS PRODUCTS"},
        {81, "HOTELS & MOTELS"},
        {82, "INDL AUTO/RBTCS"},
        {85, "INS-ACC & HLTH"},
        {86, "INS-BROKERS"},
        {87, "INS-LIFE"},
        {88, "INS-MULTI LINE"},
        {89, "INS-PROP&CASLTY"},
        {83, "INSTRU-CONTROL"},
        {84, "INSTRU-SCIENTFC"},
        {90, "LASERS-SYS/COMP"},
        {91, "LEISURE&REC PRD"},
        {92, "LEISURE&REC SVS"},
        {200, "LEISURE&REC/GMG"},
        {93, "LINEN SPLY &REL"},
        {94, "MACH TLS&RL PRD"},
        {95, "MACH-CONST/MNG"},
        {96, "MACH-ELEC UTILS"},
        {97, "MACH-ELECTRICAL"},
        {98, "MACH-FARM"},
        {99, "MACH-GENL INDL"},
        {100, "MACH-MATL HDLG"},
        {101, "MACH-PRINT TRAD"},
        {102, "MACH-THRML PROC"},
        {103, "MED INSTRUMENTS"},
        {104, "MED PRODUCTS"},
        {105, "MED-BIOMED/GENE"},
        {106, "MED-DRUGS"},
        {107, "MED-GENERIC DRG"},
        {108, "MED-HMO"},
        {109, "MED-HOSPITALS"},
        {110, "MED-NURSING HMS"},
        {111, "MED-OUTP/HM CRE"},
        {112, "MED-WHSL DRG/SN"},
        {113, "MED/DENTAL-SUPP"},
        {208, "MEDIA CONGLMRTE"},
        {120, "METAL PRD-DISTR"},
        {121, "METAL PRD-FSTRS"},
        {119, "METAL PROC&FABR"},
        {114, "MINING-GOLD"},
        {115, "MINING-IRON"},
        {116, "MINING-MISC"},
        {117, "MINING-NON FERR"},
        {118, "MINING-SILVER"},
        {122, "MOVIE/TV PRD/DS"},
        {124, "OFFICE AUTOMATN"},
        {125, "OFFICE EQP&SUPP"},
        {127, "OIL FLD MCH&EQP"},
        {128, "OIL REFING&MKTG"},
        {129, "OIL-C$ EXP&PROD"},
        {130, "OIL-C$ INTEGRTD"},
        {134, "OIL-DRILLNG"},
        {131, "OIL-FIELD SVCS"},
        {132, "OIL-INTL INTGD"},
        {133, "OIL-INTL SPCLTY"},
        {135, "OIL-PROD/PIPELN"},
        {136, "OIL-US EXP&PROD"},
        {137, "OIL-US INTEGRTD"},
        {126, "OIL-US RYLTY TR"},
        {138, "OPTICL CHAR REC"},
        {139, "PAINTS&REL PRDS"},
        {140, "PAPER &REL PRDS"},
        {142, "PHOTO EQP &SUPP"},
        {143, "POLLUTION CNTRL"},
        {144, "PREC MTLS/JWLRY"},
        {145, "PRINTING-COMMRL"},
        {146, "PROTECTION-SFTY"},
        {147, "PUBLSHG-BOOKS"},
        {148, "PUBLSHG-NEWSPRS"},
        {149, "PUBLSHG-PRDCALS"},
        {152, "REAL ESTATE DEV"},
        {153, "REAL ESTATE OPS"},
        {150, "REIT-EQTY TRUST"},
        {151, "REIT-MTGE TRUST"},
        {154, "RETAIL-APP/SHOE"},
        {155, "RETAIL-CATLG SH"},
        {157, "RETAIL-CNV STRS"},
        {156, "RETAIL-CONS ELC"},
        {158, "RETAIL-DISCOUNT"},
        {159, "RETAIL-DRUG STR"},
        {161, "RETAIL-HOME FRN"},
        {162, "RETAIL-JEWELRY"},
        {163, "RETAIL-MAIL ORD"},
        {165, "RETAIL-MISC/DIV"},
        {164, "RETAIL-MJR DEPT"},
        {160, "RETAIL-RESTRNTS"},
        {166, "RETAIL-RGN DEPT"},
        {167, "RETAIL-SUPERMKT"},
        {168, "RETAIL-VENDING"},
        {169, "RETAIL/WHSL CMP"},
        {170, "RUBBER&PLASTICS"},
        {171, "RUBBER-TIRES"},
        {172, "SCHOOLS"},
        {173, "SHOES&REL APPRL"},
        {174, "SOAP&CLNG PREPS"},
        {175, "STEEL-PIPE&TUBE"},
        {176, "STEEL-PRODUCERS"},
        {177, "STEEL-SPECIALTY"},
        {201, "TELECOM-WIRELSS"},
        {179, "TELECOMM EQUIP"},
        {178, "TELECOMM SVCS"},
        {180, "TEXTILE-APPAREL"},
        {181, "TEXTILE-HME FRN"},
        {182, "TEXTILE-PRDUCTS"},
        {183, "TOBACCO"},
        {164, "TOOLS-HAND HELD"},
        {185, "TOYS/GAME/HOBBY"},
        {186, "TRANS-AIR FRGHT"},
        {187, "TRANS-AIRLINE"},
        {188, "TRANS-EQP&LSNG"},
        {189, "TRANS-RAIL"},
        {191, "TRANS-SERVICES"},
        {190, "TRANS-SHIP"},
        {192, "TRANS-TRUCK"},
        {193, "UTIL-ELEC PWR"},
        {194, "UTIL-GAS DISTR"},
        {195, "UTIL-TELEPHONE"},
        {196, "UTIL-WATER SPLY"},
        {197, "WIRE & CABLE PRDS"},
    }};
    return rows;
}

QString ScreenPath(const QList<int> &selected, int industryRow)
{
    QString path = QStringLiteral("/basicscreen.asp?noofrecs=25");
    const auto groups = ScreenCriteria();
    for (size_t i = 0; i < groups.size(); ++i) {
        const int index = selected.value(qsizetype(i));
        if (index > 0)
            path += QStringLiteral("&%1=%2").arg(QLatin1String(groups[i].key)).arg(index);
        if (i == ScreenIndustryAfter && industryRow >= 0 && size_t(industryRow) < ScreenIndustries().size())
            path += QStringLiteral("&industry=%1").arg(ScreenIndustries()[size_t(industryRow)].code);
    }
    return path + QStringLiteral("&name=Select");
}

// --- chart dialog ---

namespace {

constexpr ChartEntry kDisp[] = {{"Hide Price", "0"}, {"HLC", "1"},  {"OHLC", "2"},  {"Candlestick", "4"},
                                {"Mountain", "8"},   {"Bar Charts", "16"}, {"Dot", "32"}, {"Close", "64"},
                                {"Logarithmic", "128"}};
constexpr ChartEntry kBack[] = {{"Default", "1"},    {"Black Grids", "3"},  {"B & W", "9"}, {"Black", "0"},
                                {"Three Tone", "7"}, {"Presentation", "8"}, {"Blue", "10"}};
constexpr ChartEntry kSize[] = {{"Small", "1"}, {"Medium", "2"}, {"Large", "3"}};
constexpr ChartEntry kLow[] = {{"<None>", "0"},
                               {"Volume", "1"},
                               {"Volume+", "268435456"},
                               {"RSI", "2"},
                               {"MACD", "4"},
                               {"OBV", "8"},
                               {"Fast Stochastic", "16"},
                               {"Slow Stochastic", "32"},
                               {"ROC", "128"},
                               {"Williams %R", "256"},
                               {"Money Flow", "512"},
                               {"Vol Accumulation", "4096"},
                               {"Volatility Fast", "8192"},
                               {"Volatility Slow", "16384"},
                               {"Momentum", "65536"},
                               {"Ult Oscillator", "131072"},
                               {"% Short Interest", "1073741824"},
                               {"Rolling EPS", "67108864"},
                               {"P/E Ratio", "16777216"},
                               {"P/E Ranges", "8388608"},
                               {"Rolling Dividend", "134217728"},
                               {"Yield", "33554432"},
                               {"Up/Down Ratio", "262144"},
                               {"Arms Index (TRIN)", "524288"},
                               {"A/D Line (Breadth)", "1048576"},
                               {"A/D Line (Daily)", "2097152"},
                               {"% Compare", "4194304"}};
constexpr ChartEntry kMove[] = {{"<None>", "0"},       {"SMA", "1"}, {"SMA (2-Line)", "3"}, {"SMA (3-Line)", "4"},
                                {"EMA", "2"},          {"EMA (2-Line)", "5"}, {"EMA (3-Line)", "6"}};
constexpr ChartEntry kUp[] = {{"<None>", "0"},          {"MA Envelopes", "4"},   {"Bollinger Bands", "8"},
                              {"Parabolic SAR", "16"},  {"Volume by Price", "32"}, {"Price Channel", "128"},
                              {"Show Splits", "1024"},  {"Show Earnings", "2048"}, {"Show Dividends", "4096"},
                              {"Show All Events", "7168"}, {"A/D Line", "512"}};
constexpr ChartEntry kIndex[] = {{"<None>", "aaaaa:0"},        {"S&P 500", "sp500:3377"},    {"DJIA", "djia:1643"},
                                 {"NASDAQ", "nasdaq:3291"},    {"----------", "zzzzz:0"},    {"Russell 2000", "rut:4166"},
                                 {"Technology", "xci:565"},    {"Internet", "iix:144590"},   {"Broker/Dealers", "xbd:12400"},
                                 {"Oil & Gas", "xoi:567"},     {"Gold & Silver", "xau:3599"}, {"Utilities", "djua:1645"},
                                 {"Transportation", "djta:1644"}, {"Airlines", "xal:13882"}};
constexpr ChartEntry kFrqIntraday[] = {{"1-Minute", "9"}, {"5-Minute", "6"}, {"15-Minute", "7"}, {"Hourly", "8"}};
constexpr ChartEntry kFrqDaily[] = {{"Daily", ""}, {"Weekly", ""}, {"Monthly", ""}, {"Quarterly", ""}, {"Yearly", ""}};

struct NamedList {
    const char *name;
    std::span<const ChartEntry> entries;
};
constexpr NamedList kLists[] = {{"cboDisp", kDisp}, {"cboBack", kBack}, {"cboSize", kSize},
                                {"cboLow", kLow},   {"cboMove", kMove}, {"cboUp", kUp},
                                {"cboIndex", kIndex}, {"cboFrqIntraday", kFrqIntraday}, {"cboFrqDaily", kFrqDaily}};

} // namespace

std::span<const ChartEntry> ChartCodeTable(const char *list)
{
    for (const NamedList &l : kLists)
        if (std::strcmp(l.name, list) == 0)
            return l.entries;
    return {};
}

std::span<const ChartPeriod> ChartPeriods()
{
    static constexpr ChartPeriod periods[] = {
        {"5 Mintues", "5 Mintues", ChartPeriod::Intraday, 1},
        {"15 Mintues", "15 Mintues", ChartPeriod::Intraday, 2},
        {"5 Days", "5 Dayes", ChartPeriod::Intraday, 3},
        {"Month", "Month", ChartPeriod::Daily, 4},
        {"2 Month", "2 Month", ChartPeriod::Daily, 5},
        {"3 Month", "3 Month", ChartPeriod::Daily, 6},
        {"6 Month", "6 Month", ChartPeriod::Unchanged, 7},
        {"YTD", "YTD", ChartPeriod::Daily, 19},
        {"Year", "Year", ChartPeriod::Daily, 9},
        {"2 Year", "2 Years", ChartPeriod::Daily, 10},
        {"3 Years", "3 Years", ChartPeriod::Daily, 11},
        {"4 Years", "4 Years", ChartPeriod::Daily, 12},
        {"5 Years", "5 Years", ChartPeriod::Daily, 13},
        {"Decade", "Decade", ChartPeriod::Daily, 14},
        {"All", "All", ChartPeriod::Unchanged, 20},
    };
    return periods;
}

QString ChartCode(const char *list, const QString &text)
{
    const bool isFrq = std::strcmp(list, "cboFrq") == 0;
    const auto search = [&](const char *name) -> std::optional<QString> {
        for (const ChartEntry &e : ChartCodeTable(name))
            if (text == QLatin1String(e.text))
                return QString::fromLatin1(e.code);
        return std::nullopt;
    };
    if (isFrq) {
        for (const char *name : {"cboFrqIntraday", "cboFrqDaily"})
            if (auto code = search(name))
                return *code;
        return QString();
    }
    if (auto code = search(list))
        return *code;
    return std::strcmp(list, "cboIndex") == 0 ? QString() : QStringLiteral("0");
}

int16_t ChartMaval(const QString &box) { return Vb::ReadInt(box).value_or(0); }

QString ChartPath(const QByteArray &symbol, const ChartChoice &c)
{
    const auto periods = ChartPeriods();
    const int time = c.period >= 0 && size_t(c.period) < periods.size() ? periods[size_t(c.period)].time : 0;
    QString path = QStringLiteral("/intchart/frames/chart.asp?symb=") + ForAddress(symbol.toUpper());
    path += QStringLiteral("&time=%1").arg(time);
    path += QStringLiteral("&freq=") + ChartCode("cboFrq", c.freq);
    path += QStringLiteral("&compidx=") + ChartCode("cboIndex", c.index);
    path += QStringLiteral("&comp=") + ForAddress(c.comp);
    path += QStringLiteral("&uf=") + ChartCode("cboUp", c.up);
    path += QStringLiteral("&lf=") + ChartCode("cboLow", c.low);
    path += QStringLiteral("&ma=") + ChartCode("cboMove", c.move);
    path += QStringLiteral("&maval=%1").arg(ChartMaval(c.maval));
    path += QStringLiteral("&type=") + ChartCode("cboDisp", c.disp);
    path += QStringLiteral("&style=") + ChartCode("cboBack", c.back);
    path += QStringLiteral("&size=") + ChartCode("cboSize", c.size);
    return path + QStringLiteral("&state=0&rand=881");
}

QString ChartOptText(const ChartOptions &o)
{
    QString text;
    for (int v : {o.back, o.disp, o.frq, o.index, o.low, o.move, o.size, o.up})
        text += u',' + QString::number(v);
    return text + u',' + QString::number(o.maval) + u',' + QString::number(o.slider) + u',';
}

QList<std::optional<int16_t>> ChartOptFields(const QString &text)
{
    constexpr int kFields = 10;
    QList<std::optional<int16_t>> fields;
    qsizetype open = text.indexOf(u',');
    while (open >= 0 && fields.size() < kFields) {
        const qsizetype close = text.indexOf(u',', open + 1);
        if (close < 0)
            break;
        fields.append(Vb::ReadInt(text.mid(open + 1, close - open - 1)));
        open = close;
    }
    return fields;
}

// --- technical-graph dialog ---

std::span<const TechIndicator> TechIndicators()
{
    static const std::array<TechIndicator, 11> rows{{
        {"Bollinger Bands", "Bollinger", {{0, "Legth", "30"}}, {}},
        {"Commodity Channel Index (CCI)", "CCI", {{0, "Legth", "18"}}, {}},
        {"Insider Trading", "Insider", {}, {{0, "Buys", true}, {1, "Sells", true}, {2, "Option", false}}},
        {"MACD", "MACD", {{0, "1st. MA", "28"}, {1, "2nd. MA", "13"}, {2, "3rd. MA", "4"}}, {}},
        {"Momentum", "Momentum", {{0, "Stk MA", "21"}, {1, "Distance", "22"}, {2, "Mom MA", "7"}}, {}},
        {"Moving Average", "Moving", {{0, "Lengh", "21"}}, {{0, "Standard", true}, {1, "Exponential", false}}},
        {"NegativeVolume Index", "Negative", {}, {}},
        {"On Balance Volume", "Balance", {}, {}},
        {"Positive Volume Index", "Positive", {}, {}},
        {"Stochastics", "Stochastics", {{0, "Lengh", "16"}, {1, "1st. MA", "11"}, {2, "2st. MA", "0"}}, {}},
        {"Wilder RSI", "Wilder", {{0, "Lengh", "14"}, {1, "MA", "2"}}, {}},
    }};
    return rows;
}

std::span<const TechSpan> TechSpans()
{
    static constexpr TechSpan spans[] = {
        {"Day", "Day", 1},
        {"2 Days", "2 Dayes", 2},
        {"5 Dayes", "5 Dayes", 5},
        {"10 Days", "10 Dayes", 10},
        {"Month", "Month", 21},
        {"6 Month", "6 Month", 130},
        {"Year", "Year", 260},
        {"2 Years", "2 Years", 520},
        {"5 Years", "5 Years", 1300},
        {"10 Years", "10 Years", 2600},
        {"Max", "Max", 99999},
    };
    return spans;
}

QString TechClause(const QString &key, const QStringList &boxes, const QList<int> &checks, const QByteArray &symbol)
{
    const QString sym = ForAddress(symbol.toUpper());
    const auto box = [&](int n) { return ForAddress(boxes.value(n)); };
    const auto check = [&](int n) { return QString::number(checks.value(n)); };
    // Three boxes, then the fixed tail of the indicator.
    const auto three = [&](const char *number, const char *tail) {
        return QLatin1String(number) + u',' + box(0) + u',' + box(1) + u',' + box(2) + QLatin1String(tail) + sym;
    };
    if (key == QLatin1String("Bollinger"))
        return QStringLiteral("216,") + box(0) + QStringLiteral(",0,0,0&TESelect=216&Symbol=") + sym;
    if (key == QLatin1String("CCI"))
        return QStringLiteral("200,") + box(0) + QStringLiteral(",0,0,0&TESelect=200&Symbol=") + sym;
    if (key == QLatin1String("Insider"))
        return QStringLiteral("103,1,1,0,0&TESelect=103&Symbol=") + sym + QStringLiteral("&Oval1=") + check(0)
               + QStringLiteral("&Oval2=") + check(1) + QStringLiteral("&Oval3=") + check(2);
    if (key == QLatin1String("MACD"))
        return three("204", ",0&TESelect=204&nocache=85874&PH=2&Symbol=");
    if (key == QLatin1String("Momentum"))
        return three("206", ",0&TESelect=206&nocache=85922&PH=2&Symbol=");
    if (key == QLatin1String("Negative"))
        return QStringLiteral("161,0,0,0,0&TESelect=161&Symbol=") + sym;
    if (key == QLatin1String("Balance"))
        return QStringLiteral("160,0,0,0,d&TESelect=160&Symbol=") + sym;
    if (key == QLatin1String("Positive"))
        return QStringLiteral("162,0,0,0,0&TESelect=162&Symbol=") + sym;
    if (key == QLatin1String("Stochastics"))
        return three("210", ",0&TESelect=210&Symbol=");
    if (key == QLatin1String("Wilder"))
        return QStringLiteral("213,0,0,0,0&TESelect=213&Symbol=") + sym + QStringLiteral("&Oval1=") + check(0)
               + QStringLiteral("&Oval2=") + check(1);
    // "Moving": the service's number for a moving average is not known, so
    // the clause stays empty rather than a guess.
    return QString();
}

QString TechPath(const QString &clause, int timespan)
{
    return QStringLiteral("/wsc/Technical.html?ind=s,") + clause + QStringLiteral("&Timespan=%1").arg(timespan);
}

} // namespace Queries
