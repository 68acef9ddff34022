// The message and input boxes as a user sees them (not scripted): text from
// outside shows exactly as it is, markup and links included, never as a
// live link or formatting.
#include "common/TestRegistry.h"
#include "common/UserInput.h"
#include "platform/Dialogs.h"

#include <QLabel>
#include <QTest>

using tw::test::WhenModalUp;

class tst_dialogs : public QObject {
    Q_OBJECT
    bool scripted = false;

private Q_SLOTS:
    void init()
    {
        scripted = Dialogs::Scripted();
        Dialogs::SetScripted(false);
    }
    void cleanup() { Dialogs::SetScripted(scripted); }

    void outsideTextShownAsText_data()
    {
        QTest::addColumn<bool>("input");
        QTest::addColumn<QString>("text");
        const QStringList texts{QStringLiteral("550 <a href=\"file:///etc/passwd\">repair</a>"),
                                QStringLiteral("<b>loud</b> and <img src=\"x.png\">"), QStringLiteral("Tom &amp; Jerry")};
        for (const QString &text : texts) {
            QTest::newRow(qPrintable(QStringLiteral("message box: ") + text)) << false << text;
            QTest::newRow(qPrintable(QStringLiteral("input box: ") + text)) << true << text;
        }
    }
    void outsideTextShownAsText()
    {
        QFETCH(bool, input);
        QFETCH(QString, text);
        QList<QLabel *> showing;
        QList<Qt::TextFormat> formats;
        WhenModalUp([&](QWidget *box) {
            for (QLabel *label : box->findChildren<QLabel *>())
                if (label->text() == text) {
                    showing << label;
                    formats << label->textFormat();
                }
            QTest::keyClick(box, Qt::Key_Escape);
        });
        if (input)
            QCOMPARE(Dialogs::InputBox(text, QStringLiteral("Title"), QStringLiteral("x")), QString());
        else
            QCOMPARE(Dialogs::MsgBox(text, Dialogs::vbInformation, QStringLiteral("Title")), int(Dialogs::vbOK));
        QCOMPARE(showing.size(), 1);
        QCOMPARE(formats, QList<Qt::TextFormat>{Qt::PlainText});
    }
};

TW_TEST(tst_dialogs)
#include "tst_dialogs.moc"
