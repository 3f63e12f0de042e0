// SPDX-License-Identifier: MIT
// The property panel: slot names and pairs, exact storage, the observer and
// the order of ClearPanel.

#include <QStringList>
#include <QTest>

#include <array>
#include <charconv>
#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "TestText.h"
#include "PropertyPanel.h"

using karvelo::display::AllSlots;
using karvelo::display::ConfigurationPairCount;
using karvelo::display::CountSlot;
using karvelo::display::PanelSlot;
using karvelo::display::PanelSlotCount;
using karvelo::display::PropertyPanel;
using karvelo::display::SlotName;
using karvelo::display::SubshellSlot;

using karvelo::tests::DecimalText;
using karvelo::tests::Utf8;

namespace {

QString label(int number) { return QStringLiteral("Label") + DecimalText(number); }

// The clearing order: the ten value slots, then Label55 to Label90.
QStringList clearOrder() {
    QStringList names{"Label10", "Label9",  "Label8",  "Label25", "Label42",
                      "Label39", "Label26", "Label20", "Label49", "Label50"};
    for (int n = 55; n <= 90; ++n) names << label(n);
    return names;
}

QStringList namesOf(const std::vector<PanelSlot>& order) {
    QStringList names;
    for (PanelSlot slot : order) names << Utf8(SlotName(slot));
    return names;
}

// Every write the observer hears, as "name=text".
struct WriteLog {
    QStringList writes;
    PropertyPanel::Observer observer() {
        return [this](PanelSlot slot, const std::string& text) { writes << Utf8(SlotName(slot)) + '=' + Utf8(text); };
    }
};

} // namespace

class PropertyPanelTest : public QObject {
    Q_OBJECT

private slots:
    void slotsStandInClearOrder();
    void configurationPairs_data();
    void configurationPairs();
    void pairsCoverTheConfigurationSlotsInOrder();
    void numbersOutsideThePairsNameNoSlot_data();
    void numbersOutsideThePairsNameNoSlot();
    void startsEmpty();
    void storesTextsExactly_data();
    void storesTextsExactly();
    void observerHearsEveryWrite();
    void clearPanelEmptiesEverySlotInOrder();
};

void PropertyPanelTest::slotsStandInClearOrder() {
    const auto& all = AllSlots();
    QCOMPARE(namesOf({all.begin(), all.end()}), clearOrder());
}

void PropertyPanelTest::configurationPairs_data() {
    QTest::addColumn<int>("pair");
    QTest::addColumn<QString>("subshell");
    QTest::addColumn<QString>("count");
    QTest::newRow("first") << 1 << "Label55" << "Label56";
    QTest::newRow("second") << 2 << "Label57" << "Label58";
    QTest::newRow("ninth") << 9 << "Label71" << "Label72";
    QTest::newRow("seventeenth") << 17 << "Label87" << "Label88";
    QTest::newRow("last") << 18 << "Label89" << "Label90";
}

void PropertyPanelTest::configurationPairs() {
    QFETCH(int, pair);
    QFETCH(QString, subshell);
    QFETCH(QString, count);
    QCOMPARE(Utf8(SlotName(SubshellSlot(pair))), subshell);
    QCOMPARE(Utf8(SlotName(CountSlot(pair))), count);
}

// Pairs 1 to 18, subshell before count, are the last 36 slots of the
// clearing order, each exactly once.
void PropertyPanelTest::pairsCoverTheConfigurationSlotsInOrder() {
    std::vector<PanelSlot> pairs;
    for (int pair = 1; pair <= ConfigurationPairCount; ++pair) {
        pairs.push_back(SubshellSlot(pair));
        pairs.push_back(CountSlot(pair));
    }
    QCOMPARE(namesOf(pairs), clearOrder().mid(10));
}

void PropertyPanelTest::numbersOutsideThePairsNameNoSlot_data() {
    QTest::addColumn<int>("pair");
    QTest::newRow("0") << 0;
    QTest::newRow("19") << 19;
    QTest::newRow("-1") << -1;
    QTest::newRow("INT_MIN") << std::numeric_limits<int>::min();
    QTest::newRow("INT_MAX") << std::numeric_limits<int>::max();
}

void PropertyPanelTest::numbersOutsideThePairsNameNoSlot() {
    QFETCH(int, pair);
    PropertyPanel panel;
    for (PanelSlot slot : {SubshellSlot(pair), CountSlot(pair)}) {
        QCOMPARE(Utf8(SlotName(slot)), QString());
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, panel.SetSlot(slot, "x"));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, panel.SlotText(slot));
    }
    for (PanelSlot slot : AllSlots()) QVERIFY(panel.SlotText(slot).empty());
}

void PropertyPanelTest::startsEmpty() {
    const PropertyPanel panel;
    for (PanelSlot slot : AllSlots()) QVERIFY2(panel.SlotText(slot).empty(), qPrintable(Utf8(SlotName(slot))));
}

// Each text goes into every slot in turn and must come back unchanged from
// that slot alone.
void PropertyPanelTest::storesTextsExactly_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("estimate marker kept") << QByteArray("4100~");
    QTest::newRow("gas marker") << QByteArray("0.0899\u2020");
    QTest::newRow("no-value marker") << QByteArray("-");
    QTest::newRow("blanks around") << QByteArray("  12  ");
    QTest::newRow("line break") << QByteArray("a\nb");
    QTest::newRow("embedded NUL") << QByteArray("a\0b", 3);
    QTest::newRow("longer than any catalogue text") << QByteArray(1000, 'x');
    QTest::newRow("empty") << QByteArray();
}

void PropertyPanelTest::storesTextsExactly() {
    QFETCH(QByteArray, text);
    const std::string_view written(text.constData(), static_cast<std::size_t>(text.size()));
    for (PanelSlot slot : AllSlots()) {
        PropertyPanel panel;
        for (PanelSlot other : AllSlots()) panel.SetSlot(other, "other");
        panel.SetSlot(slot, written);
        for (PanelSlot other : AllSlots()) {
            const std::string expected = other == slot ? std::string(written) : std::string("other");
            QVERIFY2(panel.SlotText(other) == expected,
                     qPrintable(Utf8(SlotName(slot)) + " written, " + Utf8(SlotName(other)) + " read"));
        }
    }
}

void PropertyPanelTest::observerHearsEveryWrite() {
    PropertyPanel panel;
    WriteLog first;
    panel.SetObserver(first.observer());
    panel.SetSlot(PanelSlot::Label39, "4100~");
    panel.SetSlot(PanelSlot::Label90, "14");
    panel.SetSlot(PanelSlot::Label39, "4100~");
    QCOMPARE(first.writes, (QStringList{"Label39=4100~", "Label90=14", "Label39=4100~"}));

    WriteLog second;
    panel.SetObserver(second.observer());
    panel.SetSlot(PanelSlot::Label8, "26");
    QCOMPARE(first.writes.size(), 3);
    QCOMPARE(second.writes, QStringList{"Label8=26"});

    panel.SetObserver({});
    panel.SetSlot(PanelSlot::Label8, "27");
    QCOMPARE(second.writes.size(), 1);
    QCOMPARE(Utf8(panel.SlotText(PanelSlot::Label8)), QStringLiteral("27"));
    QCOMPARE(Utf8(panel.SlotText(PanelSlot::Label39)), QStringLiteral("4100~"));
}

void PropertyPanelTest::clearPanelEmptiesEverySlotInOrder() {
    PropertyPanel panel;
    for (PanelSlot slot : AllSlots()) panel.SetSlot(slot, "placeholder");
    WriteLog log;
    panel.SetObserver(log.observer());

    panel.ClearPanel();

    QStringList expected;
    for (const QString& name : clearOrder()) expected << name + '=';
    QCOMPARE(log.writes, expected);
    for (PanelSlot slot : AllSlots()) QVERIFY2(panel.SlotText(slot).empty(), qPrintable(Utf8(SlotName(slot))));
}

QTEST_APPLESS_MAIN(PropertyPanelTest)
#include "tst_propertypanel.moc"
