#pragma once
// The texts a user puts into an alert box and what OK or Apply makes of
// them, for both windows that hold alert boxes.
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>

namespace tw::test {

// Columns box (0 low, 1 high), typed, pasted, refused (the box's name in the
// message; empty: kept) and kept (the alert afterwards). storedHigh is the
// high alert the stock has, which an emptied box leaves.
inline void AlertBoxCases(float storedHigh)
{
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("pasted"); // an exponent does not pass the keystroke check on its way
    QTest::addColumn<QString>("refused");
    QTest::addColumn<float>("kept");
    QTest::newRow("decimal comma") << 0 << "12,5" << false << "Low" << 0.0f;
    QTest::newRow("four digits after a comma") << 1 << "1,2345" << false << "High" << 0.0f;
    QTest::newRow("comma left on the way") << 1 << "1," << false << "High" << 0.0f;
    QTest::newRow("too small for a single") << 0 << "1e-300" << true << "Low" << 0.0f;
    QTest::newRow("beyond a single") << 1 << "1e39" << true << "High" << 0.0f;
    QTest::newRow("digit groups") << 0 << "1,234.5" << false << "" << 1234.5f;
    QTest::newRow("decimal point") << 1 << "12.5" << false << "" << 12.5f;
    QTest::newRow("empty: the alert stays") << 1 << "" << false << "" << storedHigh;
}

// The text replaces the box's as a user puts it there: typed key by key,
// or pasted with Ctrl+V.
inline void TypeOrPaste(QLineEdit *box, const QString &text, bool pasted)
{
    QTest::mouseClick(box, Qt::LeftButton);
    box->selectAll();
    if (pasted) {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        return;
    }
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

} // namespace tw::test
