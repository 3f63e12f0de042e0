// SPDX-License-Identifier: MIT
// The main window in-process: start-up, selections as the labels show them,
// the grid's geometry, colours, captions, focus order, names for screen
// readers, and the About and Exit buttons.

#include <QAccessible>
#include <QSignalSpy>

#include <string>

#include "ChartFixture.h"
#include "TestText.h"
#include "ElementCatalog.h"
#include "PropertyPanel.h"

using karvelo::tests::RenderedAt;
using karvelo::tests::Utf8;
using karvelo::tests::StartedChart;
using karvelo::tests::WaitActive;
namespace catalogue = karvelo::catalogue;
namespace display = karvelo::display;

namespace {

const QStringList ValueSlots{"Label8",  "Label10", "Label9",  "Label25", "Label26",
                             "Label39", "Label20", "Label42", "Label49", "Label50"};

// The configuration row as the labels show it: "1s2 2s2 2p6 ...", and checks
// that nothing stands after the first empty pair.
QString ShownConfiguration(StartedChart& chart)
{
    QStringList pairs;
    bool ended = false;
    for (int pair = 1; pair <= 18; ++pair) {
        const QString shell = chart.LabelText(QString("Label%1").arg(53 + 2 * pair));
        const QString count = chart.LabelText(QString("Label%1").arg(54 + 2 * pair));
        if (shell.isEmpty() != count.isEmpty() || (ended && !shell.isEmpty()))
            return "malformed at pair " + QString::number(pair);
        ended = shell.isEmpty();
        if (!ended)
            pairs << shell + count;
    }
    return pairs.join(' ');
}

QString ShownValues(StartedChart& chart)
{
    QStringList texts;
    for (const QString& slot : ValueSlots)
        texts << chart.LabelText(slot);
    return texts.join(" | ");
}

QString WithoutEstimate(std::string_view text)
{
    QString shown = Utf8(text);
    if (shown.endsWith('~'))
        shown.chop(1);
    return shown;
}

} // namespace

class ChartTest : public QObject {
    Q_OBJECT

private slots:
    void startUpShowsAnEmptyPanelAndAHiddenAboutWindow()
    {
        StartedChart chart;
        QVERIFY(QTest::qWaitForWindowExposed(&chart.Main()));
        QCOMPARE(chart.Main().windowTitle(), QString("Karvelo V.1.0.1"));
        QCOMPARE(chart.Main().size(), QSize(868, 700));
        QVERIFY(!(chart.Main().windowFlags() & Qt::WindowMaximizeButtonHint));
        for (display::PanelSlot slot : display::AllSlots())
            QVERIFY2(chart.LabelText(Utf8(display::SlotName(slot))).isEmpty(),
                     display::SlotName(slot).data());
        QVERIFY(chart.forms->IsCreated("Form2"));
        QVERIFY(!chart.forms->IsVisible("Form2"));
        QCOMPARE(QApplication::focusWidget(), &chart.Control("Command1"));
        QCOMPARE(chart.LabelText("Label92"), QString("Electron Configuration :"));
    }

    void clicksLeaveTheirTexts_data()
    {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QString>("values"); // the ten value slots, Label8 first
        QTest::addColumn<QString>("configuration");

        QTest::newRow("1 hydrogen") << QList<int>{1}
            << "1 | Hydrogen | H | 1.00794 | 20.268 | 14.025 | 0.0899\u2020 | 1 | -259.135 | -252.892"
            << "1s1";
        QTest::newRow("6 carbon, estimates dropped") << QList<int>{6}
            << "6 | Carbon | C | 12.011 | 4470 | 4100 | 2.62 | 2, 4 | 3826.84 | 4196.84"
            << "1s2 2s2 2p2";
        QTest::newRow("26 iron") << QList<int>{26}
            << "26 | Iron | Fe | 55.847 | 3135 | 1809 | 7.86 | 2, 3 | 1535.84 | 2861.84"
            << "1s2 2s2 2p6 3s2 3p6 3d6 4s2";
        QTest::newRow("35 bromine, 15 digits") << QList<int>{35}
            << "35 | Bromine | Br | 79.904 | 332.25 | 265.90 | 3.12 | 1, 5 | -7.26000000000005 | 59.09"
            << "1s2 2s2 2p6 3s2 3p6 3d10 4s2 4p5";
        QTest::newRow("57 lanthanum, no mark") << QList<int>{57}
            << "57 | Lanthanum | La | 138.9055 | 3730 | 1193 | 6.7 | 3 | 919.84 | 3456.84"
            << "1s2 2s2 2p6 3s2 3p6 3d10 4s2 4p6 4d10 5s2 5p6 5d1 6s2";
        QTest::newRow("64 gadolinium") << QList<int>{64}
            << "64 | Gadolinium | Gd | 157.25 | 3539 | 1585 | 7.89 | 3 | 1311.84 | 3265.84"
            << "1s2 2s2 2p6 3s2 3p6 3d10 4s2 4p6 4d10 4f7 5s2 5p6 5d1 6s2";
        QTest::newRow("89 actinium") << QList<int>{89}
            << "89 | Actinium | Ac | (227.028) | 3473 | 1323 | 10.07 | 3 | 1049.84 | 3199.84"
            << "1s2 2s2 2p6 3s2 3p6 3d10 4s2 4p6 4d10 4f14 5s2 5p6 5d10 6s2 6p6 6d1 7s2";
        QTest::newRow("91 protactinium, no kelvin") << QList<int>{91}
            << "91 | Protactinium | Pa | 231.03588 | - | - | 15.4 | 4, 5 | - | -"
            << "1s2 2s2 2p6 3s2 3p6 3d10 4s2 4p6 4d10 4f14 5s2 5p6 5d10 5f2 6s2 6p6 6d1 7s2";
        QTest::newRow("97 berkelium, estimated density kept") << QList<int>{97}
            << "97 | Berkelium | Bk | (247) | - | - | 14~ | 3, 4 | - | -"
            << "1s2 2s2 2p6 3s2 3p6 3d10 4s2 4p6 4d10 4f14 5s2 5p6 5d10 5f9 6s2 6p6 7s2";
        QTest::newRow("110 then 111 blanks the row") << QList<int>{110, 111}
            << "111 | - | - | - | - | - | - | - | - | -" << "";
        QTest::newRow("113 shows no number") << QList<int>{113}
            << "- | - | - | - | - | - | - | - | - | -" << "";
        QTest::newRow("118") << QList<int>{118}
            << "118 | Ununoctium | Uuo | - | - | - | - | - | - | -" << "";
        QTest::newRow("6 twice") << QList<int>{6, 6}
            << "6 | Carbon | C | 12.011 | 4470 | 4100 | 2.62 | 2, 4 | 3826.84 | 4196.84"
            << "1s2 2s2 2p2";
        QTest::newRow("110 then 1 leaves nothing of 110") << QList<int>{110, 1}
            << "1 | Hydrogen | H | 1.00794 | 20.268 | 14.025 | 0.0899\u2020 | 1 | -259.135 | -252.892"
            << "1s1";
    }

    void clicksLeaveTheirTexts()
    {
        QFETCH(QList<int>, clicks);
        QFETCH(QString, values);
        QFETCH(QString, configuration);
        StartedChart chart;
        for (int element : clicks)
            QTest::mouseClick(&chart.Button(QString("Command%1").arg(element)), Qt::LeftButton);
        QCOMPARE(ShownValues(chart), values);
        QCOMPARE(ShownConfiguration(chart), configuration);
    }

    // Each button once, in a row, and the labels equal the panel and the record.
    void everyButtonShowsItsRecord()
    {
        StartedChart chart;
        for (int element = 1; element <= catalogue::ElementCount; ++element) {
            chart.Button(QString("Command%1").arg(element)).click();
            const catalogue::ElementRecord& r = catalogue::ElementAt(element);
            const QStringList expected{Utf8(r.AtomicNumber), Utf8(r.Name), Utf8(r.Symbol),
                                       Utf8(r.AtomicWeight), WithoutEstimate(r.BoilingPointK),
                                       WithoutEstimate(r.MeltingPointK), Utf8(r.Density),
                                       Utf8(r.Valence)};
            for (int i = 0; i < expected.size(); ++i)
                QCOMPARE(chart.LabelText(ValueSlots[i]), expected[i]);
            for (int pair = 1; pair <= 18; ++pair) {
                const catalogue::ShellEntry& entry = r.Configuration[std::size_t(pair - 1)];
                QCOMPARE(chart.LabelText(QString("Label%1").arg(53 + 2 * pair)), Utf8(entry.Subshell));
                QCOMPARE(chart.LabelText(QString("Label%1").arg(54 + 2 * pair)), Utf8(entry.Electrons));
            }
            for (display::PanelSlot slot : display::AllSlots())
                QCOMPARE(chart.LabelText(Utf8(display::SlotName(slot))),
                         QString::fromStdString(chart.chart->Panel().SlotText(slot)));
        }
    }

    void captionsAreExact_data()
    {
        QTest::addColumn<int>("element");
        QTest::addColumn<QString>("caption");
        QTest::newRow("1") << 1 << "1        H";
        QTest::newRow("3") << 3 << "3         Li";
        QTest::newRow("26") << 26 << "26      Fe";
        QTest::newRow("57 marked") << 57 << "57     *La";
        QTest::newRow("74") << 74 << "74    W";
        QTest::newRow("89 marked") << 89 << "89   **Ac";
        QTest::newRow("100") << 100 << "100    Fm";
        QTest::newRow("110") << 110 << "110   Uun";
        QTest::newRow("111 no symbol") << 111 << "111      ";
        QTest::newRow("112 no symbol") << 112 << "112    ";
        QTest::newRow("114 systematic") << 114 << "114   Uuq";
        QTest::newRow("117 no symbol") << 117 << "117    ";
    }

    void captionsAreExact()
    {
        QFETCH(int, element);
        QFETCH(QString, caption);
        StartedChart chart;
        QCOMPARE(chart.Button(QString("Command%1").arg(element)).text(), caption);
    }

    void geometryOfTellingControls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("pixels"); // twips / 15, relative to the parent
        QTest::newRow("Command1") << "Command1" << QRect(8, 32, 45, 50);
        QTest::newRow("Command2 column 18") << "Command2" << QRect(809, 32, 45, 50);
        QTest::newRow("Command12 lowered") << "Command12" << QRect(55, 135, 45, 50);
        QTest::newRow("Command13 period 3") << "Command13" << QRect(573, 134, 45, 50);
        QTest::newRow("Command57") << "Command57" << QRect(102, 286, 45, 50);
        QTest::newRow("Command58 f-block") << "Command58" << QRect(149, 395, 45, 50);
        QTest::newRow("Command103") << "Command103" << QRect(761, 448, 45, 50);
        QTest::newRow("Command118 period 7") << "Command118" << QRect(809, 337, 45, 50);
        QTest::newRow("Command119 About") << "Command119" << QRect(130, 88, 65, 33);
        QTest::newRow("Frame1") << "Frame1" << QRect(10, 504, 848, 165);
        QTest::newRow("Label54 note") << "Label54" << QRect(24, 672, 821, 20);
        QTest::newRow("Picture5 swatch") << "Picture5" << QRect(321, 112, 17, 17);
    }

    void geometryOfTellingControls()
    {
        QFETCH(QString, name);
        QFETCH(QRect, pixels);
        StartedChart chart;
        QCOMPARE(chart.Control(name.toUtf8().constData()).geometry(), pixels);
    }

    // Right-justified value slots keep their right edges, 3855 and 8340 twips.
    void valueSlotsKeepTheirRightEdges()
    {
        StartedChart chart;
        struct Slot {
            const char* Name;
            int Right; // 3855 or 8340 twips
            int Top;
        };
        const Slot valueSlots[] = {
            {"Label10", 257, 25}, {"Label9", 257, 46},  {"Label8", 257, 66},
            {"Label25", 257, 87}, {"Label42", 257, 107}, {"Label20", 556, 25},
            {"Label39", 556, 46}, {"Label26", 556, 66}, {"Label49", 556, 87},
            {"Label50", 556, 107},
        };
        for (int element : {104, 1, 25, 113, 26}) {
            chart.Button(QString("Command%1").arg(element)).click();
            for (const Slot& slot : valueSlots) {
                QWidget& label = chart.Control(slot.Name);
                QCOMPARE(label.x() + label.width(), slot.Right);
                QCOMPARE(label.y(), slot.Top);
                QVERIFY(label.width() >= label.fontMetrics().horizontalAdvance(
                                             qobject_cast<QLabel*>(&label)->text()));
            }
        }
        chart.Button("Command104").click();
        QCOMPARE(chart.LabelText("Label10"), QString("Rutherfordium"));
        QVERIFY(chart.Control("Label10").width() > 57); // grew past its design width
    }

    void buttonsAndSwatchesWearTheirCategoryColour_data()
    {
        QTest::addColumn<QString>("swatch");
        QTest::addColumn<QList<int>>("elements");
        QTest::newRow("solid") << "Picture3" << QList<int>{3, 26, 31, 92};
        QTest::newRow("liquid") << "Picture2" << QList<int>{35, 55, 80, 87};
        QTest::newRow("gas") << "Picture1" << QList<int>{1, 2, 17, 86};
        QTest::newRow("synthetic") << "Picture4" << QList<int>{43, 61, 93, 118};
        QTest::newRow("not yet known") << "Picture5" << QList<int>{113, 115, 117};
    }

    void buttonsAndSwatchesWearTheirCategoryColour()
    {
        QFETCH(QString, swatch);
        QFETCH(QList<int>, elements);
        StartedChart chart;
        QWidget& box = chart.Control(swatch.toUtf8().constData());
        const QColor legend = RenderedAt(box, box.width() / 2, box.height() / 2);
        for (int element : elements) {
            QAbstractButton& button = chart.Button(QString("Command%1").arg(element));
            // Left of the centred caption, inside the raised edge.
            QCOMPARE(RenderedAt(button, 5, button.height() / 2), legend);
        }
        QVERIFY(legend != chart.Main().palette().color(QPalette::Button));
    }

    void tabVisitsTheDescribedOrder()
    {
        QStringList expected;
        auto commands = [&expected](int from, int to, int step = 1) {
            for (int n = from; step > 0 ? n <= to : n >= to; n += step)
                expected << QString("Command%1").arg(n);
        };
        commands(1, 10);
        commands(19, 109);
        expected << "Picture1" << "Picture2" << "Picture3" << "Picture4";
        commands(110, 120);
        expected << "Picture5";
        commands(18, 11, -1);
        expected << "Command1"; // and round again

        StartedChart chart;
        QVERIFY(WaitActive(chart.Main()));
        QStringList visited{QApplication::focusWidget()->objectName()};
        for (int step = 1; step < expected.size(); ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, expected);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("Command11"));
    }

    void screenReadersHearNamesAndStates_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("spoken");
        QTest::addColumn<QString>("state");
        QTest::newRow("iron") << "Command26" << "Iron, 26" << "solid";
        QTest::newRow("mercury") << "Command80" << "Mercury, 80" << "liquid";
        QTest::newRow("lanthanum without mark") << "Command57" << "Lanthanum, 57" << "solid";
        QTest::newRow("114") << "Command114" << "114 Uuq" << "synthetically prepared";
        QTest::newRow("113") << "Command113" << "113" << "not yet known";
        QTest::newRow("118 named") << "Command118" << "Ununoctium, 118" << "synthetically prepared";
        QTest::newRow("About") << "Command119" << "About" << "";
        QTest::newRow("legend") << "Label14" << "Synthetically Prepared" << "";
    }

    void screenReadersHearNamesAndStates()
    {
        QFETCH(QString, name);
        QFETCH(QString, spoken);
        QFETCH(QString, state);
        StartedChart chart;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(
            &chart.Control(name.toUtf8().constData()));
        QVERIFY(face);
        QCOMPARE(face->text(QAccessible::Name).remove('&').trimmed(), spoken);
        QCOMPARE(face->text(QAccessible::Description), state);
    }

    void aboutAndOkShowAndHideTheAboutWindow()
    {
        StartedChart chart;
        QVERIFY(WaitActive(chart.Main()));
        chart.Button("Command119").click();
        QVERIFY(chart.forms->IsVisible("Form2"));
        QVERIFY(WaitActive(chart.About()));

        // About again: the click first returns to the main window, which hides
        // the About window, then shows it again.
        chart.Main().activateWindow();
        QVERIFY(WaitActive(chart.Main()));
        QVERIFY(!chart.forms->IsVisible("Form2"));
        chart.Button("Command119").click();
        QVERIFY(WaitActive(chart.About()));
        QVERIFY(chart.forms->IsVisible("Form2"));

        // Ok hides it and the main window is active again.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!chart.forms->IsVisible("Form2"));
        QVERIFY(WaitActive(chart.Main()));
    }

    void anElementClickWhileAboutIsOpenHidesItAndSelects()
    {
        StartedChart chart;
        chart.Button("Command119").click();
        QVERIFY(WaitActive(chart.About()));
        chart.Main().activateWindow();
        QVERIFY(WaitActive(chart.Main()));
        QTest::mouseClick(&chart.Button("Command26"), Qt::LeftButton);
        QVERIFY(!chart.forms->IsVisible("Form2"));
        QCOMPARE(chart.LabelText("Label10"), QString("Iron"));
    }

    void accessKeysPressAboutAndExit()
    {
        StartedChart chart;
        QVERIFY(WaitActive(chart.Main()));
        // An access key presses its button with a short animated click.
        QTest::keyClick(&chart.Main(), Qt::Key_A, Qt::AltModifier);
        QTRY_VERIFY(chart.forms->IsVisible("Form2"));
        QVERIFY(WaitActive(chart.About()));
        chart.Main().activateWindow();
        QVERIFY(WaitActive(chart.Main()));
        QTest::keyClick(&chart.Main(), Qt::Key_E, Qt::AltModifier);
        QTRY_VERIFY(chart.forms->HasEnded());
    }

    void exitWhileAboutIsOpenEndsAndNothingRunsAfter()
    {
        StartedChart chart;
        chart.Button("Command119").click();
        QVERIFY(chart.forms->IsVisible("Form2"));
        chart.Button("Command120").click();
        QVERIFY(chart.forms->HasEnded());
        chart.Button("Command26").click();
        QCOMPARE(chart.LabelText("Label10"), QString());
    }
};

KARVELO_TEST_MAIN(ChartTest)
#include "tst_chart.moc"
