// SPDX-License-Identifier: MIT
// The About window in-process: its texts and places, its fixed border, and
// Ok by mouse and keyboard.

#include <QLabel>

#include "ChartFixture.h"

using karvelo::tests::StartedChart;
using karvelo::tests::WaitActive;

class AboutTest : public QObject {
    Q_OBJECT

private slots:
    void showsItsTextsInPlace_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QPoint>("topLeft"); // twips / 15
        QTest::newRow("name") << "Label1" << "Karvelo." << QPoint(47, 7);
        QTest::newRow("freeware") << "Label5" << "This is a freeware." << QPoint(47, 31);
        QTest::newRow("credits") << "Label2" << "Developed by : the Karvelo developers." << QPoint(49, 52);
        QTest::newRow("contact") << "Label4" << "e-mail : karvelo@example.org" << QPoint(96, 73);
    }

    void showsItsTextsInPlace()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QPoint, topLeft);
        StartedChart chart;
        auto* label = qobject_cast<QLabel*>(&chart.forms->Control("Form2", name.toStdString()));
        QVERIFY(label);
        QCOMPARE(label->text(), text);
        QCOMPARE(label->pos(), topLeft);
        // Nothing of the text is cut off, and it stays clear of the Ok button.
        QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(text));
        QVERIFY(label->geometry().right() < chart.forms->Control("Form2", "Command1").x());
    }

    void isAFixedDialogWithTheIcon()
    {
        StartedChart chart;
        QWidget& about = chart.About();
        QCOMPARE(about.windowTitle(), QString("About Karvelo V.1.0.1"));
        QCOMPARE(about.size(), QSize(379, 98));
        QCOMPARE(about.minimumSize(), about.maximumSize());
        QVERIFY(!(about.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(about.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(chart.forms->Control("Form2", "Image1").geometry(), QRect(8, 8, 32, 32));
        QCOMPARE(chart.forms->Control("Form2", "Command1").geometry(), QRect(310, 7, 61, 79));
        QVERIFY(!about.windowIcon().isNull());
    }

    void okHidesAndTheNextShowReturnsToTheSamePlace()
    {
        StartedChart chart;
        chart.forms->SetVisible("Form2", true);
        QVERIFY(WaitActive(chart.About()));
        QCOMPARE(QApplication::focusWidget(), &chart.forms->Control("Form2", "Command1"));
        chart.About().move(chart.About().pos() + QPoint(40, 30));
        const QPoint moved = chart.About().pos();
        QTest::mouseClick(qobject_cast<QAbstractButton*>(&chart.forms->Control("Form2", "Command1")),
                          Qt::LeftButton);
        QVERIFY(!chart.forms->IsVisible("Form2"));
        chart.forms->SetVisible("Form2", true);
        QCOMPARE(chart.About().pos(), moved);
    }

    void keysThatPressOk_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("hides");
        QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier) << true;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << true;
        QTest::newRow("Space") << int(Qt::Key_Space) << int(Qt::NoModifier) << true;
        QTest::newRow("Alt+O") << int(Qt::Key_O) << int(Qt::AltModifier) << true;
        QTest::newRow("Escape does nothing") << int(Qt::Key_Escape) << int(Qt::NoModifier) << false;
    }

    void keysThatPressOk()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, hides);
        StartedChart chart;
        chart.forms->SetVisible("Form2", true);
        QVERIFY(WaitActive(chart.About()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key),
                        Qt::KeyboardModifiers(modifiers));
        if (hides) // an access key clicks with a short animation
            QTRY_VERIFY(!chart.forms->IsVisible("Form2"));
        else
            QTest::qWait(200);
        QCOMPARE(chart.forms->IsVisible("Form2"), !hides);
    }

    void closingItActsAsOk()
    {
        StartedChart chart;
        chart.forms->SetVisible("Form2", true);
        QVERIFY(!chart.About().close()); // refused: hidden by Ok instead
        QVERIFY(!chart.forms->IsVisible("Form2"));
        QVERIFY(!chart.forms->HasEnded());
    }
};

KARVELO_TEST_MAIN(AboutTest)
#include "tst_about.moc"
