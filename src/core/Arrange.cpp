#include "core/Arrange.h"

#include "core/MainView.h"
#include "platform/Geometry.h"
#include "platform/WindowList.h"

namespace Misc {

void ArrangeWindows(QWidget *frmCaller)
{
    // Row tops below the ticker (rows 0, 1 and slot 10) or below the calling
    // window (slots 11 on), as the windows have always been laid out.
    static const int rowOffset[7] = {700, 1150, 1600, 1350, 1800, 2250, 2700};
    constexpr int LastSlot = 34;
    constexpr int LastTickerSlot = 10;
    constexpr int StripWidthLimit = 3000;

    const QList<QWidget *> windows = WindowList::Windows();
    const MainView *m = MainView::Loaded();
    const QWidget *ticker = m ? m->NewsTicker1 : nullptr;

    int n = 0;
    for (qsizetype k = 0; k < windows.size(); ++k) {
        QWidget *w = windows[k];
        const QString name = w->objectName();
        // A window closed but not yet deleted (hidden after it was shown)
        // is no longer loaded and takes no place in the rows.
        const bool closed = w->isHidden() && w->testAttribute(Qt::WA_WState_ExplicitShowHide);
        if ((name != QLatin1String("Zoom") && name != QLatin1String("Properties")) || closed
            || Geometry::Width(w) >= StripWidthLimit)
            continue;
        if (n <= LastSlot) {
            if (n % 5 == 0) {
                Geometry::SetLeft(w, 0);
            } else if (k > 0) {
                const QWidget *before = windows[k - 1];
                Geometry::SetLeft(w, Geometry::Left(before) + Geometry::Width(before));
            }
            // Without the window the top cannot be had; the strip keeps its own.
            const QWidget *base = n <= LastTickerSlot ? ticker : frmCaller;
            if (base)
                Geometry::SetTop(w, Geometry::Top(base) + rowOffset[n / 5]);
            Geometry::KeepOnScreen(w);
        }
        ++n;
    }
}

} // namespace Misc
