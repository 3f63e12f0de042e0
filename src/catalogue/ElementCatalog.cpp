// SPDX-License-Identifier: MIT
#include "ElementCatalog.h"

#include <array>
#include <initializer_list>
#include <iterator>
#include <string_view>

#include "Configurations.h"

namespace karvelo::catalogue {
namespace {

using configurations::ConfigurationOf;
using configurations::ConfiguredCount;

constexpr std::string_view NoValue = "-";
static_assert(std::string_view("†") == "\xE2\x80\xA0", "texts are UTF-8: the gas marker is three bytes");

// The eight text fields of one record, exactly as the Properties frame shows them.
struct PropertyRow {
    int Record;
    std::string_view AtomicNumber;
    std::string_view Name;
    std::string_view Symbol;
    std::string_view AtomicWeight;
    std::string_view BoilingPointK;
    std::string_view MeltingPointK;
    std::string_view Density;
    std::string_view Valence;
};

constexpr PropertyRow PropertyTable[] = {
    // Record, AtomicNumber, Name, Symbol, AtomicWeight, BoilingPointK, MeltingPointK, Density, Valence
    {  1, "1",   "Hydrogen",      "H",   "1.00794",    "20.268", "14.025",  "0.0899†", "1"},
    {  2, "2",   "Helium",        "He",  "4.002602",   "4.215",  "0.95",    "0.1787†", "0"},
    {  3, "3",   "Lithium",       "Li",  "6.941",      "1615",   "453.7",   "0.53",    "1"},
    {  4, "4",   "Beryllium",     "Be",  "9.012182",   "2745",   "1560",    "1.85",    "2"},
    {  5, "5",   "Boron",         "B",   "10.811",     "4275",   "2300",    "2.34",    "3"},
    {  6, "6",   "Carbon",        "C",   "12.011",     "4470~",  "4100~",   "2.62",    "2, 4"},
    {  7, "7",   "Nitrogen",      "N",   "14.00674",   "77.35",  "63.14",   "1.251†",  "1, 2, 3, 4, 5"},
    {  8, "8",   "Oxygen",        "O",   "15.9994",    "90.18",  "50.35",   "1.429†",  "2"},
    {  9, "9",   "Fluorine",      "F",   "18.9984032", "84.95",  "53.48",   "1.696†",  "1"},
    { 10, "10",  "Neon",          "Ne",  "20.1797",    "27.096", "24.553",  "0.901†",  "0"},
    { 11, "11",  "Sodium",        "Na",  "22.989768",  "1156",   "371.0",   "0.97",    "1"},
    { 12, "12",  "Magnesium",     "Mg",  "24.3050",    "1363",   "922",     "1.74",    "2"},
    { 13, "13",  "Aluminum",      "Al",  "26.981539",  "2793",   "933.25",  "2.70",    "3"},
    { 14, "14",  "Silicon",       "Si",  "28.0855",    "3540",   "1685",    "2.33",    "4"},
    { 15, "15",  "Phosphorus",    "P",   "30.97362",   "550",    "317.30",  "1.82",    "3, 4, 5"},
    { 16, "16",  "Sulfur",        "S",   "32.066",     "717.82", "388.36",  "2.07",    "2, 4, 6"},
    { 17, "17",  "Chlorine",      "Cl",  "35.4527",    "239.1",  "172.16",  "3.17",    "1, 3, 5, 7"},
    { 18, "18",  "Argon",         "Ar",  "39.948",     "87.30",  "83.81",   "1.784†",  "0"},
    { 19, "19",  "Potassium",     "K",   "39.0983",    "1032",   "336.35",  "0.86",    "1"},
    { 20, "20",  "Calcium",       "Ca",  "40.078",     "1757",   "1112",    "1.55",    "2"},
    { 21, "21",  "Scandium",      "Sc",  "44.955910",  "3104",   "1812",    "3.00",    "3"},
    { 22, "22",  "Titanium",      "Ti",  "47.88",      "3562",   "1943",    "4.50",    "2, 3, 4"},
    { 23, "23",  "Vanadium",      "V",   "50.9415",    "3682",   "2175",    "5.8",     "2, 3, 4, 5"},
    { 24, "24",  "Chromium",      "Cr",  "51.9961",    "2945",   "2130",    "7.19",    "2, 3, 6"},
    { 25, "25",  "Manganese",     "Mn",  "54.93805",   "2235",   "1517",    "7.43",    "2, 3, 4, 6, 7"},
    { 26, "26",  "Iron",          "Fe",  "55.847",     "3135",   "1809",    "7.86",    "2, 3"},
    { 27, "27",  "Cobalt",        "Co",  "58.93320",   "3201",   "1768",    "8.90",    "2, 3"},
    { 28, "28",  "Nickel",        "Ni",  "58.69",      "3187",   "1726",    "8.90",    "2, 3"},
    { 29, "29",  "Copper",        "Cu",  "63.546",     "2836",   "1357.6",  "8.96",    "1, 2"},
    { 30, "30",  "Zinc",          "Zn",  "65.39",      "1180",   "692.73",  "7.14",    "2"},
    { 31, "31",  "Gallium",       "Ga",  "69.723",     "2478",   "302.90",  "5.91",    "3"},
    { 32, "32",  "Germanium",     "Ge",  "72.61",      "3107",   "1210.4",  "5.32",    "4"},
    { 33, "33",  "Arsenic",       "As",  "74.92159",   "876",    "1081",    "5.72",    "3, 5"},
    { 34, "34",  "Selenium",      "Se",  "78.96",      "958",    "494",     "4.8",     "2, 4, 6"},
    { 35, "35",  "Bromine",       "Br",  "79.904",     "332.25", "265.90",  "3.12",    "1, 5"},
    { 36, "36",  "Krypton",       "Kr",  "83.80",      "119.90", "115.78",  "3.74†",   "0"},
    { 37, "37",  "Rubidium",      "Rb",  "85.4678",    "961",    "312.64",  "1.53",    "1"},
    { 38, "38",  "Strontium",     "Sr",  "87.62",      "1650.0", "1041",    "2.6",     "2"},
    { 39, "39",  "Yttrium",       "Y",   "88.90585",   "3611",   "1799",    "4.5",     "3"},
    { 40, "40",  "Zirconium",     "Zr",  "91.224",     "4682",   "2125",    "6.49",    "4"},
    { 41, "41",  "Niobium",       "Nb",  "92.90638",   "5017",   "2740",    "8.55",    "3, 5"},
    { 42, "42",  "Molybdenum",    "Mo",  "95.94",      "4912",   "2890",    "10.2",    "2, 3, 4, 5, 6"},
    { 43, "43",  "Technetium",    "Tc",  "(98.91)",    "4538",   "2473",    "11.5",    "4, 6, 7"},
    { 44, "44",  "Ruthenium",     "Ru",  "101.07",     "4423",   "2523",    "12.2",    "2, 3, 4, 6, 8"},
    { 45, "45",  "Rhodium",       "Rh",  "102.90550",  "3970",   "2236",    "12.4",    "2, 3, 4"},
    { 46, "46",  "Palladium",     "Pd",  "106.42",     "3237",   "1825",    "12.0",    "2, 4"},
    { 47, "47",  "Silver",        "Ag",  "107.8682",   "2436",   "1234",    "10.5",    "1"},
    { 48, "48",  "Cadmium",       "Cd",  "112.411",    "1040",   "594.18",  "8.65",    "2"},
    { 49, "49",  "Indium",        "In",  "114.82",     "2346",   "429.76",  "7.31",    "3"},
    { 50, "50",  "Tin",           "Sn",  "118.710",    "2876",   "505.06",  "7.30",    "2, 4"},
    { 51, "51",  "Antimony",      "Sb",  "121.75",     "1860",   "904",     "6.68",    "3, 5"},
    { 52, "52",  "Tellurium",     "Te",  "127.60",     "1261",   "722.65",  "6.24",    "2, 4, 6"},
    { 53, "53",  "Iodine",        "I",   "126.90447",  "458.4",  "386.7",   "4.92",    "1, 5, 7"},
    { 54, "54",  "Xenon",         "Xe",  "131.29",     "165.03", "161.36",  "5.89†",   "0"},
    { 55, "55",  "Cesium",        "Cs",  "132.90543",  "944",    "301.55",  "1.87",    "1"},
    { 56, "56",  "Barium",        "Ba",  "137.327",    "2171",   "1002",    "3.5",     "2"},
    { 57, "57",  "Lanthanum",     "La",  "138.9055",   "3730",   "1193",    "6.7",     "3"},
    { 58, "58",  "Cerium",        "Ce",  "140.115",    "3699",   "1071",    "6.78",    "3, 4"},
    { 59, "59",  "Praseodymium",  "Pr",  "140.90765",  "3785",   "1204",    "6.77",    "3, 4"},
    { 60, "60",  "Neodymium",     "Nd",  "144.24",     "3341",   "1289",    "7.00",    "3"},
    { 61, "61",  "Promethium",    "Pm",  "(145)",      "3785",   "1204",    "6.475",   "3"},
    { 62, "62",  "Samarium",      "Sm",  "150.36",     "2064",   "1345",    "7.54",    "2, 3"},
    { 63, "63",  "Europium",      "Eu",  "151.965",    "1870",   "1090",    "5.26",    "2, 3"},
    { 64, "64",  "Gadolinium",    "Gd",  "157.25",     "3539",   "1585",    "7.89",    "3"},
    { 65, "65",  "Terbium",       "Tb",  "158.92534",  "3496",   "1630.0",  "8.27",    "3, 4"},
    { 66, "66",  "Dysprosium",    "Dy",  "162.50",     "2835",   "1682",    "8.54",    "3"},
    { 67, "67",  "Holmium",       "Ho",  "164.93032",  "2968",   "1743",    "8.80",    "3"},
    { 68, "68",  "Erbium",        "Er",  "167.26",     "3136",   "1795",    "9.05",    "3"},
    { 69, "69",  "Thulium",       "Tm",  "168.93421",  "2220.0", "1818",    "9.33",    "2, 3"},
    { 70, "70",  "Ytterbium",     "Yb",  "173.04",     "1467",   "1097",    "6.98",    "2, 3"},
    { 71, "71",  "Lutetium",      "Lu",  "174.967",    "3668",   "1936",    "9.84",    "3"},
    { 72, "72",  "Hafnium",       "Hf",  "178.49",     "4876",   "2500.0",  "13.1",    "4"},
    { 73, "73",  "Tantalum",      "Ta",  "180.9479",   "5731",   "3287",    "16.6",    "5"},
    { 74, "74",  "Tungsten",      "W",   "183.85",     "5828",   "3680.0",  "19.3",    "2, 3, 4, 5, 6"},
    { 75, "75",  "Rhenium",       "Re",  "186.207",    "5869",   "3453",    "21.0",    "1, 2, 4, 6, 7"},
    { 76, "76",  "Osmium",        "Os",  "190.2",      "5285",   "3300.0",  "22.4",    "2, 3, 4, 6, 8"},
    { 77, "77",  "Iridium",       "Ir",  "192.22",     "4701",   "2716",    "22.5",    "2, 3, 4, 6"},
    { 78, "78",  "Platinum",      "Pt",  "195.08",     "4100.0", "2045",    "21.4",    "2, 4"},
    { 79, "79",  "Gold",          "Au",  "196.96654",  "3130.0", "1337.58", "19.3",    "1, 3"},
    { 80, "80",  "Mercury",       "Hg",  "200.59",     "630.0",  "234.38",  "13.53",   "1, 2"},
    { 81, "81",  "Thallium",      "Tl",  "204.3833",   "1746",   "577",     "11.85",   "1, 3"},
    { 82, "82",  "Lead",          "Pb",  "207.2",      "2023",   "600.6",   "11.4",    "2, 4"},
    { 83, "83",  "Bismuth",       "Bi",  "208.98037",  "1837",   "544.52",  "9.8",     "3, 5"},
    { 84, "84",  "Polonium",      "Po",  "(209)",      "1235",   "527",     "9.4",     "2, 4"},
    { 85, "85",  "Astatine",      "At",  "(210.0)",    "610.0~", "575",     "-",       "1, 3, 5, 7"},
    { 86, "86",  "Radon",         "Rn",  "(222)",      "211",    "202",     "9.91",    "0"},
    { 87, "87",  "Francium",      "Fr",  "(223)",      "950.0",  "300.0",   "-",       "1"},
    { 88, "88",  "Radium",        "Ra",  "(226.025)",  "1809",   "973",     "5",       "2"},
    { 89, "89",  "Actinium",      "Ac",  "(227.028)",  "3473~",  "1323",    "10.07",   "3"},
    { 90, "90",  "Thorium",       "Th",  "232.0381",   "5061",   "2028",    "11.7",    "4"},
    { 91, "91",  "Protactinium",  "Pa",  "231.03588",  "-",      "-",       "15.4",    "4, 5"},
    { 92, "92",  "Uranium",       "U",   "238.0289",   "4407",   "1405",    "18.95",   "3, 4, 5, 6"},
    { 93, "93",  "Neptunium",     "Np",  "(237.048)",  "-",      "910.0",   "20.4",    "3, 4, 5, 6"},
    { 94, "94",  "Plutonium",     "Pu",  "(244)",      "3505",   "913",     "19.8",    "3, 4, 5, 6"},
    { 95, "95",  "Americium",     "Am",  "(243)",      "2880.0", "1268",    "13.6",    "3, 4, 5, 6"},
    { 96, "96",  "Curium",        "Cm",  "(247)",      "-",      "1340",    "13.511",  "3"},
    { 97, "97",  "Berkelium",     "Bk",  "(247)",      "-",      "-",       "14~",     "3, 4"},
    { 98, "98",  "Californium",   "Cf",  "(251)",      "-",      "900~",    "-",       "3"},
    { 99, "99",  "Einsteinium",   "Es",  "(254)",      "-",      "-",       "-",       "3"},
    {100, "100", "Fermium",       "Fm",  "(257)",      "-",      "-",       "-",       "3"},
    {101, "101", "Mendelevium",   "Md",  "(258)",      "-",      "-",       "-",       "2, 3"},
    {102, "102", "Nobelium",      "No",  "(259)",      "-",      "-",       "-",       "2, 3"},
    {103, "103", "Lawrencium",    "Lr",  "(260)",      "-",      "-",       "-",       "3"},
    {104, "104", "Rutherfordium", "Rf",  "(261)",      "-",      "-",       "-",       "-"},
    {105, "105", "Dubnium",       "Db",  "(262.1138)", "-",      "-",       "-",       "-"},
    {106, "106", "Seaborgium",    "Sg",  "(263)",      "-",      "-",       "-",       "-"},
    {107, "107", "Bohrium",       "Bh",  "(262.1229)", "-",      "-",       "-",       "-"},
    {108, "108", "Hassium",       "Hs",  "(265)",      "-",      "-",       "-",       "-"},
    {109, "109", "Meitnerium",    "Mt",  "(266)",      "-",      "-",       "-",       "-"},
    {110, "110", "Ununnilium",    "Uun", "(272)",      "-",      "-",       "-",       "-"},
    {111, "111", "-",             "-",   "-",          "-",      "-",       "-",       "-"},
    {112, "112", "-",             "-",   "(277)",      "-",      "-",       "-",       "-"},
    {113, "-",   "-",             "-",   "-",          "-",      "-",       "-",       "-"},
    {114, "114", "-",             "Uuq", "-",          "-",      "-",       "-",       "-"},
    {115, "-",   "-",             "-",   "-",          "-",      "-",       "-",       "-"},
    {116, "116", "-",             "-",   "-",          "-",      "-",       "-",       "-"},
    {117, "-",   "-",             "-",   "-",          "-",      "-",       "-",       "-"},
    {118, "118", "Ununoctium",    "Uuo", "-",          "-",      "-",       "-",       "-"},
};

static_assert(std::size(PropertyTable) == ElementCount);

constexpr bool RowsStandInRecordOrder() {
    for (int i = 0; i < ElementCount; ++i)
        if (PropertyTable[i].Record != i + 1) return false;
    return true;
}
static_assert(RowsStandInRecordOrder());

constexpr bool NoTextIsEmpty() {
    for (const PropertyRow& row : PropertyTable)
        for (std::string_view text : {row.AtomicNumber, row.Name, row.Symbol, row.AtomicWeight,
                                      row.BoilingPointK, row.MeltingPointK, row.Density, row.Valence})
            if (text.empty()) return false;
    return true;
}
static_assert(NoTextIsEmpty());

constexpr bool IsDecimalTextOf(std::string_view text, int n) {
    for (auto digit = text.rbegin(); digit != text.rend(); ++digit, n /= 10)
        if (n == 0 || *digit != '0' + n % 10) return false;
    return n == 0;
}

// Every record carries its own number, except the three unknown elements.
constexpr bool AtomicNumbersMatchRecords() {
    for (const PropertyRow& row : PropertyTable) {
        const bool unknown = row.Record == 113 || row.Record == 115 || row.Record == 117;
        if (unknown ? row.AtomicNumber != NoValue : !IsDecimalTextOf(row.AtomicNumber, row.Record))
            return false;
    }
    return true;
}
static_assert(AtomicNumbersMatchRecords());

constexpr std::array<ElementRecord, ElementCount> BuildCatalog() {
    std::array<ElementRecord, ElementCount> catalog{};
    for (const PropertyRow& row : PropertyTable) {
        catalog[row.Record - 1] = {
            row.AtomicNumber, row.Name, row.Symbol, row.AtomicWeight,
            row.BoilingPointK, row.MeltingPointK, row.Density, row.Valence,
            row.Record <= ConfiguredCount ? ConfigurationOf(row.Record) : ElectronConfiguration{},
        };
    }
    return catalog;
}

constexpr std::array<ElementRecord, ElementCount> Catalog = BuildCatalog();

constexpr bool OnlyRecordsUpTo110AreConfigured() {
    for (int record = 1; record <= ElementCount; ++record) {
        const bool configured = !Catalog[record - 1].Configuration.front().IsEmpty();
        if (configured != (record <= ConfiguredCount)) return false;
    }
    return true;
}
static_assert(OnlyRecordsUpTo110AreConfigured());

constexpr ElementRecord NoElement = {
    NoValue, NoValue, NoValue, NoValue, NoValue, NoValue, NoValue, NoValue, ElectronConfiguration{},
};

} // namespace

const ElementRecord& ElementAt(int atomicNumber) noexcept {
    if (atomicNumber < 1 || atomicNumber > ElementCount) return NoElement;
    return Catalog[static_cast<std::size_t>(atomicNumber - 1)];
}

} // namespace karvelo::catalogue
