// SPDX-License-Identifier: MIT
// Element selection and the kelvin-to-Celsius conversion: whole panels after
// selections, the order of the writes, the conversions of the catalogue, odd
// kelvin texts, and the number texts both ways, also under a German locale.

#include <QRegularExpression>
#include <QStringList>
#include <QTest>

#include <array>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>

#include "TestText.h"
#include "ElementCatalog.h"
#include "PropertyPanel.h"
#include "Selection.h"

using karvelo::catalogue::ElementAt;
using karvelo::catalogue::ElementCount;
using karvelo::display::AllSlots;
using karvelo::display::CountSlot;
using karvelo::display::DoubleToText;
using karvelo::display::KelvinOffset;
using karvelo::display::PanelSlot;
using karvelo::display::PanelSlotCount;
using karvelo::display::PropertyPanel;
using karvelo::display::SelectElement;
using karvelo::display::SlotName;
using karvelo::display::SubshellSlot;
using karvelo::display::TextToDouble;
using karvelo::display::UpdateCelsiusValues;

using karvelo::tests::Utf8;

namespace {

// The shortest text that reads back as the same double, for messages.
QString shortest(double value) {
    std::array<char, 32> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    if (error != std::errc{}) qFatal("to_chars failed");
    return QString::fromLatin1(buffer.data(), end - buffer.data());
}

using PanelTexts = std::array<QString, PanelSlotCount>;

PanelTexts textsOf(const PropertyPanel& panel) {
    PanelTexts texts;
    for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = Utf8(panel.SlotText(AllSlots()[i]));
    return texts;
}

// The ten value slots in clearing order (Label10, Label9, Label8, Label25,
// Label42, Label39, Label26, Label20, Label49, Label50) and the
// configuration as "1s2 2s2 2p6", give all 46 texts.
PanelTexts expectedPanel(const QStringList& values, const QString& configuration) {
    PanelTexts texts;
    for (qsizetype i = 0; i < values.size() && i < 10; ++i) texts[static_cast<std::size_t>(i)] = values[i];
    std::size_t next = 10;
    for (const QString& entry : configuration.split(' ', Qt::SkipEmptyParts)) {
        texts[next++] = entry.left(2);
        texts[next++] = entry.mid(2);
    }
    return texts;
}

// Empty when both panels agree; otherwise every slot that differs.
QString difference(const PanelTexts& actual, const PanelTexts& expected) {
    QStringList differences;
    for (std::size_t i = 0; i < actual.size(); ++i)
        if (actual[i] != expected[i])
            differences << QStringLiteral("%1 is \"%2\", expected \"%3\"")
                               .arg(Utf8(SlotName(AllSlots()[i])), actual[i], expected[i]);
    return differences.join(QStringLiteral("; "));
}

void fill(PropertyPanel& panel, std::string_view text) {
    for (PanelSlot slot : AllSlots()) panel.SetSlot(slot, text);
}

// Installs a named locale as both the C and the C++ global locale for the
// lifetime of the object, then puts the previous ones back.
class GlobalLocale {
public:
    explicit GlobalLocale(const char* name) : previousC_(std::setlocale(LC_ALL, nullptr)) {
        try {
            const std::locale wanted(name);
            if (std::setlocale(LC_ALL, name) == nullptr) return;
            previousCpp_ = std::locale::global(wanted);
            active_ = true;
        } catch (const std::runtime_error&) {
        }
    }
    ~GlobalLocale() {
        if (active_) std::locale::global(previousCpp_);
        std::setlocale(LC_ALL, previousC_.c_str());
    }
    GlobalLocale(const GlobalLocale&) = delete;
    GlobalLocale& operator=(const GlobalLocale&) = delete;

    bool Active() const { return active_; }

private:
    std::string previousC_;
    std::locale previousCpp_;
    bool active_ = false;
};

constexpr const char* GermanLocale = "de_DE.UTF-8";

QString germanLocaleMissing() {
    const char* path = std::getenv("LOCPATH");
    return QStringLiteral("locale %1 not found (LOCPATH=%2)")
        .arg(QLatin1String(GermanLocale), path ? QString::fromLocal8Bit(path) : QStringLiteral("unset"));
}

const QString Config1 = QStringLiteral("1s1");
const QString Config6 = QStringLiteral("1s2 2s2 2p2");
const QString Config26 = QStringLiteral("1s2 2s2 2p6 3s2 3p6 3d6 4s2");
const QString Config91 =
    QStringLiteral("1s2 2s2 2p6 3s2 3p6 3d10 4s2 4p6 4d10 4f14 5s2 5p6 5d10 5f2 6s2 6p6 6d1 7s2");
const QString Config97 = QStringLiteral("1s2 2s2 2p6 3s2 3p6 3d10 4s2 4p6 4d10 4f14 5s2 5p6 5d10 5f9 6s2 6p6 7s2");
const QString Config110 =
    QStringLiteral("1s2 2s2 2p6 3s2 3p6 3d10 4s2 4p6 4d10 4f14 5s2 5p6 5d10 5f14 6s2 6p6 6d8 7s2");

const QStringList Hydrogen{"Hydrogen", "H",      "1",       "1.00794",  "1",
                           "14.025",   "20.268", "0.0899\u2020", "-259.135", "-252.892"};
const QStringList Carbon{"Carbon", "C", "6", "12.011", "2, 4", "4100", "4470", "2.62", "3826.84", "4196.84"};
const QStringList NoValues{"-", "-", "-", "-", "-", "-", "-", "-", "-", "-"};

} // namespace

class SelectionTest : public QObject {
    Q_OBJECT

private slots:
    void selectionFillsThePanel_data();
    void selectionFillsThePanel();
    void selectionWritesInOrder_data();
    void selectionWritesInOrder();
    void everySelectionDependsOnTheElementAlone();
    void celsiusSlotsAfterEverySelection();
    void secondConversionChangesNothing();
    void catalogueUnchangedThroughThePanel();
    void conversions_data();
    void conversions();
    void conversionsUnderGermanLocale_data();
    void conversionsUnderGermanLocale();
    void oddKelvinTexts_data();
    void oddKelvinTexts();
    void textToDouble_data();
    void textToDouble();
    void textToDoubleUnderGermanLocale_data();
    void textToDoubleUnderGermanLocale();
    void doubleToText_data();
    void doubleToText();
    void doubleToTextRefusesNonFiniteValues();
};

void SelectionTest::selectionFillsThePanel_data() {
    QTest::addColumn<QList<int>>("selections");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("configuration");

    QTest::newRow("1 hydrogen") << QList<int>{1} << Hydrogen << Config1;
    QTest::newRow("6 carbon: kelvin markers removed") << QList<int>{6} << Carbon << Config6;
    QTest::newRow("6 twice in a row") << QList<int>{6, 6} << Carbon << Config6;
    QTest::newRow("26 iron") << QList<int>{26}
                             << QStringList{"Iron", "Fe",   "26",   "55.847",  "2, 3",
                                            "1809", "3135", "7.86", "1535.84", "2861.84"}
                             << Config26;
    QTest::newRow("91 protactinium: no kelvin values")
        << QList<int>{91} << QStringList{"Protactinium", "Pa", "91", "231.03588", "4, 5", "-", "-", "15.4", "-", "-"}
        << Config91;
    QTest::newRow("97 berkelium: density keeps its marker")
        << QList<int>{97} << QStringList{"Berkelium", "Bk", "97", "(247)", "3, 4", "-", "-", "14~", "-", "-"}
        << Config97;
    QTest::newRow("110 ununnilium: 18 entries")
        << QList<int>{110} << QStringList{"Ununnilium", "Uun", "110", "(272)", "-", "-", "-", "-", "-", "-"}
        << Config110;
    QTest::newRow("110 then 111: configuration blanked")
        << QList<int>{110, 111} << QStringList{"-", "-", "111", "-", "-", "-", "-", "-", "-", "-"} << QString();
    QTest::newRow("110 then 1") << QList<int>{110, 1} << Hydrogen << Config1;
    QTest::newRow("113: nothing known") << QList<int>{113} << NoValues << QString();
    QTest::newRow("1 then 113") << QList<int>{1, 113} << NoValues << QString();
    QTest::newRow("118 ununoctium")
        << QList<int>{118} << QStringList{"Ununoctium", "Uuo", "118", "-", "-", "-", "-", "-", "-", "-"} << QString();
}

void SelectionTest::selectionFillsThePanel() {
    QFETCH(QList<int>, selections);
    QFETCH(QStringList, values);
    QFETCH(QString, configuration);
    QCOMPARE(values.size(), 10);

    PropertyPanel panel;
    panel.ClearPanel();
    for (int n : selections) SelectElement(panel, n);
    const QString differences = difference(textsOf(panel), expectedPanel(values, configuration));
    QVERIFY2(differences.isEmpty(), qPrintable(differences));
}

// The writes of one selection as the observer hears them: the eight record
// texts, the conversion (kelvin shortened only where it had a marker), then
// the 18 pairs, subshell before count.
void SelectionTest::selectionWritesInOrder_data() {
    QTest::addColumn<int>("record");
    QTest::addColumn<QStringList>("valueWrites");

    QTest::newRow("1 hydrogen: no markers")
        << 1
        << QStringList{"Label8=1",       "Label10=Hydrogen",   "Label9=H",          "Label25=1.00794",
                       "Label26=20.268", "Label39=14.025",     "Label20=0.0899\u2020", "Label42=1",
                       "Label49=-259.135", "Label50=-252.892"};
    QTest::newRow("6 carbon: both markers")
        << 6
        << QStringList{"Label8=6",         "Label10=Carbon",  "Label9=C",        "Label25=12.011",
                       "Label26=4470~",    "Label39=4100~",   "Label20=2.62",    "Label42=2, 4",
                       "Label39=4100",     "Label49=3826.84", "Label26=4470",    "Label50=4196.84"};
    QTest::newRow("85 astatine: boiling marker")
        << 85
        << QStringList{"Label8=85",        "Label10=Astatine", "Label9=At",      "Label25=(210.0)",
                       "Label26=610.0~",   "Label39=575",      "Label20=-",      "Label42=1, 3, 5, 7",
                       "Label49=301.84",   "Label26=610.0",    "Label50=336.84"};
    QTest::newRow("98 californium: melting marker")
        << 98
        << QStringList{"Label8=98",   "Label10=Californium", "Label9=Cf",      "Label25=(251)",
                       "Label26=-",   "Label39=900~",        "Label20=-",      "Label42=3",
                       "Label39=900", "Label49=626.84",      "Label50=-"};
    QTest::newRow("113: nothing known")
        << 113
        << QStringList{"Label8=-",  "Label10=-", "Label9=-",  "Label25=-", "Label26=-",
                       "Label39=-", "Label20=-", "Label42=-", "Label49=-", "Label50=-"};
}

void SelectionTest::selectionWritesInOrder() {
    QFETCH(int, record);
    QFETCH(QStringList, valueWrites);

    QStringList expected = valueWrites;
    const auto& configuration = ElementAt(record).Configuration;
    for (int pair = 1; pair <= 18; ++pair) {
        const auto& entry = configuration[static_cast<std::size_t>(pair - 1)];
        expected << Utf8(SlotName(SubshellSlot(pair))) + '=' + Utf8(entry.Subshell)
                 << Utf8(SlotName(CountSlot(pair))) + '=' + Utf8(entry.Electrons);
    }

    PropertyPanel panel;
    QStringList writes;
    panel.SetObserver(
        [&writes](PanelSlot slot, const std::string& text) { writes << Utf8(SlotName(slot)) + '=' + Utf8(text); });
    SelectElement(panel, record);
    QCOMPARE(writes, expected);
}

// Whatever the panel held before, selecting N leaves the same 46 texts.
void SelectionTest::everySelectionDependsOnTheElementAlone() {
    for (int n = 1; n <= ElementCount; ++n) {
        PropertyPanel fresh;
        SelectElement(fresh, n);
        const PanelTexts reference = textsOf(fresh);

        for (int previous : {1, 6, 110}) {
            PropertyPanel panel;
            SelectElement(panel, previous);
            SelectElement(panel, n);
            const QString differences = difference(textsOf(panel), reference);
            QVERIFY2(differences.isEmpty(), qPrintable(QStringLiteral("after %1: ").arg(previous) + differences));
        }
        PropertyPanel scribbled;
        fill(scribbled, "stale");
        SelectElement(scribbled, n);
        const QString differences = difference(textsOf(scribbled), reference);
        QVERIFY2(differences.isEmpty(), qPrintable(QStringLiteral("after stale texts: ") + differences));
    }
}

// After every selection: the value slots are filled, the kelvin slots carry
// no estimate marker, and a Celsius slot is "-" exactly for the records the
// catalogue gives no kelvin value, otherwise a positional number of at most
// 15 significant digits.
void SelectionTest::celsiusSlotsAfterEverySelection() {
    const QRegularExpression numberText(QStringLiteral("^-?(0|[1-9][0-9]*)(\\.[0-9]*[1-9])?$"));
    const auto noMelting = [](int n) { return n == 91 || n == 97 || n >= 99; };
    const auto noBoiling = [](int n) { return n == 91 || n == 93 || n >= 96; };

    for (int n = 1; n <= ElementCount; ++n) {
        PropertyPanel panel;
        SelectElement(panel, n);
        const PanelTexts texts = textsOf(panel);
        for (std::size_t i = 0; i < 10; ++i)
            QVERIFY2(!texts[i].isEmpty(), qPrintable(QStringLiteral("%1 %2").arg(n).arg(Utf8(SlotName(AllSlots()[i])))));

        struct Pair {
            PanelSlot Kelvin;
            PanelSlot Celsius;
            bool NoValue;
        };
        for (const Pair& pair : {Pair{PanelSlot::Label39, PanelSlot::Label49, noMelting(n)},
                                 Pair{PanelSlot::Label26, PanelSlot::Label50, noBoiling(n)}}) {
            const QString kelvin = Utf8(panel.SlotText(pair.Kelvin));
            const QString celsius = Utf8(panel.SlotText(pair.Celsius));
            const QString context = QStringLiteral("%1 %2=\"%3\" %4=\"%5\"")
                                        .arg(n)
                                        .arg(Utf8(SlotName(pair.Kelvin)), kelvin, Utf8(SlotName(pair.Celsius)), celsius);
            QVERIFY2(!kelvin.endsWith('~'), qPrintable(context));
            if (pair.NoValue) {
                QVERIFY2(kelvin == "-" && celsius == "-", qPrintable(context));
                continue;
            }
            QVERIFY2(numberText.match(celsius).hasMatch(), qPrintable(context));
            QString digits = celsius;
            digits.remove('-').remove('.');
            while (digits.startsWith('0') && digits.size() > 1) digits.remove(0, 1);
            QVERIFY2(digits.size() <= 15, qPrintable(context));
        }
    }
}

void SelectionTest::secondConversionChangesNothing() {
    for (int n = 1; n <= ElementCount; ++n) {
        PropertyPanel panel;
        SelectElement(panel, n);
        const PanelTexts once = textsOf(panel);
        UpdateCelsiusValues(panel);
        const QString differences = difference(textsOf(panel), once);
        QVERIFY2(differences.isEmpty(), qPrintable(QStringLiteral("%1: ").arg(n) + differences));
    }
}

void SelectionTest::catalogueUnchangedThroughThePanel() {
    const auto catalogueTexts = [] {
        QStringList texts;
        for (int n = 1; n <= ElementCount; ++n) {
            const auto& r = ElementAt(n);
            texts << Utf8(r.AtomicNumber) << Utf8(r.Name) << Utf8(r.Symbol) << Utf8(r.AtomicWeight) << Utf8(r.BoilingPointK)
                  << Utf8(r.MeltingPointK) << Utf8(r.Density) << Utf8(r.Valence);
            for (const auto& entry : r.Configuration) texts << Utf8(entry.Subshell) << Utf8(entry.Electrons);
        }
        return texts;
    };
    const QStringList before = catalogueTexts();

    PropertyPanel panel;
    for (int n = 1; n <= ElementCount; ++n) {
        SelectElement(panel, n);
        fill(panel, "changed~");
        UpdateCelsiusValues(panel);
        panel.ClearPanel();
    }
    QCOMPARE(catalogueTexts(), before);
    QCOMPARE(Utf8(ElementAt(6).MeltingPointK), QStringLiteral("4100~"));
}

// The conversions of telling records: the kelvin text of the record, what
// the kelvin slot shows after the conversion, and the Celsius slot.
void SelectionTest::conversions_data() {
    QTest::addColumn<int>("record");
    QTest::addColumn<bool>("melting");
    QTest::addColumn<QString>("recordText");
    QTest::addColumn<QString>("kelvin");
    QTest::addColumn<QString>("celsius");

    const auto row = [](const char* name, int record, bool melting, const char* recordText, const char* kelvin,
                        const char* celsius) {
        QTest::newRow(name) << record << melting << recordText << kelvin << celsius;
    };
    row("1 melting: below the exact 15-digit value", 1, true, "14.025", "14.025", "-259.135");
    row("1 boiling", 1, false, "20.268", "20.268", "-252.892");
    row("2 melting: lowest result", 2, true, "0.95", "0.95", "-272.21");
    row("6 melting: marker removed", 6, true, "4100~", "4100", "3826.84");
    row("6 boiling: marker removed", 6, false, "4470~", "4470", "4196.84");
    row("11 melting: .0 kept in the kelvin slot", 11, true, "371.0", "371.0", "97.84");
    row("16 melting: trailing zero dropped", 16, true, "388.36", "388.36", "115.2");
    row("17 melting: whole number, no point", 17, true, "172.16", "172.16", "-101");
    row("26 melting", 26, true, "1809", "1809", "1535.84");
    row("26 boiling", 26, false, "3135", "3135", "2861.84");
    row("35 melting: 15 digits of the double", 35, true, "265.90", "265.90", "-7.26000000000005");
    row("75 boiling: highest result", 75, false, "5869", "5869", "5595.84");
    row("85 boiling: marker removed, digits kept", 85, false, "610.0~", "610.0", "336.84");
    row("89 boiling: marker removed", 89, false, "3473~", "3473", "3199.84");
    row("98 melting: marker removed", 98, true, "900~", "900", "626.84");
    row("98 boiling: no value beside a converted melting", 98, false, "-", "-", "-");
    row("93 boiling: no value", 93, false, "-", "-", "-");
    row("118 melting: no value", 118, true, "-", "-", "-");
}

void SelectionTest::conversions() {
    QFETCH(int, record);
    QFETCH(bool, melting);
    QFETCH(QString, recordText);
    QFETCH(QString, kelvin);
    QFETCH(QString, celsius);

    const auto& r = ElementAt(record);
    QCOMPARE(Utf8(melting ? r.MeltingPointK : r.BoilingPointK), recordText);

    PropertyPanel panel;
    SelectElement(panel, record);
    QCOMPARE(Utf8(panel.SlotText(melting ? PanelSlot::Label39 : PanelSlot::Label26)), kelvin);
    QCOMPARE(Utf8(panel.SlotText(melting ? PanelSlot::Label49 : PanelSlot::Label50)), celsius);
}

void SelectionTest::conversionsUnderGermanLocale_data() { conversions_data(); }

void SelectionTest::conversionsUnderGermanLocale() {
    const GlobalLocale german(GermanLocale);
    QVERIFY2(german.Active(), qPrintable(germanLocaleMissing()));
    QCOMPARE(QByteArray(std::localeconv()->decimal_point), QByteArray(","));
    QCOMPARE(std::use_facet<std::numpunct<char>>(std::locale()).decimal_point(), ',');
    conversions();
}

// Kelvin texts the catalogue never holds, written into both kelvin slots of
// a panel showing iron: the conversion survives each, removes one final "~",
// and touches no slot but the four of the conversion.
void SelectionTest::oddKelvinTexts_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("kelvin");
    QTest::addColumn<QByteArray>("celsius");

    const QByteArray huge(400, '9');
    QTest::newRow("empty") << QByteArray() << QByteArray() << QByteArray("-");
    QTest::newRow("leading blank") << QByteArray(" 12") << QByteArray(" 12") << QByteArray("-");
    QTest::newRow("trailing blank") << QByteArray("12 ") << QByteArray("12 ") << QByteArray("-");
    QTest::newRow("point without fraction") << QByteArray("12.") << QByteArray("12.") << QByteArray("-");
    QTest::newRow("fraction without integer") << QByteArray(".5") << QByteArray(".5") << QByteArray("-");
    QTest::newRow("exponent") << QByteArray("1e5") << QByteArray("1e5") << QByteArray("-");
    QTest::newRow("minus sign") << QByteArray("-5") << QByteArray("-5") << QByteArray("-");
    QTest::newRow("decimal comma") << QByteArray("1,5") << QByteArray("1,5") << QByteArray("-");
    QTest::newRow("marker alone") << QByteArray("~") << QByteArray() << QByteArray("-");
    QTest::newRow("two markers: one removed") << QByteArray("12~~") << QByteArray("12~") << QByteArray("-");
    QTest::newRow("marker before no-value") << QByteArray("~-") << QByteArray("~-") << QByteArray("-");
    QTest::newRow("infinity") << QByteArray("inf") << QByteArray("inf") << QByteArray("-");
    QTest::newRow("400 digits: beyond double") << huge << huge << QByteArray("-");
    QTest::newRow("400 digits with marker") << huge + '~' << huge << QByteArray("-");
    QTest::newRow("number with marker") << QByteArray("12~") << QByteArray("12") << QByteArray("-261.16");
    QTest::newRow("zero") << QByteArray("0") << QByteArray("0") << QByteArray("-273.16");
}

void SelectionTest::oddKelvinTexts() {
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, kelvin);
    QFETCH(QByteArray, celsius);

    PropertyPanel panel;
    SelectElement(panel, 26);
    panel.SetSlot(PanelSlot::Label39, text.toStdString());
    panel.SetSlot(PanelSlot::Label26, text.toStdString());
    PanelTexts expected = textsOf(panel);

    UpdateCelsiusValues(panel);

    const auto at = [](PanelSlot slot) { return static_cast<std::size_t>(slot); };
    expected[at(PanelSlot::Label39)] = expected[at(PanelSlot::Label26)] = QString::fromUtf8(kelvin);
    expected[at(PanelSlot::Label49)] = expected[at(PanelSlot::Label50)] = QString::fromUtf8(celsius);
    const QString differences = difference(textsOf(panel), expected);
    QVERIFY2(differences.isEmpty(), qPrintable(differences.left(500)));
}

void SelectionTest::textToDouble_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<double>("value");

    const auto accept = [](const char* name, const QByteArray& text, double value) {
        QTest::newRow(name) << text << true << value;
    };
    const auto reject = [](const char* name, const QByteArray& text) { QTest::newRow(name) << text << false << 0.0; };

    accept("zero", "0", 0.0);
    accept("whole number", "1809", 1809.0);
    accept("leading zeros", "007", 7.0);
    accept("fraction", "14.025", 14.025);
    accept("fraction ending in zero", "610.0", 610.0);
    accept("below one", "0.95", 0.95);
    accept("tie rounds to even", "9007199254740993", 9007199254740992.0);
    accept("more digits than a double holds", "3.14159265358979323846264338327950288", 3.14159265358979323846);
    accept("400 fraction digits", "0.1" + QByteArray(398, '0'), 0.1);
    accept("301 digits, still finite", "1" + QByteArray(300, '0'), 1e300);
    accept("subnormal", "0." + QByteArray(320, '0') + "1", 1e-321);

    reject("empty", "");
    reject("leading blank", " 12");
    reject("trailing blank", "12 ");
    reject("point without fraction", "12.");
    reject("fraction without integer", ".5");
    reject("two points", "1.2.3");
    reject("exponent", "1e5");
    reject("capital exponent", "1E5");
    reject("minus sign", "-5");
    reject("plus sign", "+5");
    reject("decimal comma", "1,5");
    reject("digit grouping", "1 809");
    reject("estimate marker", "12~");
    reject("no-value marker", "-");
    reject("hexadecimal", "0x1A");
    reject("infinity", "inf");
    reject("not a number", "nan");
    reject("Arabic-Indic digits", "\u0661\u0662");
    reject("400 digits: overflows", QByteArray(400, '9'));
    reject("too small to tell from zero", "0." + QByteArray(400, '0') + "1");
}

void SelectionTest::textToDouble() {
    QFETCH(QByteArray, text);
    QFETCH(bool, accepted);
    QFETCH(double, value);

    const std::optional<double> result = TextToDouble(std::string_view(text.constData(), text.size()));
    QCOMPARE(result.has_value(), accepted);
    if (accepted)
        QVERIFY2(*result == value, qPrintable(shortest(*result) + " instead of " + shortest(value)));
}

void SelectionTest::textToDoubleUnderGermanLocale_data() { textToDouble_data(); }

void SelectionTest::textToDoubleUnderGermanLocale() {
    const GlobalLocale german(GermanLocale);
    QVERIFY2(german.Active(), qPrintable(germanLocaleMissing()));
    QCOMPARE(QByteArray(std::localeconv()->decimal_point), QByteArray(","));
    textToDouble();
}

void SelectionTest::doubleToText_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    const auto row = [](const char* name, double value, const QString& text) { QTest::newRow(name) << value << text; };
    row("zero", 0.0, "0");
    row("negative zero", -0.0, "0");
    row("one", 1.0, "1");
    row("minus one", -1.0, "-1");
    row("hydrogen melting", 14.025 - KelvinOffset, "-259.135");
    row("helium melting", 0.95 - KelvinOffset, "-272.21");
    row("sulfur melting", 388.36 - KelvinOffset, "115.2");
    row("chlorine melting", 172.16 - KelvinOffset, "-101");
    row("bromine melting", 265.90 - KelvinOffset, "-7.26000000000005");
    row("iron melting", 1809.0 - KelvinOffset, "1535.84");
    row("sum that is not 0.3", 0.1 + 0.2, "0.3");
    row("one third", 1.0 / 3.0, "0.333333333333333");
    row("two thirds: last digit rounded up", 2.0 / 3.0, "0.666666666666667");
    row("rounding carries into a new digit", 0.9999999999999999, "1");
    row("rounding carries to 1e15", 999999999999999.75, "1000000000000000");
    row("1e15", 1e15, "1000000000000000");
    row("1e20", 1e20, "100000000000000000000");
    row("18 digits rounded to 15", 123456789012345678.0, "123456789012346000");
    row("0.0001", 0.0001, "0.0001");
    row("rounding carries to 0.0001", 0.00009999999999999995, "0.0001");
    row("1.5e-7", 1.5e-7, "0.00000015");
    row("-1.5e-7", -1.5e-7, "-0.00000015");
    row("largest double", std::numeric_limits<double>::max(), "179769313486232" + QString(294, '0'));
    row("smallest subnormal", std::numeric_limits<double>::denorm_min(), "0." + QString(323, '0') + "494065645841247");
}

void SelectionTest::doubleToText() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(Utf8(DoubleToText(value)), text);
}

void SelectionTest::doubleToTextRefusesNonFiniteValues() {
    QVERIFY_THROWS_EXCEPTION(std::domain_error, DoubleToText(std::numeric_limits<double>::infinity()));
    QVERIFY_THROWS_EXCEPTION(std::domain_error, DoubleToText(-std::numeric_limits<double>::infinity()));
    QVERIFY_THROWS_EXCEPTION(std::domain_error, DoubleToText(std::numeric_limits<double>::quiet_NaN()));
}

QTEST_APPLESS_MAIN(SelectionTest)
#include "tst_selection.moc"
