// SPDX-License-Identifier: MIT
// The 118 element buttons, generated from the chart's column, row, cell,
// blank-run, category and tab-order tables.

#include <string>

#include "ElementCatalog.h"
#include "Decimal.h"
#include "MainWindow.h"
#include "PhaseCategory.h"

namespace karvelo::windows {

using runtime::ControlKind;
using runtime::ControlLayout;
using runtime::Twips;

namespace {

constexpr Twips ButtonWidth = 675;
constexpr Twips ButtonHeight = 750;

enum Row { Period1, Period2, Period3, Period4, Period5, Period6, Period7, LanthanideRow, ActinideRow };

// Columns 1 to 17 every 706 twips; column 18 stands 13 twips further right.
constexpr Twips ColumnLeft(int column)
{
    return column == 18 ? 12135 : 120 + 706 * (column - 1);
}

// Periods 1 to 6 every 762 twips; period 7 and the f-block rows are set apart.
constexpr Twips RowTop(Row row)
{
    switch (row) {
    case Period7: return 5055;
    case LanthanideRow: return 5925;
    case ActinideRow: return 6720;
    default: return 480 + 762 * row;
    }
}

static_assert(ColumnLeft(17) == 11416 && RowTop(Period6) == 4290);

struct Cells {
    Row InRow;
    int FirstElement;
    int LastElement;
    int FirstColumn;
};

constexpr Cells CellRuns[] = {
    {Period1, 1, 1, 1},      {Period1, 2, 2, 18},
    {Period2, 3, 4, 1},      {Period2, 5, 10, 13},
    {Period3, 11, 12, 1},    {Period3, 13, 18, 13},
    {Period4, 19, 36, 1},
    {Period5, 37, 54, 1},
    {Period6, 55, 57, 1},    {Period6, 72, 86, 4},
    {Period7, 87, 89, 1},    {Period7, 104, 118, 4},
    {LanthanideRow, 58, 71, 4},
    {ActinideRow, 90, 103, 4},
};

struct Placement {
    Twips Left;
    Twips Top;
};

constexpr Placement CellOf(int element)
{
    if (element == 12)
        return {ColumnLeft(2), 2025};
    for (const Cells& run : CellRuns)
        if (element >= run.FirstElement && element <= run.LastElement)
            return {ColumnLeft(run.FirstColumn + element - run.FirstElement), RowTop(run.InRow)};
    return {-1, -1};
}

static_assert(CellOf(26).Left == 5062 && CellOf(26).Top == 2766);
static_assert(CellOf(58).Left == 2238 && CellOf(118).Left == 12135);

// Blanks between number and symbol: the designer's spacing, by element range.
struct BlankRun {
    int From;
    int To;
    int Blanks;
};

constexpr BlankRun BlankRuns[] = {
    {1, 2, 8},     {3, 3, 9},     {4, 6, 8},     {7, 11, 7},    {12, 12, 6},   {13, 14, 8},
    {15, 15, 6},   {16, 16, 7},   {17, 17, 8},   {18, 18, 7},   {19, 22, 6},   {23, 23, 5},
    {24, 24, 6},   {25, 25, 5},   {26, 30, 6},   {31, 31, 7},   {32, 33, 6},   {34, 34, 5},
    {35, 38, 6},   {39, 39, 5},   {40, 41, 6},   {42, 42, 5},   {43, 50, 6},   {51, 51, 7},
    {52, 52, 6},   {53, 53, 5},   {54, 56, 6},   {57, 57, 5},   {58, 59, 6},   {60, 60, 5},
    {61, 61, 6},   {62, 62, 5},   {63, 63, 6},   {64, 64, 5},   {65, 68, 6},   {69, 69, 5},
    {70, 70, 6},   {71, 71, 7},   {72, 72, 5},   {73, 73, 6},   {74, 74, 4},   {75, 77, 6},
    {78, 78, 7},   {79, 80, 6},   {81, 81, 7},   {82, 82, 6},   {83, 83, 7},   {84, 88, 6},
    {89, 89, 3},   {90, 90, 5},   {91, 91, 7},   {92, 93, 5},   {94, 94, 6},   {95, 95, 5},
    {96, 99, 6},   {100, 101, 4}, {102, 102, 5}, {103, 103, 6}, {104, 109, 5}, {110, 110, 3},
    {111, 111, 6}, {112, 113, 4}, {114, 114, 3}, {115, 117, 4}, {118, 118, 3},
};

constexpr int BlanksOf(int element)
{
    for (const BlankRun& run : BlankRuns)
        if (element >= run.From && element <= run.To)
            return run.Blanks;
    return -1;
}

struct CategoryRun {
    int From;
    int To;
    PhaseCategory Category;
};

constexpr CategoryRun CategoryRuns[] = {
    {1, 2, PhaseCategory::Gas},      {3, 6, PhaseCategory::Solid},
    {7, 10, PhaseCategory::Gas},     {11, 16, PhaseCategory::Solid},
    {17, 18, PhaseCategory::Gas},    {19, 34, PhaseCategory::Solid},
    {35, 35, PhaseCategory::Liquid}, {36, 36, PhaseCategory::Gas},
    {37, 42, PhaseCategory::Solid},  {43, 43, PhaseCategory::SyntheticallyPrepared},
    {44, 53, PhaseCategory::Solid},  {54, 54, PhaseCategory::Gas},
    {55, 55, PhaseCategory::Liquid}, {56, 60, PhaseCategory::Solid},
    {61, 61, PhaseCategory::SyntheticallyPrepared},
    {62, 79, PhaseCategory::Solid},  {80, 80, PhaseCategory::Liquid},
    {81, 85, PhaseCategory::Solid},  {86, 86, PhaseCategory::Gas},
    {87, 87, PhaseCategory::Liquid}, {88, 92, PhaseCategory::Solid},
    {93, 112, PhaseCategory::SyntheticallyPrepared},
    {113, 113, PhaseCategory::NotYetKnown}, {114, 114, PhaseCategory::SyntheticallyPrepared},
    {115, 115, PhaseCategory::NotYetKnown}, {116, 116, PhaseCategory::SyntheticallyPrepared},
    {117, 117, PhaseCategory::NotYetKnown}, {118, 118, PhaseCategory::SyntheticallyPrepared},
};

// Focus order: 1-10, 19-118 (gaps left for the legend swatches), About and
// Exit, then period 3 from 18 back to 11.
struct TabRun {
    int From;
    int To;
    int FirstIndex;
    int Step; // +1: ascending with the element number, -1: descending
};

constexpr TabRun TabRuns[] = {
    {1, 10, 0, +1},
    {19, 106, 10, +1},
    {107, 109, 100, +1},
    {110, 110, 111, +1},
    {111, 118, 122, +1},
    {11, 18, 141, -1},
};

constexpr int TabIndexOf(int element)
{
    for (const TabRun& run : TabRuns)
        if (element >= run.From && element <= run.To)
            return run.FirstIndex + run.Step * (element - run.From);
    return -1;
}

static_assert(TabIndexOf(18) == 134 && TabIndexOf(11) == 141 && TabIndexOf(106) == 97);

constexpr PhaseCategory CategoryOf(int element)
{
    for (const CategoryRun& run : CategoryRuns)
        if (element >= run.From && element <= run.To)
            return run.Category;
    return PhaseCategory::NotYetKnown;
}

constexpr int CountOf(PhaseCategory category)
{
    int count = 0;
    for (int element = 1; element <= catalogue::ElementCount; ++element)
        count += CategoryOf(element) == category;
    return count;
}

static_assert(CountOf(PhaseCategory::Solid) == 75 && CountOf(PhaseCategory::Liquid) == 4 &&
              CountOf(PhaseCategory::Gas) == 11 &&
              CountOf(PhaseCategory::SyntheticallyPrepared) == 25 &&
              CountOf(PhaseCategory::NotYetKnown) == 3);

// Every element has exactly one cell, a blank run and a tab index, and no
// two buttons share a cell or a tab index.
constexpr bool EveryElementPlacedOnce()
{
    for (int a = 1; a <= catalogue::ElementCount; ++a) {
        int cells = 0;
        for (const Cells& run : CellRuns)
            cells += a >= run.FirstElement && a <= run.LastElement;
        if (cells != 1 || BlanksOf(a) < 3 || TabIndexOf(a) < 0)
            return false;
        for (int b = a + 1; b <= catalogue::ElementCount; ++b)
            if ((CellOf(a).Left == CellOf(b).Left && CellOf(a).Top == CellOf(b).Top) ||
                TabIndexOf(a) == TabIndexOf(b))
                return false;
    }
    return true;
}

static_assert(EveryElementPlacedOnce());


// The symbol a button shows: the record's, with the marks that point to the
// f-block labels, or nothing for an element without one.
std::string ShownSymbol(int element, std::string_view symbol)
{
    if (symbol == "-")
        return {};
    if (element == 57)
        return "*" + std::string(symbol);
    if (element == 89)
        return "**" + std::string(symbol);
    return std::string(symbol);
}

// "Iron, 26"; an element without a name is called by its number and the
// systematic symbol it shows, "114 Uuq".
std::string SpokenName(int element, const catalogue::ElementRecord& record, std::string_view shown)
{
    if (record.Name != "-")
        return std::string(record.Name) + ", " + Decimal(element);
    return shown.empty() ? Decimal(element) : Decimal(element) + " " + std::string(shown);
}

} // namespace

std::vector<ControlLayout> ElementGridRows()
{
    std::vector<ControlLayout> rows;
    rows.reserve(catalogue::ElementCount);
    for (int element = 1; element <= catalogue::ElementCount; ++element) {
        const catalogue::ElementRecord& record = catalogue::ElementAt(element);
        const std::string shown = ShownSymbol(element, record.Symbol);
        const Placement cell = CellOf(element);
        const CategoryLook& look = LookOf(CategoryOf(element));
        rows.push_back({
            .Kind = ControlKind::GraphicalButton,
            .Name = "Command" + Decimal(element),
            .Caption = Decimal(element) + std::string(BlanksOf(element), ' ') + shown,
            .Box = {cell.Left, cell.Top, ButtonWidth, ButtonHeight},
            .Font = {.Points = 12},
            .BackColour = look.Colour,
            .TabIndex = TabIndexOf(element),
            .AccessibleName = SpokenName(element, record, shown),
            .AccessibleDescription = std::string(look.StateWords),
        });
    }
    return rows;
}

} // namespace karvelo::windows
