// SPDX-License-Identifier: MIT
// The element catalogue: the notation of every text, the records the chart
// relies on, and the electron configurations of all 118 records.

#include <QRegularExpression>
#include <QStringList>
#include <QTest>

#include <array>
#include <charconv>
#include <climits>
#include <string>
#include <string_view>
#include <system_error>

#include "TestText.h"
#include "ElementCatalog.h"

using karvelo::catalogue::ElectronConfiguration;
using karvelo::catalogue::ElementAt;
using karvelo::catalogue::ElementCount;
using karvelo::catalogue::ElementRecord;
using karvelo::catalogue::ShellEntryCount;

using karvelo::tests::DecimalText;
using karvelo::tests::Utf8;

namespace {

int toInt(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    int value = -1;
    const auto [end, error] = std::from_chars(bytes.constData(), bytes.constData() + bytes.size(), value);
    return error == std::errc{} && end == bytes.constData() + bytes.size() ? value : -1;
}

// The eight text fields in record order, with the names the tests report.
enum Field { AtomicNumber, Name, Symbol, AtomicWeight, BoilingPointK, MeltingPointK, Density, Valence };
constexpr int TextFieldCount = 8;
const char* const FieldNames[TextFieldCount] = {"AtomicNumber",  "Name",          "Symbol",  "AtomicWeight",
                                                "BoilingPointK", "MeltingPointK", "Density", "Valence"};

std::string_view text(const ElementRecord& record, int field) {
    switch (field) {
    case AtomicNumber: return record.AtomicNumber;
    case Name: return record.Name;
    case Symbol: return record.Symbol;
    case AtomicWeight: return record.AtomicWeight;
    case BoilingPointK: return record.BoilingPointK;
    case MeltingPointK: return record.MeltingPointK;
    case Density: return record.Density;
    default: return record.Valence;
    }
}

const QStringList DisplayOrder = QStringLiteral("1s 2s 2p 3s 3p 3d 4s 4p 4d 4f 5s 5p 5d 5f 6s 6p 6d 7s").split(' ');

int capacity(const QString& subshell) {
    switch (subshell.back().toLatin1()) {
    case 's': return 2;
    case 'p': return 6;
    case 'd': return 10;
    case 'f': return 14;
    default: return 0;
    }
}

// "1s2 2s2 2p6": the filled entries, subshell then count, blank-separated.
QString compact(const ElectronConfiguration& configuration) {
    QStringList entries;
    for (const auto& entry : configuration)
        if (!entry.IsEmpty()) entries << Utf8(entry.Subshell) + Utf8(entry.Electrons);
    return entries.join(' ');
}

// Empty when the configuration is exactly `expected` (compact form) followed
// by empty entries; otherwise the first difference.
QString configurationDifference(const ElectronConfiguration& configuration, const QString& expected) {
    const QStringList entries = expected.split(' ', Qt::SkipEmptyParts);
    for (std::size_t i = 0; i < ShellEntryCount; ++i) {
        const qsizetype k = static_cast<qsizetype>(i);
        const QString subshell = k < entries.size() ? entries[k].left(2) : QString();
        const QString count = k < entries.size() ? entries[k].mid(2) : QString();
        const auto& entry = configuration[i];
        if (Utf8(entry.Subshell) != subshell || Utf8(entry.Electrons) != count)
            return QStringLiteral("entry %1 is (\"%2\", \"%3\"), expected (\"%4\", \"%5\"); whole: %6")
                .arg(DecimalText(k + 1), Utf8(entry.Subshell), Utf8(entry.Electrons), subshell, count, compact(configuration));
    }
    return {};
}

QString where(int record, int field) { return DecimalText(record) + ' ' + FieldNames[field]; }

} // namespace

class ElementCatalogTest : public QObject {
    Q_OBJECT

private slots:
    void textsFollowTheNotation_data();
    void textsFollowTheNotation();
    void atomicNumbersAreTheRecordNumbers();
    void valencesAscend();
    void longestTextHasThirteenCharacters();
    void markersStandInTheirRecords_data();
    void markersStandInTheirRecords();
    void recordsHoldTheirTexts_data();
    void recordsHoldTheirTexts();
    void configurationsKeepTheirInvariants();
    void configurations_data();
    void configurations();
    void departures_data();
    void departures();
    void numbersOutsideTheTableGiveNoValues_data();
    void numbersOutsideTheTableGiveNoValues();
};

// One pattern per field, walked over all 118 records. The patterns say where
// each marker may stand: "-" only as the whole text, "~" only last in the
// kelvin and density texts, "†" only last in a density, brackets only around
// a weight.
void ElementCatalogTest::textsFollowTheNotation_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("pattern");

    const QString number = QStringLiteral("[0-9]+(\\.[0-9]+)?");
    QTest::newRow("AtomicNumber: digits without leading zero") << int(AtomicNumber) << QStringLiteral("-|[1-9][0-9]*");
    QTest::newRow("Name: one capitalised word") << int(Name) << QStringLiteral("-|[A-Z][a-z]+");
    QTest::newRow("Symbol: one to three letters") << int(Symbol) << QStringLiteral("-|[A-Z][a-z]{0,2}");
    QTest::newRow("AtomicWeight: number, maybe bracketed")
        << int(AtomicWeight) << QStringLiteral("-|%1|\\(%1\\)").arg(number);
    QTest::newRow("BoilingPointK: number, maybe final ~") << int(BoilingPointK) << QStringLiteral("-|%1~?").arg(number);
    QTest::newRow("MeltingPointK: number, maybe final ~") << int(MeltingPointK) << QStringLiteral("-|%1~?").arg(number);
    QTest::newRow("Density: number, maybe final ~ or \u2020")
        << int(Density) << QStringLiteral("-|%1(~|\u2020)?").arg(number);
    QTest::newRow("Valence: integers separated by comma and blank")
        << int(Valence) << QStringLiteral("-|[0-9]+(, [0-9]+)*");
}

void ElementCatalogTest::textsFollowTheNotation() {
    QFETCH(int, field);
    QFETCH(QString, pattern);
    const QRegularExpression form(QRegularExpression::anchoredPattern(pattern));
    QVERIFY(form.isValid());
    for (int n = 1; n <= ElementCount; ++n) {
        const QString value = Utf8(text(ElementAt(n), field));
        QVERIFY2(form.match(value).hasMatch(), qPrintable(where(n, field) + ": \"" + value + '"'));
    }
}

void ElementCatalogTest::atomicNumbersAreTheRecordNumbers() {
    for (int n = 1; n <= ElementCount; ++n) {
        const bool unknown = n == 113 || n == 115 || n == 117;
        QCOMPARE(Utf8(ElementAt(n).AtomicNumber), unknown ? QStringLiteral("-") : DecimalText(n));
    }
}

void ElementCatalogTest::valencesAscend() {
    for (int n = 1; n <= ElementCount; ++n) {
        const QString valence = Utf8(ElementAt(n).Valence);
        if (valence == "-") continue;
        int previous = -1;
        for (const QString& part : valence.split(QStringLiteral(", "))) {
            const int value = toInt(part);
            QVERIFY2(value > previous, qPrintable(where(n, Valence) + ": \"" + valence + '"'));
            previous = value;
        }
    }
}

void ElementCatalogTest::longestTextHasThirteenCharacters() {
    qsizetype longest = 0;
    QStringList longestTexts;
    for (int n = 1; n <= ElementCount; ++n) {
        for (int field = 0; field < TextFieldCount; ++field) {
            const QString value = Utf8(text(ElementAt(n), field));
            QVERIFY2(!value.isEmpty(), qPrintable(where(n, field)));
            if (value.size() > longest) {
                longest = value.size();
                longestTexts.clear();
            }
            if (value.size() == longest) longestTexts << value;
        }
    }
    QCOMPARE(longest, 13);
    QVERIFY(longestTexts.contains("Rutherfordium"));
    QVERIFY(longestTexts.contains("1, 2, 3, 4, 5"));
}

// Where each marker occurs, walked over every field of every record: a
// marker missing from a record or added to another shows up here.
void ElementCatalogTest::markersStandInTheirRecords_data() {
    QTest::addColumn<QString>("marker");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("estimate marker") << QStringLiteral("~")
                                     << QStringList{"6 BoilingPointK",  "6 MeltingPointK", "85 BoilingPointK",
                                                    "89 BoilingPointK", "97 Density",      "98 MeltingPointK"};

    QStringList gas;
    for (int n : {1, 2, 7, 8, 9, 10, 18, 36, 54}) gas << where(n, Density);
    QTest::newRow("gas marker") << QStringLiteral("\u2020") << gas;

    QStringList isotope;
    for (int n : {43, 61}) isotope << where(n, AtomicWeight);
    for (int n = 84; n <= 89; ++n) isotope << where(n, AtomicWeight);
    for (int n = 93; n <= 110; ++n) isotope << where(n, AtomicWeight);
    isotope << where(112, AtomicWeight);
    QTest::newRow("isotope brackets") << QStringLiteral("(") << isotope;
}

void ElementCatalogTest::markersStandInTheirRecords() {
    QFETCH(QString, marker);
    QFETCH(QStringList, expected);
    QStringList found;
    for (int n = 1; n <= ElementCount; ++n)
        for (int field = 0; field < TextFieldCount; ++field)
            if (Utf8(text(ElementAt(n), field)).contains(marker)) found << where(n, field);
    QCOMPARE(found, expected);
}

void ElementCatalogTest::recordsHoldTheirTexts_data() {
    QTest::addColumn<int>("record");
    QTest::addColumn<QStringList>("texts");

    const auto row = [](const char* name, int record, QStringList texts) {
        QTest::newRow(name) << record << texts;
    };
    row("1 hydrogen", 1, {"1", "Hydrogen", "H", "1.00794", "20.268", "14.025", "0.0899\u2020", "1"});
    row("2 helium: melting point below 1 K", 2, {"2", "Helium", "He", "4.002602", "4.215", "0.95", "0.1787\u2020", "0"});
    row("6 carbon: both kelvin values estimated", 6, {"6", "Carbon", "C", "12.011", "4470~", "4100~", "2.62", "2, 4"});
    row("9 fluorine: seven decimals", 9, {"9", "Fluorine", "F", "18.9984032", "84.95", "53.48", "1.696\u2020", "1"});
    row("11 sodium: melting ends in .0", 11, {"11", "Sodium", "Na", "22.989768", "1156", "371.0", "0.97", "1"});
    row("12 magnesium: weight keeps its zero", 12, {"12", "Magnesium", "Mg", "24.3050", "1363", "922", "1.74", "2"});
    row("17 chlorine: gas without marker", 17, {"17", "Chlorine", "Cl", "35.4527", "239.1", "172.16", "3.17", "1, 3, 5, 7"});
    row("21 scandium", 21, {"21", "Scandium", "Sc", "44.955910", "3104", "1812", "3.00", "3"});
    row("45 rhodium", 45, {"45", "Rhodium", "Rh", "102.90550", "3970", "2236", "12.4", "2, 3, 4"});
    row("85 astatine: estimated boiling, no density", 85,
        {"85", "Astatine", "At", "(210.0)", "610.0~", "575", "-", "1, 3, 5, 7"});
    row("86 radon: gas without marker", 86, {"86", "Radon", "Rn", "(222)", "211", "202", "9.91", "0"});
    row("87 francium", 87, {"87", "Francium", "Fr", "(223)", "950.0", "300.0", "-", "1"});
    row("88 radium: whole-number density", 88, {"88", "Radium", "Ra", "(226.025)", "1809", "973", "5", "2"});
    row("90 thorium: plain weight", 90, {"90", "Thorium", "Th", "232.0381", "5061", "2028", "11.7", "4"});
    row("91 protactinium: no kelvin values", 91,
        {"91", "Protactinium", "Pa", "231.03588", "-", "-", "15.4", "4, 5"});
    row("93 neptunium: melting only", 93, {"93", "Neptunium", "Np", "(237.048)", "-", "910.0", "20.4", "3, 4, 5, 6"});
    row("97 berkelium: estimated density", 97, {"97", "Berkelium", "Bk", "(247)", "-", "-", "14~", "3, 4"});
    row("98 californium: estimated melting", 98, {"98", "Californium", "Cf", "(251)", "-", "900~", "-", "3"});
    row("104 rutherfordium", 104, {"104", "Rutherfordium", "Rf", "(261)", "-", "-", "-", "-"});
    row("110 ununnilium", 110, {"110", "Ununnilium", "Uun", "(272)", "-", "-", "-", "-"});
    row("111", 111, {"111", "-", "-", "-", "-", "-", "-", "-"});
    row("112: weight only", 112, {"112", "-", "-", "(277)", "-", "-", "-", "-"});
    row("113: nothing known", 113, {"-", "-", "-", "-", "-", "-", "-", "-"});
    row("114: symbol only", 114, {"114", "-", "Uuq", "-", "-", "-", "-", "-"});
    row("115: nothing known", 115, {"-", "-", "-", "-", "-", "-", "-", "-"});
    row("116", 116, {"116", "-", "-", "-", "-", "-", "-", "-"});
    row("117: nothing known", 117, {"-", "-", "-", "-", "-", "-", "-", "-"});
    row("118 ununoctium", 118, {"118", "Ununoctium", "Uuo", "-", "-", "-", "-", "-"});
}

void ElementCatalogTest::recordsHoldTheirTexts() {
    QFETCH(int, record);
    QFETCH(QStringList, texts);
    QCOMPARE(texts.size(), TextFieldCount);
    QStringList actual;
    for (int field = 0; field < TextFieldCount; ++field) actual << Utf8(text(ElementAt(record), field));
    QCOMPARE(actual, texts);
}

// Over all 118 records: filled entries first, in display order, each
// subshell once, counts from 1 to the capacity adding up to the atomic
// number; no entries at all from 111 on.
void ElementCatalogTest::configurationsKeepTheirInvariants() {
    const QRegularExpression countForm(QStringLiteral("^[1-9][0-9]?$"));
    for (int n = 1; n <= ElementCount; ++n) {
        const ElectronConfiguration& configuration = ElementAt(n).Configuration;
        const QString context = DecimalText(n) + ": " + compact(configuration);
        qsizetype previousPosition = -1;
        int total = 0;
        bool emptySeen = false;
        for (const auto& entry : configuration) {
            QVERIFY2(entry.Subshell.empty() == entry.Electrons.empty(), qPrintable(context));
            if (entry.IsEmpty()) {
                emptySeen = true;
                continue;
            }
            QVERIFY2(!emptySeen, qPrintable(context + " (gap before a filled entry)"));
            const QString subshell = Utf8(entry.Subshell);
            const QString count = Utf8(entry.Electrons);
            const qsizetype position = DisplayOrder.indexOf(subshell);
            QVERIFY2(position > previousPosition, qPrintable(context + " (order or repeat at " + subshell + ')'));
            previousPosition = position;
            QVERIFY2(countForm.match(count).hasMatch(), qPrintable(context));
            QVERIFY2(toInt(count) <= capacity(subshell), qPrintable(context + " (over capacity)"));
            total += toInt(count);
        }
        QCOMPARE(total, n <= 110 ? n : 0);
    }
}

void ElementCatalogTest::configurations_data() {
    QTest::addColumn<int>("record");
    QTest::addColumn<QString>("expected");

    QTest::newRow("26 iron") << 26 << "1s2 2s2 2p6 3s2 3p6 3d6 4s2";
    QTest::newRow("46 palladium: no 5s") << 46 << "1s2 2s2 2p6 3s2 3p6 3d10 4s2 4p6 4d10";
    QTest::newRow("64 gadolinium") << 64 << "1s2 2s2 2p6 3s2 3p6 3d10 4s2 4p6 4d10 4f7 5s2 5p6 5d1 6s2";
    QTest::newRow("110 ununnilium: all 18 filled")
        << 110 << "1s2 2s2 2p6 3s2 3p6 3d10 4s2 4p6 4d10 4f14 5s2 5p6 5d10 5f14 6s2 6p6 6d8 7s2";

    QTest::newRow("1 hydrogen") << 1 << "1s1";
    QTest::newRow("2 helium") << 2 << "1s2";
    QTest::newRow("19 potassium: 4s before any 3d") << 19 << "1s2 2s2 2p6 3s2 3p6 4s1";
    QTest::newRow("21 scandium: 3d listed before 4s") << 21 << "1s2 2s2 2p6 3s2 3p6 3d1 4s2";
    QTest::newRow("45 rhodium: ends 5s1") << 45 << "1s2 2s2 2p6 3s2 3p6 3d10 4s2 4p6 4d8 5s1";
    QTest::newRow("47 silver: ends 5s1") << 47 << "1s2 2s2 2p6 3s2 3p6 3d10 4s2 4p6 4d10 5s1";
    QTest::newRow("57 lanthanum: 5d, no 4f") << 57 << "1s2 2s2 2p6 3s2 3p6 3d10 4s2 4p6 4d10 5s2 5p6 5d1 6s2";
    QTest::newRow("58 cerium: 4f, no 5d") << 58 << "1s2 2s2 2p6 3s2 3p6 3d10 4s2 4p6 4d10 4f2 5s2 5p6 6s2";
    QTest::newRow("90 thorium: 6d, no 5f")
        << 90 << "1s2 2s2 2p6 3s2 3p6 3d10 4s2 4p6 4d10 4f14 5s2 5p6 5d10 6s2 6p6 6d2 7s2";
    QTest::newRow("94 plutonium: 5f, no 6d")
        << 94 << "1s2 2s2 2p6 3s2 3p6 3d10 4s2 4p6 4d10 4f14 5s2 5p6 5d10 5f6 6s2 6p6 7s2";
    QTest::newRow("103 lawrencium: 5f14 and 6d1")
        << 103 << "1s2 2s2 2p6 3s2 3p6 3d10 4s2 4p6 4d10 4f14 5s2 5p6 5d10 5f14 6s2 6p6 6d1 7s2";
    QTest::newRow("111: none") << 111 << "";
    QTest::newRow("118: none") << 118 << "";
}

void ElementCatalogTest::configurations() {
    QFETCH(int, record);
    QFETCH(QString, expected);
    const QString difference = configurationDifference(ElementAt(record).Configuration, expected);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

// The records whose configuration departs from the filling: the two
// subshells each one names, with 0 meaning no entry for it.
void ElementCatalogTest::departures_data() {
    QTest::addColumn<int>("record");
    QTest::addColumn<QString>("firstSubshell");
    QTest::addColumn<int>("firstCount");
    QTest::addColumn<QString>("secondSubshell");
    QTest::addColumn<int>("secondCount");

    const auto row = [](const char* element, int record, const char* first, int firstCount, const char* second,
                        int secondCount) {
        QTest::addRow("%d %s", record, element) << record << first << firstCount << second << secondCount;
    };
    row("Cr", 24, "3d", 5, "4s", 1);
    row("Cu", 29, "3d", 10, "4s", 1);
    row("Nb", 41, "4d", 4, "5s", 1);
    row("Mo", 42, "4d", 5, "5s", 1);
    row("Ru", 44, "4d", 7, "5s", 1);
    row("Rh", 45, "4d", 8, "5s", 1);
    row("Pd", 46, "4d", 10, "5s", 0);
    row("Ag", 47, "4d", 10, "5s", 1);
    row("La", 57, "4f", 0, "5d", 1);
    row("Gd", 64, "4f", 7, "5d", 1);
    row("Pt", 78, "5d", 9, "6s", 1);
    row("Au", 79, "5d", 10, "6s", 1);
    row("Ac", 89, "5f", 0, "6d", 1);
    row("Th", 90, "5f", 0, "6d", 2);
    row("Pa", 91, "5f", 2, "6d", 1);
    row("U", 92, "5f", 3, "6d", 1);
    row("Np", 93, "5f", 4, "6d", 1);
    row("Cm", 96, "5f", 7, "6d", 1);
}

void ElementCatalogTest::departures() {
    QFETCH(int, record);
    QFETCH(QString, firstSubshell);
    QFETCH(int, firstCount);
    QFETCH(QString, secondSubshell);
    QFETCH(int, secondCount);

    const auto countOf = [record](const QString& subshell) {
        for (const auto& entry : ElementAt(record).Configuration)
            if (Utf8(entry.Subshell) == subshell) return toInt(Utf8(entry.Electrons));
        return 0;
    };
    QCOMPARE(countOf(firstSubshell), firstCount);
    QCOMPARE(countOf(secondSubshell), secondCount);
}

void ElementCatalogTest::numbersOutsideTheTableGiveNoValues_data() {
    QTest::addColumn<int>("number");
    QTest::newRow("0") << 0;
    QTest::newRow("-1") << -1;
    QTest::newRow("119") << 119;
    QTest::newRow("INT_MIN") << INT_MIN;
    QTest::newRow("INT_MAX") << INT_MAX;
}

void ElementCatalogTest::numbersOutsideTheTableGiveNoValues() {
    QFETCH(int, number);
    const ElementRecord& record = ElementAt(number);
    for (int field = 0; field < TextFieldCount; ++field) QCOMPARE(Utf8(text(record, field)), QStringLiteral("-"));
    QCOMPARE(compact(record.Configuration), QString());
    for (const auto& entry : record.Configuration) QVERIFY(entry.Electrons.empty());
}

QTEST_APPLESS_MAIN(ElementCatalogTest)
#include "tst_elementcatalog.moc"
