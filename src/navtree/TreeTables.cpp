#include "navtree/TreeTables.h"
#include "core/CellText.h"

#include "market/MarketReaders.h"
#include "portfolio/PortfolioCommands.h"
#include "sheets/SheetReaders.h"

#include <QHash>

namespace NavTree {

namespace {

constexpr Action None{};
constexpr Action Sheet(Filler f) { return {Kind::Sheet, 0, f}; }
constexpr Action Call(Filler f) { return {Kind::Call, 0, f}; }
constexpr Action Do(Kind k, int16_t n = 0) { return {k, n}; }
constexpr Action Screen(const char *file, const char *title) { return {Kind::MostActive, 0, nullptr, file, title}; }
constexpr Action Index(Filler f, const char *title = nullptr) { return {Kind::Index, 0, f, nullptr, title}; }

constexpr const char *Gain = "Most Active By Volume Traded";
constexpr const char *Up = "Most Active By Price Up";
constexpr const char *Down = "Most Active By Price Down";

const FixedNode kHead[] = {
    {nullptr, "Market", "Market", 8, None},
    {"Market", "Cons", "Financial", 17, None},
    {"Cons", "ConQ", "NASDAQ", 17, None},
    {"ConQ", "pg", "Largest % Gain In Price", 3, Do(Kind::Consult, 4)},
    {"ConQ", "pl", "Largest % Loss In Price", 3, Do(Kind::Consult, 5)},
    {"ConQ", "vg", "Largest % Gain In Volume", 3, Do(Kind::Consult, 6)},
    {"ConQ", "vl", "Largest % Loss In Volume", 3, Do(Kind::Consult, 7)},
    {"ConQ", "52h", "52 Weeks Price High", 3, Do(Kind::Consult, 8)},
    {"ConQ", "52l", "52 Weeks Price Low", 3, Do(Kind::Consult, 9)},
    {"ConQ", "mas", "Most Active Stocks", 3, Do(Kind::Consult, 10)},
    {"ConQ", "lmm", "Largest Money Movers", 3, Do(Kind::Consult, 28)},
    {"ConQ", "brdt", "Most Active by Dollars Traded", 3, Screen("BrDT_Q.Sh", Gain)},
    {"ConQ", "brpu_Q", "Most Active by Price Up", 3, Screen("BrPU_Q.Sh", Up)},
    {"ConQ", "brpd_Q", "Most Active by Price Down", 3, Screen("BrPD_Q.Sh", Down)},
    {"Cons", "ConsA", "AMEX", 17, None},
    {"ConsA", "pg_A", "Largest % Gain In Price", 3, Do(Kind::Consult, 21)},
    {"ConsA", "pl_A", "Largest % Loss In Price", 3, Do(Kind::Consult, 22)},
    {"ConsA", "vg_A", "Largest % Gain In Volume", 3, Do(Kind::Consult, 23)},
    {"ConsA", "vl_A", "Largest % Loss In Volume", 3, Do(Kind::Consult, 24)},
    {"ConsA", "52h_A", "52 Weeks Price High", 3, Do(Kind::Consult, 25)},
    {"ConsA", "52l_A", "52 Weeks Price Low", 3, Do(Kind::Consult, 26)},
    {"ConsA", "mas_A", "Most Active Stocks", 3, Do(Kind::Consult, 27)},
    {"ConsA", "lmm_A", "Largest Money Movers", 3, Do(Kind::Consult, 30)},
    {"ConsA", "brdt_A", "Most Active by Dollars Traded", 3, Screen("BrDT_A.Sh", Gain)},
    {"ConsA", "brpu_A", "Most Active by Price Up", 3, Screen("BrPU_A.Sh", Up)},
    {"ConsA", "brpd_A", "Most Active by Price Down", 3, Screen("BrPD_A.Sh", Down)},
    {"Cons", "ConsN", "NYSE", 17, None},
    {"ConsN", "pg_N", "Largest % Gain In Price", 3, Do(Kind::Consult, 14)},
    {"ConsN", "pl_N", "Largest % Loss In Price", 3, Do(Kind::Consult, 15)},
    {"ConsN", "vg_N", "Largest % Gain In Volume", 3, Do(Kind::Consult, 16)},
    {"ConsN", "vl_N", "Largest % Loss In Volume", 3, Do(Kind::Consult, 17)},
    {"ConsN", "52h_N", "52 Weeks Price High", 3, Do(Kind::Consult, 18)},
    {"ConsN", "52l_N", "52 Weeks Price Low", 3, Do(Kind::Consult, 19)},
    {"ConsN", "mas_N", "Most Active Stocks", 3, Do(Kind::Consult, 20)},
    {"ConsN", "lmm_N", "Largest Money Movers", 3, Do(Kind::Consult, 29)},
    {"ConsN", "brdt_N", "Most Active by Dollars Traded", 3, Screen("BrDT_N.Sh", Gain)},
    {"ConsN", "brpu_N", "Most Active by Price Up", 3, Screen("BrPU_N.Sh", Up)},
    {"ConsN", "brpd_N", "Most Active by Price Down", 3, Screen("BrPD_N.Sh", Down)},
    {"Cons", "sup", "25 Earnings Surprises", 3, Do(Kind::Consult, 1)},
    {"Cons", "win", "Percentage Winners", 3, Do(Kind::Consult, 2)},
    {"Cons", "los", "Percentage Losers", 3, Do(Kind::Consult, 3)},
    {"Cons", "up", "Upgrades", 3, Do(Kind::Consult, 11)},
    {"Cons", "down", "Downgrades", 3, Do(Kind::Consult, 12)},
    {"Cons", "ci", "Coverage Initiated", 3, Do(Kind::Consult, 13)},

    {"Market", "OptSum", "Options Market Summary", 7, None},
    {"OptSum", "OptSum_D", "Top Volume Leaders", 3, Do(Kind::OptSum, 0)},
    {"OptSum", "OptSum_G", "Top Percentage Gainers", 3, Do(Kind::OptSum, 1)},
    {"OptSum", "OptSum_L", "Top Percentage Losers", 3, Do(Kind::OptSum, 2)},

    {"Market", "Index", "Indexes", 7, None},
    {"Index", "US", "US Market", 7, Index(&MarketReaders::FG_USMarket)},
    {"US", "US_DJ", "Dow Jones Averages", 3, Index(&MarketReaders::FG_USMarket, "Dow Jones Averages")},
    {"US", "US_NY", "New York Stock Exchange", 3, Index(&MarketReaders::FG_USMarket, "New York Stock Exchange")},
    {"US", "US_NQ", "Nasdaq", 3, Index(&MarketReaders::FG_USMarket, "Nasdaq")},
    {"US", "US_SP", "Standard and Poor's", 3, Index(&MarketReaders::FG_USMarket, "Standard and Poor's")},
    {"US", "US_OTHER", "Other U.S. Indices", 3, Index(&MarketReaders::FG_USMarket, "Other U.S. Indices")},
    {"US", "US_TS", "Treasury Securities (yield x10)", 3,
     Index(&MarketReaders::FG_USMarket, "Treasury Securities (yield x10)")},
    {"US", "US_COMM", "Commodities", 3, Index(&MarketReaders::FG_USMarket, "Commodities")},
    {"Index", "W_Market", "World Markets", 7, Index(&MarketReaders::FG_WMarket)},
    {"W_Market", "mkt_A", "Americas", 3, Index(&MarketReaders::FG_WMarket, "Americas")},
    {"W_Market", "mkt_AP", "Asia/Pacific", 3, Index(&MarketReaders::FG_WMarket, "Asia/Pacific")},
    {"W_Market", "mkt_E", "Europe", 3, Index(&MarketReaders::FG_WMarket, "Europe")},
    {"W_Market", "mkt_ME", "Africa/Middle East", 3, Index(&MarketReaders::FG_WMarket, "Africa/Middle East")},

    {"Market", "ipo", "IPO", 7, None},
    {"ipo", "ipo_last", "Latest Data", 3, Call(&MarketReaders::FG_IPO_Last)},
    {"ipo", "ipo_news", "News", 3, Call(&MarketReaders::FG_IPO_News)},
    {"ipo", "ipo_price", "Pricing", 3, Call(&MarketReaders::FG_IPO_Price)},
    {"ipo", "ipo_gain", "Gainers", 3, Call(&MarketReaders::FG_IPO_Gain)},
    {"ipo", "ipo_Loss", "Losers", 3, Call(&MarketReaders::FG_IPO_Loss)},
    {"ipo", "ipo_reg", "Registrations", 3, Call(&MarketReaders::FG_IPO_Reg)},
    {"ipo", "ipo_with", "Withdrawals", 3, Call(&MarketReaders::FG_IPO_With)},
    {"ipo", "ipo_MB", "IPO Message Boards", 24, Do(Kind::Board, 2)},

    {"Market", "SP", "Splits", 7, None},
    {"SP", "SP_T", "Today's Splits", 3, Do(Kind::Splits, 0)},
    {"SP", "SP_W", "This Week", 3, Do(Kind::Splits, 1)},
    {"SP", "SP_N", "Next Week's", 3, Do(Kind::Splits, 2)},
    {"SP", "SP_R", "Recently Announced", 3, Do(Kind::Splits, 3)},
    {"SP", "SP_C", "Top Tech", 3, Do(Kind::Splits, 4)},

    {"Market", "M_BRP", "Broker Reports", 7, None},
    {"M_BRP", "M_BRP_t", "Today's Broker Reports", 3, Do(Kind::BrokerList, 0)},
    {"Market", "AR", "Analysts Recommendations", 7, None},
    {"AR", "AR_B", "Bloomberg Analysts Recommendations", 3, Do(Kind::BrokerList, 1)},

    {"Market", "Funds", "Funds", 7, None},
    {"Funds", "F_Market", "Largest Mutual and Money Market Funds", 7, None},
    {"F_Market", "F_Conv", "Largest Convertible Bond Funds", 3, Do(Kind::Fund)},
    {"F_Market", "F_Growth", "Largest Growth Funds", 3, Do(Kind::Fund)},
    {"F_Market", "F_Equity", "Largest Equity Funds", 3, Do(Kind::Fund)},
    {"F_Market", "F_Yield", "Largest High-Yield Bond Funds", 3, Do(Kind::Fund)},
    {"F_Market", "F_LMM", "Largest Money Market Funds", 3, Do(Kind::Fund)},
    {"F_Market", "F_Inter", "Largest International Funds", 3, Do(Kind::Fund)},
    {"F_Market", "F_Precious", "Largest Precious Metals Funds", 3, Do(Kind::Fund)},
    {"Funds", "F_Fam", "Largest Fund Families", 7, None},
    {"F_Fam", "F_Smith", "Smith Barney Mutual and Money Market Funds", 3, Do(Kind::Fund)},
    {"F_Fam", "F_AIM", "AIM Mutual and Money Market Funds", 3, Do(Kind::Fund)},
    {"F_Fam", "F_Benham", "Benham Mutual and Money Market Funds", 3, Do(Kind::Fund)},
    {"F_Fam", "F_Dean", "Dean Witter Mutual and Money Market Funds", 3, Do(Kind::Fund)},
    {"F_Fam", "F_Franklin", "Franklin/Templeton Mutual and Money Market Funds", 3, Do(Kind::Fund)},
    {"F_Fam", "F_Fidelity", "Fidelity Mutual and Money Market Funds", 3, Do(Kind::Fund)},
    {"F_Fam", "F_Merrill", "Merrill Lynch Mutual and Money Market Funds", 3, Do(Kind::Fund)},
    {"F_Fam", "F_Janus", "Janus Mutual and Money Funds", 3, Do(Kind::Fund)},
    {"F_Fam", "F_Putnam", "Putnam Mutual and Money Market Funds", 3, Do(Kind::Fund)},
    {"F_Fam", "F_Scudder", "Scudder Mutual and Money Market Funds", 3, Do(Kind::Fund)},
    {"F_Fam", "F_Stagecoach", "Stagecoach Mutual and Money Market Funds", 3, Do(Kind::Fund)},
    {"F_Fam", "F_Strong", "Strong Mutual and Money Market Funds", 3, Do(Kind::Fund)},
    {"F_Fam", "F_T", "T. Rowe Price Mutual and Money Market Funds", 3, Do(Kind::Fund)},
    {"F_Fam", "F_Twentieth", "Twentieth Century Mutual and Money Market Funds", 3, Do(Kind::Fund)},
    {"F_Fam", "F_Vanguard", "Vanguard Mutual and Money Market Funds", 3, Do(Kind::Fund)},

    {nullptr, "Trans", "Transactions", 13, None},
    {"Trans", "PortLog", "Transaction Log", 16, Call(&PortfolioCommands::FG_PortfolioLog)},
    {"Trans", "PortDetail", "Portfolio Detail", 15, Call(&PortfolioCommands::FG_Portfolio_All)},
};

const FixedNode kPortfolioTail[] = {
    {"Trans", "PortOp", "Portfolio options", 11, None},
    {"PortOp", "PortClear", "Clear All", 11, Do(Kind::PortClear)},
};

const FixedNode kRadio[] = {
    {nullptr, "Radio", "Radio", 28, None},
    {"Radio", "RadioB", "Bloomberg Radio", 28, None},
    {"RadioB", "RB_F", "Financial", 28, Do(Kind::Radio, 0)},
    {"RadioB", "RB_B", "Business", 28, Do(Kind::Radio, 1)},
    {"RadioB", "RB_L", "Launch Live", 28, Do(Kind::Radio, 2)},
    {"RadioB", "RB_W", "World and National", 28, Do(Kind::Radio, 3)},
    {"RadioB", "RB_M", "Morning Show", 28, Do(Kind::Radio, 4)},
    {"Radio", "RadioA", "ABS Stock Market Broadcasts", 28, None},
    {"RadioA", "RI_Reg", "Regular market updates from 8:00 AM - 4:00 PM", 28, Do(Kind::Radio, 5)},
    {"RadioA", "RI_Hartley", "Dana Hartley", 28, Do(Kind::Radio, 6)},
    {"RadioA", "RI_Reed", "Marcus Reed", 28, Do(Kind::Radio, 7)},
    {"RadioA", "RI_Ward", "Ellen Ward", 28, Do(Kind::Radio, 8)},
    {"RadioA", "RI_Alvarez", "Tom Alvarez", 28, Do(Kind::Radio, 9)},
    {"RadioA", "RI_LR", "Liberty Research", 28, Do(Kind::Radio, 10)},
    {"RadioA", "RI_SR", "The S Report", 28, Do(Kind::Radio, 11)},
    {"Radio", "RadioCNN", "CNN", 28, None},
    {"RadioCNN", "CNN", "CNN", 28, Do(Kind::Radio, 21)},
    {"RadioCNN", "CNNHead", "Headline News", 28, Do(Kind::Radio, 22)},
    {"RadioCNN", "CNNInt", "CNN International", 28, Do(Kind::Radio, 23)},
    {"RadioCNN", "CNNSI", "CNN /SI", 28, Do(Kind::Radio, 24)},
    {"RadioCNN", "CNNE", "CNN en Espanol", 28, Do(Kind::Radio, 25)},
    {"RadioCNN", "CNNTop", "Top Stories", 28, Do(Kind::Radio, 26)},
    {"RadioCNN", "CNNSports", "Sports", 28, Do(Kind::Radio, 27)},
    {"RadioCNN", "CNNHealth", "Health Watch", 28, Do(Kind::Radio, 28)},
    {"RadioCNN", "CNNScreen", "On Screen", 28, Do(Kind::Radio, 29)},
    {"RadioCNN", "CNNCelebrity", "Celebrity Watch", 28, Do(Kind::Radio, 30)},
    {"RadioCNN", "CNNPrescription", "Prescription for Your Health", 28, Do(Kind::Radio, 31)},
    {"RadioCNN", "CNNEarth", "Earth Matters", 28, Do(Kind::Radio, 32)},
    {"RadioCNN", "CNNScience", "Science and Technology", 28, Do(Kind::Radio, 33)},
    {"RadioCNN", "CNNTravel", "Travel Guide", 28, Do(Kind::Radio, 34)},
    {"RadioCNN", "CNNComputer", "Computer Connection", 28, Do(Kind::Radio, 35)},
    {"RadioCNN", "CNNParenting", "Parenting", 28, Do(Kind::Radio, 36)},
    {"RadioCNN", "CNNFuture", "Future Watch", 28, Do(Kind::Radio, 37)},
    {"RadioCNN", "CNNElectronic", "Electronic Playground", 28, Do(Kind::Radio, 38)},
    {"Radio", "RadioI", "InternetNews Radio", 28, Do(Kind::Radio, 12)},
    {"Radio", "RadioLT", "Let's Talk Business Radio", 28, Do(Kind::Radio, 13)},
    {"Radio", "RadioDR", "Daily Rocket", 28, Do(Kind::Radio, 14)},
    {"Radio", "RadioAV", "AV Daily News", 28, Do(Kind::Radio, 15)},
    {"Radio", "RadioBBC", "BBC News", 28, Do(Kind::Radio, 16)},
    {"Radio", "RadioCnet", "CNET Radio", 28, Do(Kind::Radio, 17)},
    {"Radio", "RadioNewsweek", "Newsweek-ON-AIR", 28, Do(Kind::Radio, 18)},
    {"Radio", "RadioAP", "Associated Press", 28, Do(Kind::Radio, 19)},
    {"Radio", "RadioZD", "ZD Net Radio live", 28, Do(Kind::Radio, 20)},
    {"Radio", "RadioWall",
     "The NASDAQ Stock Market - Hourly Updates From 10am To 3pm ET Plus a Full Market Recap at 4:20 ET", 28,
     Do(Kind::Radio, 39)},
};

const FixedNode kTv[] = {
    {nullptr, "TV", "Television", 27, None},
    {"TV", "TVB", "Bloomberg Television", 27, None},
    {"TVB", "TVB_F", "Financial", 27, Do(Kind::Video, 0)},
    {"TVB", "TVB_B", "Business", 27, Do(Kind::Video, 1)},
    {"TVB", "TVB_L", "Launch Live", 27, Do(Kind::Video, 2)},
    {"TVB", "TVB_S", "Stock Picks", 27, Do(Kind::Video, 3)},
    {"TVB", "TVB_T", "Tech", 27, Do(Kind::Video, 4)},
    {"TV", "TVF", "Financial Times", 27, None},
    {"TVF", "TVF_U", "News update", 27, Do(Kind::Video, 5)},
    {"TVF", "TVF_O", "Opening business", 27, Do(Kind::Video, 6)},
    {"TVF", "TVF_B", "Bonds roundup", 27, Do(Kind::Video, 7)},
    {"TVF", "TVF_P", "Preview", 27, Do(Kind::Video, 8)},
    {"TV", "TVIO", "Investor OnLine", 27, Do(Kind::Video, 9)},
    {"TV", "TVBBC", "BBC", 27, Do(Kind::Video, 10)},
    {"TV", "TVABC", "ABC", 27, Do(Kind::Video, 11)},
    // The stream list has this one last, after the weather forecasts.
    {"TV", "TVZD", "ZD TV - Daily Newscast", 27, Do(Kind::Video, 32)},
    {"TV", "Weather", "Weather Forecast", 27, None},
    {"Weather", "WetherNational", "National Forecast", 27, Do(Kind::Video, 12)},
    {"Weather", "WetherNewYork", "New York", 27, Do(Kind::Video, 13)},
    {"Weather", "WetherLosAngeles", "Los Angeles", 27, Do(Kind::Video, 14)},
    {"Weather", "WetherChicago", "Chicago", 27, Do(Kind::Video, 15)},
    {"Weather", "WetherPhiladelphia", "Philadelphia", 27, Do(Kind::Video, 16)},
    {"Weather", "WetherFrancisco", "San Francisco", 27, Do(Kind::Video, 17)},
    {"Weather", "WetherBoston", "Boston", 27, Do(Kind::Video, 18)},
    {"Weather", "WetherDallas", "Dallas Ft Worth", 27, Do(Kind::Video, 19)},
    {"Weather", "WetherWashington", "Washington DC", 27, Do(Kind::Video, 20)},
    {"Weather", "WetherDetroit", "Detroit", 27, Do(Kind::Video, 21)},
    {"Weather", "WetherAtlanta", "Atlanta", 27, Do(Kind::Video, 22)},
    {"Weather", "WetherPhoenix", "Phoenix", 27, Do(Kind::Video, 23)},
    {"Weather", "WetherSeattle", "Seattle", 27, Do(Kind::Video, 24)},
    {"Weather", "WetherCleveland", "Cleveland", 27, Do(Kind::Video, 25)},
    {"Weather", "WetherDenver", "Denver", 27, Do(Kind::Video, 26)},
    {"Weather", "WetherMinneapolis", "Minneapolis St Paul", 27, Do(Kind::Video, 27)},
    {"Weather", "WetherMiami", "Miami", 27, Do(Kind::Video, 28)},
    {"Weather", "WetherPittsburgh", "Pittsburgh", 27, Do(Kind::Video, 29)},
    {"Weather", "WetherTampa", "Tampa Bay St. Petersburg", 27, Do(Kind::Video, 30)},
    {"Weather", "WetherHouston", "Houston", 27, Do(Kind::Video, 31)},
};

const StockLeaf kStock[] = {
    {nullptr, "AR", "Profile", 9, Sheet(&SheetReaders::FG_Profile)},
    {nullptr, "News", "News", 4, None},
    {"News", "RM", "Reuters - MoneyNet", 4, Do(Kind::News, 14)},
    {"News", "BL", "Bloomberg", 4, Do(Kind::News, 13)},
    {"News", "NA", "News Alert", 4, Do(Kind::News, 12)},
    {"News", "Y", "Yahoo News", 4, Do(Kind::News, 0)},
    {"News", "M", "Microsoft Investor", 4, Do(Kind::News, 1)},
    {"News", "E", "EDGAR Online", 4, Do(Kind::News, 2)},
    {"News", "S", "Smart Money Online", 4, Do(Kind::News, 3)},
    {"News", "Z", "ZD Net", 4, Do(Kind::News, 4)},
    {"News", "Q", "QuoteCentral.com", 4, Do(Kind::News, 5)},
    {"News", "Mn", "Money Central", 4, Do(Kind::News, 6)},
    {"News", "Cbs", "CBS MarketWatch", 4, Do(Kind::News, 7)},
    {"News", "Qu", "MoneyPlanner.com", 4, Do(Kind::News, 8)},
    {"News", "Mr", "MorningStar", 4, Do(Kind::News, 9)},
    {"News", "SP", "StockPoint", 4, Do(Kind::News, 10)},
    {"News", "MF", "The Montlay Full", 4, Do(Kind::News, 11)},
    {nullptr, "C", "Charts", 5, Do(Kind::ChartForm)},
    {"C", "d", "1 Day", 5, Do(Kind::Chart, 0)},
    {"C", "3m", "3 Months", 5, Do(Kind::Chart, 1)},
    {"C", "1y", "1 Year", 5, Do(Kind::Chart, 2)},
    {"C", "2y", "2 Years", 5, Do(Kind::Chart, 3)},
    {"C", "5y", "5 Years", 5, Do(Kind::Chart, 4)},
    // Chart 5, the longest period, has no leaf.
    {"C", "ma", "Moving Avg.", 5, Do(Kind::Chart, 6)},
    {"C", "sp", "vs SP 500", 5, Do(Kind::Chart, 7)},
    {nullptr, "G", "Ratios Graphs", 6, None},
    {"G", "bookV", "Book Value", 6, Do(Kind::Ratio, 0)},
    {"G", "ce", "Common Equity", 6, Do(Kind::Ratio, 1)},
    {"G", "Casset", "Current Assets", 6, Do(Kind::Ratio, 2)},
    {"G", "Clib", "Current Liabilities", 6, Do(Kind::Ratio, 3)},
    {"G", "debt", "Debt/Equity Ratio", 6, Do(Kind::Ratio, 4)},
    {"G", "dep", "Depreciation", 6, Do(Kind::Ratio, 5)},
    {"G", "div", "Dividends", 6, Do(Kind::Ratio, 6)},
    {"G", "divP", "Dividends Payout", 6, Do(Kind::Ratio, 7)},
    {"G", "ebit", "EBIT", 6, Do(Kind::Ratio, 8)},
    {"G", "eps", "EPS", 6, Do(Kind::Ratio, 9)},
    {"G", "longDebt", "Long Term Debt", 6, Do(Kind::Ratio, 10)},
    {"G", "IC", "Interest Coverage Ratio", 6, Do(Kind::Ratio, 11)},
    {"G", "Nincome", "Net Income", 6, Do(Kind::Ratio, 12)},
    {"G", "pe", "P/E Ratio", 6, Do(Kind::Ratio, 13)},
    {"G", "PB", "Price/Book Ratio", 6, Do(Kind::Ratio, 14)},
    {"G", "PS", "Price/Sales Ratio", 6, Do(Kind::Ratio, 15)},
    {"G", "pm", "Profit Margin", 6, Do(Kind::Ratio, 16)},
    {"G", "returnEq", "Return on Equity", 6, Do(Kind::Ratio, 17)},
    {"G", "returnAs", "Return on Asset", 6, Do(Kind::Ratio, 18)},
    {"G", "Revenues", "Revenues", 6, Do(Kind::Ratio, 19)},
    {"G", "SO", "Shares Out", 6, Do(Kind::Ratio, 20)},
    {nullptr, "TG", "Technical Graphs", 26, Do(Kind::TechForm)},
    {nullptr, "ICT", "Interactive Chart", 29, Do(Kind::Chart, 8)},
    {nullptr, "ABS", "Annual Balance Sheet", 3, Sheet(&SheetReaders::FG_ABS)},
    {nullptr, "AIS", "Annual Income Statement", 3, Sheet(&SheetReaders::FG_AIS)},
    {nullptr, "EG", "Earning Growth", 3, Sheet(&SheetReaders::FG_EG)},
    {nullptr, "EH", "Earning History", 3, Sheet(&SheetReaders::FG_EH)},
    {nullptr, "ER", "Earning Estimates", 3, Sheet(&SheetReaders::FG_ER)},
    {nullptr, "EC", "Consensus EPS Trend", 3, Sheet(&SheetReaders::FG_EC)},
    {nullptr, "IT", "Insider Trade", 3, Sheet(&SheetReaders::FG_IT)},
    {nullptr, "QR", "Quarterly Reports", 3, Sheet(&SheetReaders::FG_QR)},
    {nullptr, "SPL", "Splits History", 3, Sheet(&SheetReaders::FG_Split)},
    {nullptr, "UP", "Upgrades History", 3, Sheet(&SheetReaders::FG_UPH)},
    {nullptr, "DN", "Downgrades History", 3, Sheet(&SheetReaders::FG_DNH)},
    {nullptr, "BR", "Broker Reports", 3, Sheet(&SheetReaders::FG_BRP)},
    {nullptr, "NMR", "Momentum Rating", 3, Sheet(&SheetReaders::FG_NMR)},
    {nullptr, "Calls", "Calls", 3, Sheet(&SheetReaders::FG_Call)},
    {nullptr, "Puts", "Puts", 3, Sheet(&SheetReaders::FG_Put)},
    {nullptr, "Options", "Options", 3, Sheet(&SheetReaders::FG_Options)},
    {nullptr, "SI", "Short Interest ", 3, Sheet(&SheetReaders::FG_SI)},
    {nullptr, "MB", "Message Board", 24, None},
    {"MB", "MB_S", "StockTalk", 24, Do(Kind::Board, 0)},
    {"MB", "MB_Y", "Yahoo! Message Board", 24, Do(Kind::Board, 1)},
    {nullptr, "IG", "Industry Group", 17, None},
    {"IG", "IG_G", "Graph", 5, Do(Kind::Industry, 0)},
    {"IG", "IG_L", "List Of Stocks", 16, Do(Kind::Industry, 1)},
    {"IG", "IG_S", "Short Term Technical Breakouts", 16, Do(Kind::Industry, 2)},
    {"IG", "IG_I", "Intermediate Term Technical Breakouts", 16, Do(Kind::Industry, 3)},
    {"IG", "IG_LG", "Long Term Technical Breakouts", 16, Do(Kind::Industry, 4)},
    {"IG", "IG_O", "Over/Under Valuation", 16, Do(Kind::Industry, 5)},
    {"IG", "IG_IT", "Insider Trading", 16, Do(Kind::Industry, 6)},
    {"IG", "IG_C", "Composite Ranks", 16, Do(Kind::Industry, 7)},
};

// --- message boards ---

const char *const kBasic[] = {"Chemical Manufacturing", "Chemicals - Plastics and Rubber",
                              "Containers and Packaging", "Fabricated Plastic and Rubber",
                              "Forestry and Wood Products", "Gold and Silver", "Iron and Steel", "Metal Mining",
                              "Misc Fabricated Products", "Non-Metallic Mining", "Paper and Paper Products"};
const char *const kCapital[] = {"Aerospace and Defense", "Constr - Supplies and Fixtures",
                                "Constr and Agric Machinery", "Construction - Raw Materials",
                                "Construction Services", "Misc Capital Goods", "Mobile Homes and RVs"};
const char *const kConsumer[] = {"Apparel/Accessories", "Appliance and Tool", "Audio and Video Equipment",
                                 "Auto and Truck Manufacturers", "Auto and Truck Parts", "Footwear",
                                 "Furniture and Fixtures", "Jewelry and Silverware", "Photography",
                                 "Recreational Products", "Textiles - Non Apparel", "Tires"};
const char *const kNonCy[] = {"Beverages (Alcoholic)", "Beverages (Non-Alcoholic)", "Crops", "Fish/Livestock",
                              "Food Processing", "Office Supplies", "Personal and Household Prods", "Tobacco"};
const char *const kEnergy[] = {"Coal", "Oil Well Services and Equipment", "Oil and Gas - Integrated",
                               "Oil and Gas Operations"};
const char *const kFinancial[] = {"Consumer Financial Services", "Insurance (Accident and Health)",
                                  "Insurance (Miscellaneous)", "Insurance (Prop and Casualty)",
                                  "Investment Services", "Misc Financial Services", "Money Center Banks",
                                  "Regional Banks", "S&Ls/Savings Banks"};
const char *const kHealthcare[] = {"Biotechnology and Drugs", "Healthcare Facilities", "Major Drugs",
                                   "Medical Equipment and Supplies"};
const char *const kServices[] = {"Advertising", "Broadcasting and Cable TV", "Business Services",
                                 "Casinos and Gaming", "Communications Services", "Hotels and Motels",
                                 "Motion Pictures", "Personal Services", "Printing Services",
                                 "Printing and Publishing", "Real Estate Operations", "Recreational Activities",
                                 "Rental and Leasing", "Restaurants", "Retail (Apparel)",
                                 "Retail (Catalog and Mail Order)", "Retail (Department and Discount)",
                                 "Retail (Drugs)", "Retail (Grocery)", "Retail (Home Improvement)",
                                 "Retail (Specialty)", "Retail (Technology)", "Schools",
                                 "Security Systems and Services", "Waste Management Services"};
const char *const kTechnology[] = {"Communications Equipment", "Computer Hardware", "Computer Peripherals",
                                   "Computer Services", "Computer Storage Devices",
                                   "Electronic Instr and Controls", "Office Equipment",
                                   "Scientific and Technical Instr", "Semiconductors", "Software and Programming"};
const char *const kTransportation[] = {"Air Courier", "Airline", "Misc Transportation",
                                       "Railroads", "Trucking", "Water Transportation"};
const char *const kUtilities[] = {"Electric Utilities", "Natural Gas Utilities", "Water Utilities"};

const Sector kSectors[] = {
    {"Basic Materials", "MBY_Basic", kBasic},
    {"Capital Goods", "MBY_Capital", kCapital},
    {"Conglomerates", "Conglomerates", {}},
    {"Consumer Cyclical", "MBY_Consumer", kConsumer},
    {"Consumer/Non-Cyclical", "MBY_NonCy", kNonCy},
    {"Energy", "MBY_Energy", kEnergy},
    {"Financial", "MBY_Financial", kFinancial},
    {"Healthcare", "MBY_Healthcare", kHealthcare},
    {"Services", "MBY_Services", kServices},
    {"Technology", "MBY_Technology", kTechnology},
    {"Transportation", "MBY_Transportation", kTransportation},
    {"Utilities", "MBY_Utilities", kUtilities},
};

// --- web directory ---

const char *const kNewsLink[] = {"Boston Globe", "Chicago Tribune", "Christian Science Monitor",
                                 "Los Angeles Times", "Nando Times", "New York Times", "San Jose Mercury News",
                                 "USA Today", "Washington Post", "Major Metros", "Other Newspapers",
                                 "Alternative Newspapers"};
const char *const kNewsfeeds[] = {"AP Wire", "Bloomberg", "Business Wire", "Drudge Report", "NewsLinx",
                                  "NewsPage", "NewsReal", "PR Newswire", "Reuters"};
const char *const kBusinessNews[] = {"Barrons", "CNNfn", "Crain's", "Daily Deal", "Financial Times",
                                     "Investor's Business Daily", "Journal of Commerce", "Kiplinger",
                                     "News Network", "Singapore Business Times", "Wall Street Journal",
                                     "Daily Business Journals", "Weekly Business Journals"};
const char *const kInternationalNews[] = {"Herald Tribune", "Le Monde", "London Times", "Africa", "Asia",
                                          "Australia", "Canada", "Caribbean", "Central America", "Europe",
                                          "Mexico", "South America"};
const char *const kMagazines[] = {"Business Week", "Business 2.0", "CFO", "Context", "Economist",
                                  "Far East Economic Review", "Fast Company", "Forbes", "Fortune",
                                  "Harvard B. School Publishing", "Inc.", "Industry Week",
                                  "Institutional Investor", "Money", "Newsweek", "Red Herring", "Smart Money",
                                  "The Industry Standard", "Strategy & Business", "Time", "Upside Online",
                                  "US News", "Wired", "Worth"};
const char *const kTechnologyMagazines[] = {"CIO", "C|NET", "Computerworld", "Electronic Markets",
                                            "First Monday", "Intranet Journal", "MIT TechReview", "SlashDot",
                                            "TechWeb", "Time Digital", "ZDNet"};
const char *const kOnlineMagazines[] = {"American Demographics", "Arts & Letters Daily", "Atlantic Monthly",
                                        "Golf Digest", "Harper's", "National Geographic", "Salon",
                                        "Scientific American", "Slate", "Magazine Database"};
const char *const kFinancialMarkets[] = {"AMEX", "Averages & Composites", "Nasdaq", "Nikkei Net",
                                         "NYSE | Commodities Charts (T-bills etc.)", "Futures/Options Markets",
                                         "Other Stock Exchanges", "Deutsche Bank", "Dismal Scientist",
                                         "Economic Policy Institute"};
const char *const kOnlineInvestor[] = {"Ameritrade", "Datek", "Discover Brokerage", "DLJ Direct",
                                       "E*TRADE", "Fidelity", "Schwab", "TD Waterhouse"};
const char *const kBanking[] = {"Bank Rate Monitor", "Federal Reserve System", "Finance Student's Web World",
                                "Internet Banking Index", "Lehman Research", "Merrill Lynch", "Morgan Stanley",
                                "Paine Webber", "Salomon Smith Barney", "SG Cowen"};
const char *const kStatistics[] = {"Bureau of Labor", "Cyber Atlas", "Fedstats", "Int'l Stats",
                                   "Population Lookup", "Economic Research Data", "U.S. Statistical Abstract",
                                   "Statistics USA", "UMich Documents Center", "US Census Datamaps"};
const char *const kBusinessLinks[] = {"CorpFinet", "Financial Data Finder", "FinWeb", "Invest-o-rama",
                                      "IOMA Business Directory", "Research Links"};
const char *const kIPOResearch[] = {"Assn.of Individual Investors", "CDA Insider Watch", "Final Bell",
                                    "First Call", "Investools Research", "Microsoft Investor", "MoneyNet",
                                    "Morningstar", "Motley Fool", "The Street", "Syndicate", "Tech Investor",
                                    "Zacks", "Alert IPO", "IPO Central", "IPO Maven"};

const WebGroup kWeb[] = {
    {"NewsLink", "Daily News", 4, kNewsLink},
    {"Newsfeeds", "Newsfeeds", 4, kNewsfeeds},
    {"BusinessNews", "Business News", 4, kBusinessNews},
    {"InternationalNews", "International News", 4, kInternationalNews},
    {"Magazines", "Business Magazines", 4, kMagazines},
    {"TechnologyMagazines", "Technology Magazines", 4, kTechnologyMagazines},
    {"OnlineMagazines", "Online Magazines", 4, kOnlineMagazines},
    {"FinancialMarkets", "Financial Markets", 30, kFinancialMarkets},
    {"OnlineInvestor", "Online Investor Services", 30, kOnlineInvestor},
    {"Banking", "Banking & Finance", 30, kBanking},
    {"Statistics", "Statistics", 30, kStatistics},
    {"BusinessLinks", "Business Links", 30, kBusinessLinks},
    {"IPOResearch", "Investing & IPO Research", 30, kIPOResearch},
};

QHash<QString, Action> BuildCaptionRules()
{
    QHash<QString, Action> rules;
    for (const StockLeaf &leaf : kStock)
        if (leaf.action.kind != Kind::None)
            rules.insert(QString::fromLatin1(leaf.caption), leaf.action);
    return rules;
}

QHash<QString, Action> BuildKeyRules()
{
    QHash<QString, Action> rules;
    for (auto table : {std::span<const FixedNode>(kHead), std::span<const FixedNode>(kPortfolioTail),
                       std::span<const FixedNode>(kRadio), std::span<const FixedNode>(kTv)}) {
        for (const FixedNode &node : table)
            if (node.action.kind != Kind::None)
                rules.insert(QString::fromLatin1(node.key), node.action);
    }
    for (const WebGroup &group : kWeb)
        for (size_t i = 0; i < group.sites.size(); ++i)
            rules.insert(QString::fromLatin1(group.key) + QString::number(i + 1), Do(Kind::Web));
    return rules;
}

} // namespace

std::span<const FixedNode> HeadNodes() { return kHead; }
std::span<const FixedNode> PortfolioTail() { return kPortfolioTail; }
std::span<const FixedNode> RadioNodes() { return kRadio; }
std::span<const FixedNode> TvNodes() { return kTv; }
std::span<const StockLeaf> StockLeaves() { return kStock; }
std::span<const Sector> Sectors() { return kSectors; }
std::span<const WebGroup> WebGroups() { return kWeb; }

QString IndustryKey(const QString &caption)
{
    QString key = caption;
    for (QChar &c : key)
        if (!((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9')))
            c = u'_';
    return key;
}

QString SectorFolder(const QString &suffix)
{
    static const QHash<QString, QString> folders = {
        {QStringLiteral("Basic"), QStringLiteral("Basic_Materials")},
        {QStringLiteral("Capital"), QStringLiteral("Capital_Goods")},
        {QStringLiteral("Consumer"), QStringLiteral("Consumer_Cyclical")},
        {QStringLiteral("NonCy"), QStringLiteral("Consumer_Non_Cyclical")},
    };
    return folders.value(suffix, suffix);
}

Action CaptionAction(const QString &caption)
{
    static const QHash<QString, Action> rules = BuildCaptionRules();
    return rules.value(caption);
}

Action KeyAction(const QString &key)
{
    static const QHash<QString, Action> rules = BuildKeyRules();
    return rules.value(key);
}

QByteArray ProfileTip(const QByteArray &page)
{
    // The page's lines run together before the cut: no line end survives,
    // tabs do (the trim takes blanks only).
    QByteArray text = page;
    text.replace('\r', QByteArray()).replace('\n', QByteArray());
    QByteArray cut = SheetReaders::ProfileCut(text);
    return CellText::Of(cut);
}

} // namespace NavTree
