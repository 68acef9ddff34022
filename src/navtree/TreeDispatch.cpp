// A click on a tree node, or the selection moving onto it, becomes an
// action here: portfolio symbol and stock nodes first, then the message
// boards, then the node's caption (inside a stock's subtree) and its key.
#include "core/MainView.h"
#include "core/Misc.h"
#include "core/Stock.h"
#include "core/ViewState.h"
#include "links/LinkEntry.h"
#include "links/WebDirectory.h"
#include "market/MarketReaders.h"
#include "navtree/TreeDispatch.h"
#include "navtree/TreeTables.h"
#include "platform/Dialogs.h"
#include "platform/FlexGrid.h"
#include "platform/Text.h"
#include "platform/TreeView.h"
#include "platform/Vb.h"
#include "portfolio/PortfolioCommands.h"
#include "queries/BigChart.h"
#include "queries/TechGraph.h"
#include "sheets/SheetReaders.h"

using namespace NavTree;

namespace {

bool IsStockNode(const TreeNode *node)
{
    if (node->Image() != StockImage)
        return false;
    const QString &key = node->Key();
    if (key.size() < 3 || !key.startsWith(QLatin1String("ID")))
        return false;
    for (qsizetype i = 2; i < key.size(); ++i)
        if (!key[i].isDigit())
            return false;
    return true;
}

// The stock whose subtree holds the node, or nullptr. The stock node itself
// is not inside its subtree, so a symbol that reads like a leaf's caption
// means nothing; neither do the market, web or portfolio nodes that share
// a caption with a stock's leaves.
TreeNode *StockAbove(const TreeNode *node)
{
    for (TreeNode *p = node->Parent(); p; p = p->Parent())
        if (IsStockNode(p))
            return p;
    return nullptr;
}

std::function<void(const Call &)> &Recorder()
{
    static std::function<void(const Call &)> recorder;
    return recorder;
}

// A table entry as the call it makes for the node keyed key.
Call CallOf(const Action &a, const QString &key)
{
    Call c{a.kind, a.n, a.fill, QString::fromLatin1(a.text), QString::fromLatin1(a.title)};
    if (a.kind == Kind::Fund || a.kind == Kind::Web)
        c.text = key;
    return c;
}

} // namespace

void NavTree::FG_Current(MainView &main) { main.FG_Current(); }

void NavTree::SetCallRecorder(std::function<void(const Call &)> recorder) { Recorder() = std::move(recorder); }

// opening false: the selection only passed by, so a rule that would open a
// window, a message or a page keeps still; sheets and lists still draw.
void NavTree::RunNodeRules(MainView &main, TreeNode *node, bool opening)
{
    if (!node)
        return;
    // Everything the rules read of the node, taken before any of them runs:
    // fillers yield to the event loop, and a rebuild meanwhile would take the
    // node away.
    const QString key = node->Key();
    const QString caption = node->Text();
    const int image = node->Image();
    const TreeNode *parent = node->Parent();
    const bool root = !parent;
    const QString parentKey = parent ? parent->Key() : QString();
    const TreeNode *stock = StockAbove(node);
    const bool inStock = stock != nullptr;
    const QString stockCaption = stock ? stock->Text() : QString();

    auto run = [&](const Call &a) {
        if (!opening && !DrawsInGrid(a.kind))
            return;
        if (a.kind != Kind::None && Recorder())
            Recorder()(a);
        switch (a.kind) {
        case Kind::None: break;
        case Kind::Sheet: {
            QByteArray symbol = Text::ToCp1252(stockCaption);
            main.SelectSymbol(symbol);
            a.fill(main);
            break;
        }
        case Kind::Call: a.fill(main); break;
        case Kind::ChartForm:
            if (BigChart *form = BigChart::Load()) {
                main.Own(form);
                form->show();
            }
            Misc::DoEvents();
            break;
        case Kind::TechForm:
            if (TechGraph *form = TechGraph::Load()) {
                main.Own(form);
                form->show();
            }
            break;
        case Kind::Chart: LinkEntry::OpenChartLink(a.n); break;
        case Kind::News: LinkEntry::OpenNewsLink(main, a.n); break;
        case Kind::Ratio: LinkEntry::OpenRatioGraph(a.n); break;
        case Kind::Board: LinkEntry::OpenMessageBoard(a.n); break;
        case Kind::Industry: LinkEntry::OpenIndustryGroup(a.n); break;
        case Kind::Consult: main.ShowConsultation(a.n); break;
        case Kind::MostActive: MarketReaders::Pares_BR2(main, a.text, a.title); break;
        case Kind::OptSum: MarketReaders::FG_OptSum(main, a.n); break;
        case Kind::Splits: MarketReaders::FG_SplitsCalendar(main, a.n); break;
        case Kind::BrokerList: MarketReaders::FG_M_BRP(main, a.n); break;
        case Kind::Index:
            a.fill(main);
            if (!a.title.isEmpty())
                MarketReaders::ScrollToSection(main.FG, a.title);
            break;
        case Kind::Fund: MarketReaders::FG_Funds(main, a.text); break;
        case Kind::Video: LinkEntry::OpenVideoStream(a.n); break;
        case Kind::Radio: LinkEntry::OpenRadioStream(a.n); break;
        case Kind::PortClear:
            if (Dialogs::MsgBox(QStringLiteral("Do you really want to delete all portfolio information?"),
                                Dialogs::vbYesNo | Dialogs::vbExclamation | Dialogs::vbDefaultButton2,
                                QStringLiteral("Delete Portfolio Information?"))
                == Dialogs::vbYes)
                Stock::ClearPortfolio();
            break;
        case Kind::Web:
            if (const QString page = WebDirectory::Page(a.text); !page.isEmpty())
                Misc::OpenLink(page);
            break;
        case Kind::PortSymbol: PortfolioCommands::FG_Portfolio_Selected(main, Text::ToCp1252(a.text)); break;
        case Kind::SectorBoard: LinkEntry::OpenSectorBoard(a.text, a.title); break;
        }
    };

    try {
        main.LastNodeIndex = int16_t(node->Index());

        if (key.startsWith(QLatin1String("TID")))
            run({Kind::PortSymbol, 0, nullptr, caption, {}});

        if (key.startsWith(QLatin1String("ID")) && image == StockImage) {
            CurrentSymbol = Text::ToCp1252(caption);
            main.SelectSymbol(CurrentSymbol);
            if (CurrentView == QLatin1String("Profile")) {
                run({Kind::Call, 0, &SheetReaders::FG_Profile, {}, {}});
            } else {
                if (CurrentView != QLatin1String("Current"))
                    run({Kind::Call, 0, &NavTree::FG_Current, {}, {}});
                if (main.ShowCurrentRow(CurrentSymbol))
                    return;
            }
        }

        if (image == StocksRootImage)
            run({Kind::Call, 0, &NavTree::FG_Current, {}, {}});

        // Roots end here: none has a rule of its own beyond the stocks root.
        if (root)
            return;
        if (key == QLatin1String("Conglomerates"))
            run({Kind::SectorBoard, 0, nullptr, QStringLiteral("Conglomerates"), QStringLiteral("Conglomerates")});
        if (parentKey.startsWith(QLatin1String("MBY")) && parentKey.size() > 4)
            run({Kind::SectorBoard, 0, nullptr, SectorFolder(parentKey.mid(4)), key});

        if (inStock)
            run(CallOf(CaptionAction(caption), key));
        run(CallOf(KeyAction(key), key));
    } catch (const VbError &e) {
        Dialogs::MsgBox(e.description);
    } catch (const std::exception &e) {
        Dialogs::MsgBox(QString::fromLocal8Bit(e.what()));
    }
}
