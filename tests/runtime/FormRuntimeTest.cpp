// SPDX-License-Identifier: MIT
// The form runtime on a small fixture: a window with labels of each sizing
// and border, a standard button, two graphical buttons of different colours,
// a frame with a label inside, a swatch, a line and an image, and a second,
// dialog-style window. Geometry, fonts and colours are checked on what Qt
// renders at the device pixel ratio of the run (CTest runs this at 1 and 2).

#include "FormRuntime.h"
#include "ProgramIcon.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QGlyphRun>
#include <QLabel>
#include <QPainter>
#include <QRawFont>
#include <QScreen>
#include <QStyle>
#include <QTemporaryFile>
#include <QTextLayout>
#include <QtTest>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include <unistd.h>

using namespace karvelo::runtime;

namespace {

constexpr Colour PaleYellow = 0x00C0FFFF;
constexpr Colour Orange = 0x000080FF;
constexpr Colour LightCyan = 0x00FFFF80;
constexpr Colour Olive = 0x0000C0C0;
constexpr Colour Blue = 0x00FF0000;
constexpr Colour Red = 0x000000FF;
constexpr Colour DarkRed = 0x00000080;

constexpr FontSpec Regular12{};
constexpr FontSpec Regular975{.Points = 9.75};

const char* const Dagger = "\xE2\x80\xA0"; // U+2020

WindowLayout Fixture()
{
    WindowLayout window{
        .Name = "Fixture",
        .Caption = "Fixture window",
        .ClientWidth = 6000,
        .ClientHeight = 4500,
        .BackColour = PaleYellow,
        .MaxButton = false,
        .Icon = karvelo::resources::ProgramIconXpm(),
    };
    window.Controls = {
        {.Kind = ControlKind::Label, .Name = "Title", .Caption = "Karvelo",
         .Box = {1500, 0, 1500, 570}, .Font = {.Points = 20.25, .Weight = 700}, .TabIndex = 4},
        {.Kind = ControlKind::Button, .Name = "Go", .Caption = "&Go", .Box = {150, 150, 975, 495},
         .Font = Regular12, .TabIndex = 3},
        {.Kind = ControlKind::GraphicalButton, .Name = "Iron", .Caption = "26      Fe",
         .Box = {1200, 600, 675, 750}, .Font = Regular12, .BackColour = Orange, .TabIndex = 0},
        {.Kind = ControlKind::GraphicalButton, .Name = "Gas", .Caption = "1        H",
         .Box = {1950, 600, 675, 750}, .Font = Regular12, .BackColour = LightCyan,
         .TabIndex = 1},
        {.Kind = ControlKind::Swatch, .Name = "Swatch", .Box = {2700, 600, 255, 255},
         .BackColour = Olive, .TabIndex = 2, .AccessibleName = "Not Yet Known colour"},
        {.Kind = ControlKind::Label, .Name = "Legend", .Caption = " Solid ",
         .Box = {3060, 600, 660, 330}, .Font = Regular975, .Opaque = true,
         .Border = LabelBorder::Sunken},
        {.Kind = ControlKind::Label, .Name = "Value", .Caption = "Label10",
         .Box = {3000, 1500, 900, 345}, .Font = Regular12, .ForeColour = Blue,
         .Align = Alignment::Right},
        {.Kind = ControlKind::Label, .Name = "Left", .Caption = "Label8",
         .Box = {150, 1500, 900, 345}, .Font = Regular12, .ForeColour = Red},
        {.Kind = ControlKind::Label, .Name = "Note", .Caption = "~  Estimated values.",
         .Box = {150, 2100, 2700, 615}, .Font = Regular975, .BackColour = SystemWindowBackground,
         .ForeColour = SystemWindowText, .AutoSize = false, .Look = Appearance::Flat},
        {.Kind = ControlKind::Frame, .Name = "Frame1", .Caption = "Properties",
         .Box = {3000, 2100, 2850, 1200}, .Font = Regular12, .ForeColour = DarkRed},
        {.Kind = ControlKind::Label, .Name = "Inner", .Caption = "Inner",
         .Box = {240, 375, 900, 345}, .Font = Regular12, .Parent = "Frame1"},
        {.Kind = ControlKind::Line, .Name = "Bar", .Box = {150, 3600, 1500, 0},
         .ForeColour = SystemWindowText, .LineWidth = 3},
        {.Kind = ControlKind::Image, .Name = "Image1", .Box = {4500, 3300, 480, 480},
         .Picture = karvelo::resources::ProgramIconXpm()},
        {.Kind = ControlKind::Label, .Name = "Plain", .Caption = "ab",
         .Box = {150, 3900, 1800, 345}, .Font = Regular12, .AutoSize = false},
        // Design boxes too small for their captions.
        {.Kind = ControlKind::Label, .Name = "TightLeft", .Caption = "Developed by : someone",
         .Box = {150, 4200, 600, 150}, .Font = Regular12},
        {.Kind = ControlKind::Label, .Name = "TightRight", .Caption = "Rutherfordium",
         .Box = {3000, 4200, 600, 150}, .Font = Regular12, .Align = Alignment::Right},
    };
    return window;
}

WindowLayout Dialog()
{
    WindowLayout window{
        .Name = "Other",
        .Caption = "About the fixture",
        .ClientWidth = 3000,
        .ClientHeight = 1500,
        .Border = WindowBorder::FixedDialog,
        .MinButton = false,
        .MaxButton = false,
        .ShowInTaskbar = false,
        .Icon = karvelo::resources::ProgramIconXpm(),
        .CloseClicks = "Ok",
    };
    window.Controls = {
        {.Kind = ControlKind::Label, .Name = "Name", .Caption = "Fixture.",
         .Box = {105, 105, 1500, 300}, .Font = {.Points = 11.25}, .TabIndex = 1},
        {.Kind = ControlKind::Button, .Name = "Ok", .Caption = "&Ok", .Box = {1950, 105, 915, 1185},
         .Font = {.Points = 11.25}, .TabIndex = 0},
    };
    return window;
}

// QTest::qWaitForWindowActive takes a transient dialog for active as soon as
// its owner is; this waits for the window itself.
bool WaitActive(QWidget& window)
{
    return QTest::qWaitFor([&window] { return QApplication::activeWindow() == &window; });
}

// The two windows with every event counted; Ok hides its window as an About
// window's does.
struct Chart {
    FormRuntime Runtime;
    std::map<std::string, int> Events;
    std::vector<std::string> Reports;

    Chart()
    {
        Runtime.AddWindow(Fixture());
        Runtime.AddWindow(Dialog());
        Runtime.SetErrorReporter([this](std::string_view line) { Reports.emplace_back(line); });
        Count("Fixture", "", Event::Load);
        Count("Fixture", "", Event::Activate);
        Count("Other", "", Event::Activate);
        for (const char* button : {"Go", "Iron", "Gas"})
            Count("Fixture", button, Event::Click);
        Runtime.On("Other", "Ok", Event::Click, [this] {
            ++Events["Other.Ok.Click"];
            Runtime.SetVisible("Other", false);
        });
    }

    void Count(const std::string& window, const std::string& control, Event event)
    {
        static const char* const names[] = {"Load", "Activate", "Click"};
        std::string key = window + (control.empty() ? "" : "." + control) + "." +
                          names[static_cast<int>(event)];
        Runtime.On(window, control, event, [this, key] { ++Events[key]; });
    }

    QWidget& Main() { return Runtime.Window("Fixture"); }
    QWidget& Other() { return Runtime.Window("Other"); }
    QWidget& Control(const QString& name, const char* window = "Fixture")
    {
        return Runtime.Control(window, name.toStdString());
    }
    QAbstractButton& Button(const char* name, const char* window = "Fixture")
    {
        return *qobject_cast<QAbstractButton*>(&Runtime.Control(window, name));
    }

    bool Launch()
    {
        Runtime.Launch("Fixture");
        return WaitActive(Main());
    }
};

double ExpectedRatio()
{
    const QByteArray value = qgetenv("QT_SCALE_FACTOR");
    double ratio = 1.0;
    if (!value.isEmpty()) {
        const auto result = std::from_chars(value.constData(), value.constData() + value.size(),
                                            ratio);
        if (result.ec != std::errc())
            ratio = 1.0;
    }
    return ratio;
}

QImage Render(QWidget& window) { return window.grab().toImage(); }

QPoint Device(const QImage& image, QPoint logical)
{
    const double ratio = image.devicePixelRatio();
    return QPoint(int(std::floor((logical.x() + 0.5) * ratio)),
                  int(std::floor((logical.y() + 0.5) * ratio)));
}

QColor Sample(const QImage& image, QPoint logical)
{
    return image.pixelColor(Device(image, logical));
}

int Distance(const QColor& a, const QColor& b)
{
    return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                     std::abs(a.blue() - b.blue())});
}

// Whether some device pixel of a logical rectangle is within tolerance of a
// colour.
bool HasPixelNear(const QImage& image, const QRect& logical, const QColor& colour,
                  int tolerance = 40)
{
    const double ratio = image.devicePixelRatio();
    const QRect device(QPoint(int(logical.left() * ratio), int(logical.top() * ratio)),
                       QSize(int(logical.width() * ratio), int(logical.height() * ratio)));
    for (int y = device.top(); y <= device.bottom(); ++y)
        for (int x = device.left(); x <= device.right(); ++x)
            if (Distance(image.pixelColor(x, y), colour) <= tolerance)
                return true;
    return false;
}

// The lowest row of a logical rectangle that holds a pixel far from the
// background, relative to the rectangle's top; -1 if none.
int LowestInkRow(const QImage& image, const QRect& logical, const QColor& background)
{
    int lowest = -1;
    for (int y = 0; y < logical.height(); ++y)
        for (int x = 0; x < logical.width(); ++x)
            if (Distance(Sample(image, logical.topLeft() + QPoint(x, y)), background) > 100)
                lowest = y;
    return lowest;
}

QPalette DarkPalette()
{
    QPalette dark(QColor(53, 53, 53), QColor(45, 45, 45));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::ButtonText, Qt::white);
    return dark;
}

void UsePalette(bool dark)
{
    QApplication::setPalette(dark ? DarkPalette() : QApplication::style()->standardPalette());
}

QColor Role(int role) { return QApplication::palette().color(QPalette::ColorRole(role)); }

} // namespace

class FormRuntimeTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ApplyLook(*static_cast<QApplication*>(QCoreApplication::instance()));
        QCOMPARE(QApplication::style()->name().toLower(), QStringLiteral("fusion"));
    }

    void cleanup() { UsePalette(false); }

    void geometry_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("expected");
        QTest::addColumn<QString>("parent");
        QTest::newRow("main client area") << "Fixture" << "" << QRect(0, 0, 400, 300) << "";
        QTest::newRow("dialog client area") << "Other" << "" << QRect(0, 0, 200, 100) << "";
        QTest::newRow("bold title") << "Fixture" << "Title" << QRect(100, 0, 100, 38) << "Fixture";
        QTest::newRow("standard button") << "Fixture" << "Go" << QRect(10, 10, 65, 33) << "Fixture";
        QTest::newRow("graphical button") << "Fixture" << "Iron" << QRect(80, 40, 45, 50)
                                          << "Fixture";
        QTest::newRow("second graphical button") << "Fixture" << "Gas" << QRect(130, 40, 45, 50)
                                                 << "Fixture";
        QTest::newRow("swatch") << "Fixture" << "Swatch" << QRect(180, 40, 17, 17) << "Fixture";
        QTest::newRow("sunken label") << "Fixture" << "Legend" << QRect(204, 40, 44, 22)
                                      << "Fixture";
        QTest::newRow("right-justified label") << "Fixture" << "Value" << QRect(200, 100, 60, 23)
                                               << "Fixture";
        QTest::newRow("wrapping label") << "Fixture" << "Note" << QRect(10, 140, 180, 41)
                                        << "Fixture";
        QTest::newRow("frame") << "Fixture" << "Frame1" << QRect(200, 140, 190, 80) << "Fixture";
        QTest::newRow("label in the frame")
            << "Fixture" << "Inner" << QRect(16, 25, 60, 23) << "Frame1";
        QTest::newRow("3-pixel line, box grown by its width")
            << "Fixture" << "Bar" << QRect(7, 237, 107, 7) << "Fixture";
        QTest::newRow("image at its natural size")
            << "Fixture" << "Image1" << QRect(300, 220, 32, 32) << "Fixture";
        QTest::newRow("dialog button") << "Other" << "Ok" << QRect(130, 7, 61, 79) << "Other";
    }

    void geometry()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QRect, expected);
        QFETCH(QString, parent);
        Chart chart;
        QVERIFY(chart.Launch());
        chart.Runtime.SetVisible("Other", true);
        QWidget& top = chart.Runtime.Window(window.toStdString());
        QVERIFY(QTest::qWaitForWindowExposed(&top));
        QCOMPARE(top.objectName(), window);

        QWidget& widget = control.isEmpty() ? top : chart.Control(control, qPrintable(window));
        const QRect actual = control.isEmpty() ? QRect(QPoint(), top.size()) : widget.geometry();
        QCOMPARE(actual, expected);
        if (!control.isEmpty()) {
            QCOMPARE(widget.objectName(), control);
            QCOMPARE(widget.parentWidget()->objectName(), parent);
        }
        // Logical pixels stay; the rendering follows the device pixel ratio.
        const double ratio = ExpectedRatio();
        QCOMPARE(top.devicePixelRatioF(), ratio);
        const QPixmap shot = widget.grab();
        QCOMPARE(shot.size(), (QSizeF(actual.size()) * ratio).toSize());
    }

    void fonts_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("pixelSize");
        QTest::addColumn<bool>("bold");
        QTest::newRow("12 pt graphical button") << "Iron" << 16 << false;
        QTest::newRow("12 pt standard button") << "Go" << 16 << false;
        QTest::newRow("12 pt frame") << "Frame1" << 16 << false;
        QTest::newRow("9.75 pt label") << "Note" << 13 << false;
        QTest::newRow("20.25 pt bold title") << "Title" << 27 << true;
    }

    void fonts()
    {
        QFETCH(QString, control);
        QFETCH(int, pixelSize);
        QFETCH(bool, bold);
        Chart chart;
        const QFont font = chart.Control(control).font();
        QCOMPARE(font.pixelSize(), pixelSize);
        const QFontInfo info(font);
        QVERIFY2(info.family() == "Comic Sans MS" || info.family() == "Comic Neue",
                 qPrintable(info.family()));
        QCOMPARE(info.pixelSize(), pixelSize);
        QCOMPARE(info.bold(), bold);
        QVERIFY(!info.italic());
        QVERIFY(!info.underline());
    }

    // "†" is drawn from a font that has it (per-glyph fallback), not as the
    // chart font's missing-glyph box.
    void daggerHasAGlyph()
    {
        Chart chart;
        const QFont font = chart.Control("Note").font();
        QTextLayout layout(QString::fromUtf8(Dagger), font);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        const QList<QGlyphRun> runs = layout.glyphRuns();
        QVERIFY(!runs.isEmpty());
        for (const QGlyphRun& run : runs) {
            QVERIFY(run.rawFont().supportsCharacter(0x2020u));
            for (quint32 glyph : run.glyphIndexes())
                QVERIFY(glyph != 0);
        }

        auto draw = [&font](const QString& text) {
            QImage image(40, 40, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            painter.setFont(font);
            painter.setPen(Qt::black);
            painter.drawText(image.rect(), Qt::AlignCenter, text);
            return image;
        };
        const QImage dagger = draw(QString::fromUtf8(Dagger));
        const QImage missing = draw(QString::fromUcs4(U"\U0010FFFF", 1));
        QVERIFY(dagger != missing);
        QImage blank(40, 40, QImage::Format_RGB32);
        blank.fill(Qt::white);
        QVERIFY(dagger != blank);
    }

    void colours_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QColor>("fixed");
        QTest::addColumn<int>("role"); // used when fixed is invalid
        for (bool dark : {false, true}) {
            const QByteArray palette = dark ? "dark palette: " : "standard palette: ";
            auto row = [&](const char* name) -> QTestData& { return QTest::newRow(palette + name); };
            row("graphical face is its colour")
                << dark << "Iron" << QPoint(6, 25) << QColor(255, 128, 0) << -1;
            row("second graphical face") << dark << "Gas" << QPoint(6, 25)
                                         << QColor(128, 255, 255) << -1;
            row("swatch inside") << dark << "Swatch" << QPoint(8, 8) << QColor(192, 192, 0) << -1;
            row("swatch sunken edge") << dark << "Swatch" << QPoint(0, 0) << QColor()
                                      << int(QPalette::Dark);
            row("opaque label in button face") << dark << "Legend" << QPoint(2, 19) << QColor()
                                               << int(QPalette::Button);
            row("transparent label shows the window") << dark << "Plain" << QPoint(100, 12)
                                                      << QColor(255, 255, 192) << -1;
            row("window background") << dark << "" << QPoint(395, 295) << QColor(255, 255, 192)
                                      << -1;
            row("frame face") << dark << "Frame1" << QPoint(180, 70) << QColor()
                              << int(QPalette::Button);
            row("transparent label in the frame shows the frame")
                << dark << "Inner" << QPoint(58, 20) << QColor() << int(QPalette::Button);
            row("line in window text") << dark << "Bar" << QPoint(50, 3) << QColor()
                                       << int(QPalette::Text);
        }
    }

    void colours()
    {
        QFETCH(bool, dark);
        QFETCH(QString, control);
        QFETCH(QPoint, point);
        QFETCH(QColor, fixed);
        QFETCH(int, role);
        Chart chart;
        QVERIFY(chart.Launch());
        UsePalette(dark);
        QWidget& window = chart.Main();
        const QImage image = Render(window);
        const QPoint at = control.isEmpty() ? point : chart.Control(control).mapTo(&window, point);
        const QColor expected = fixed.isValid() ? fixed : Role(role);
        QCOMPARE(Sample(image, at).name(), expected.name());
    }

    void foreColours_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QColor>("fixed");
        QTest::addColumn<int>("role");
        QTest::newRow("blue value") << false << "Value" << "1809" << QColor(0, 0, 255) << -1;
        QTest::newRow("red value") << false << "Left" << "Hydrogen" << QColor(255, 0, 0) << -1;
        QTest::newRow("dark-red frame caption") << false << "Frame1" << "" << QColor(128, 0, 0)
                                                << -1;
        QTest::newRow("note in window text") << false << "Note" << "" << QColor()
                                             << int(QPalette::Text);
        QTest::newRow("dark palette: note follows window text")
            << true << "Note" << "" << QColor() << int(QPalette::Text);
        QTest::newRow("graphical text in button text") << false << "Gas" << "" << QColor()
                                                       << int(QPalette::ButtonText);
        QTest::newRow("dark palette: graphical text follows button text")
            << true << "Iron" << "" << QColor() << int(QPalette::ButtonText);
    }

    void foreColours()
    {
        QFETCH(bool, dark);
        QFETCH(QString, control);
        QFETCH(QString, caption);
        QFETCH(QColor, fixed);
        QFETCH(int, role);
        Chart chart;
        QVERIFY(chart.Launch());
        UsePalette(dark);
        if (!caption.isEmpty())
            chart.Runtime.SetCaption("Fixture", control.toStdString(), caption.toStdString());
        QWidget& widget = chart.Control(control);
        const QImage image = Render(chart.Main());
        const QColor expected = fixed.isValid() ? fixed : Role(role);
        QVERIFY2(HasPixelNear(image, QRect(widget.mapTo(&chart.Main(), QPoint()), widget.size()),
                              expected),
                 qPrintable(expected.name()));
    }

    void autoSize_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("rightJustified");
        QTest::addColumn<int>("border");
        QTest::newRow("left-justified keeps its left edge") << "Left" << false << 0;
        QTest::newRow("right-justified keeps its right edge") << "Value" << true << 0;
        QTest::newRow("sunken border adds 2 px a side") << "Legend" << false << 2;
    }

    void autoSize()
    {
        QFETCH(QString, control);
        QFETCH(bool, rightJustified);
        QFETCH(int, border);
        Chart chart;
        QWidget& label = chart.Control(control);
        const QRect design = label.geometry();
        int previousWidth = 0;
        for (const char* text : {"Rutherfordium", "H", ""}) {
            chart.Runtime.SetCaption("Fixture", control.toStdString(), text);
            const QRect now = label.geometry();
            QCOMPARE(now.top(), design.top());
            if (rightJustified)
                QCOMPARE(now.x() + now.width(), design.x() + design.width());
            else
                QCOMPARE(now.left(), design.left());
            const double advance = QFontMetricsF(label.font()).horizontalAdvance(text);
            QVERIFY2(now.width() >= advance + 2 * border, text);
            QVERIFY2(now.width() <= std::ceil(advance) + 2 * border, text);
            QCOMPARE(now.height(), QFontMetrics(label.font()).height() + 2 * border);
            if (previousWidth > 0)
                QVERIFY(now.width() < previousWidth);
            else
                QVERIFY(now.width() > design.width());
            previousWidth = now.width();
        }
    }

    // A caption wider or taller than its design box is never cut off: the
    // box grows from its anchored edge.
    void autoSizeLabelGrowsToACaptionThatDoesNotFit_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("design");
        QTest::addColumn<bool>("rightJustified");
        QTest::newRow("left-justified") << "TightLeft" << QRect(10, 280, 40, 10) << false;
        QTest::newRow("right-justified") << "TightRight" << QRect(200, 280, 40, 10) << true;
    }

    void autoSizeLabelGrowsToACaptionThatDoesNotFit()
    {
        QFETCH(QString, control);
        QFETCH(QRect, design);
        QFETCH(bool, rightJustified);
        Chart chart;
        auto& label = static_cast<QLabel&>(chart.Control(control));
        const QRect now = label.geometry();
        QCOMPARE(now.top(), design.top());
        QCOMPARE(rightJustified ? now.right() : now.left(),
                 rightJustified ? design.right() : design.left());
        QVERIFY(now.width() >= QFontMetricsF(label.font()).horizontalAdvance(label.text()));
        QCOMPARE(now.height(), QFontMetrics(label.font()).height());
    }

    void wrappedLabelKeepsItsBox()
    {
        Chart chart;
        QVERIFY(chart.Launch());
        QWidget& note = chart.Control("Note");
        const QRect design = note.geometry();
        const QColor window(255, 255, 192);
        const int lineSpacing = QFontMetrics(note.font()).lineSpacing();

        chart.Runtime.SetCaption("Fixture", "Note", "ab");
        QCOMPARE(note.geometry(), design);
        QVERIFY(LowestInkRow(Render(chart.Main()), design, window) < lineSpacing);

        const std::string text = std::string(Dagger) +
                                 "  Refers to the gaseous state at 273K an 1atm and are given in "
                                 "units of g/l.";
        chart.Runtime.SetCaption("Fixture", "Note", text);
        QCOMPARE(note.geometry(), design);
        QVERIFY(LowestInkRow(Render(chart.Main()), design, window) >= lineSpacing);
    }

    void accessKeys_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("event");
        QTest::newRow("Alt+G on the main window") << "Fixture" << int(Qt::Key_G)
                                                  << "Fixture.Go.Click";
        QTest::newRow("Alt+O on the dialog") << "Other" << int(Qt::Key_O) << "Other.Ok.Click";
    }

    void accessKeys()
    {
        QFETCH(QString, window);
        QFETCH(int, key);
        QFETCH(QString, event);
        Chart chart;
        QVERIFY(chart.Launch());
        chart.Runtime.SetVisible(window.toStdString(), true);
        QWidget& top = chart.Runtime.Window(window.toStdString());
        QVERIFY(WaitActive(top));
        QTest::keyClick(&top, Qt::Key(key), Qt::AltModifier);
        QTRY_COMPARE(chart.Events[event.toStdString()], 1);
    }

    void keysPressFocusedButton_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Space on a standard button") << "Go" << int(Qt::Key_Space) << 0;
        QTest::newRow("Return on a standard button") << "Go" << int(Qt::Key_Return) << 0;
        QTest::newRow("keypad Enter on a standard button")
            << "Go" << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
        QTest::newRow("Space on a graphical button") << "Iron" << int(Qt::Key_Space) << 0;
        QTest::newRow("Return on a graphical button") << "Gas" << int(Qt::Key_Return) << 0;
    }

    void keysPressFocusedButton()
    {
        QFETCH(QString, button);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        Chart chart;
        QVERIFY(chart.Launch());
        QWidget& target = chart.Control(button);
        target.setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(target.hasFocus());
        QTest::keyClick(&target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(chart.Events["Fixture." + button.toStdString() + ".Click"], 1);
        int total = 0;
        for (const auto& [name, count] : chart.Events)
            if (name.find(".Click") != std::string::npos)
                total += count;
        QCOMPARE(total, 1);
    }

    void tabOrder_data()
    {
        QTest::addColumn<bool>("backwards");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("Tab") << false << QStringList{"Gas", "Swatch", "Go", "Iron"};
        QTest::newRow("Shift+Tab") << true << QStringList{"Go", "Swatch", "Gas", "Iron"};
    }

    void tabOrder()
    {
        QFETCH(bool, backwards);
        QFETCH(QStringList, expected);
        Chart chart;
        QVERIFY(chart.Launch());
        QTRY_VERIFY(QApplication::focusWidget());
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Iron"));
        for (const QString& name : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab,
                            backwards ? Qt::ShiftModifier : Qt::NoModifier);
            QCOMPARE(QApplication::focusWidget()->objectName(), name);
        }
    }

    void swatchTakesFocusButNoKeys()
    {
        Chart chart;
        QVERIFY(chart.Launch());
        QWidget& swatch = chart.Control("Swatch");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), &swatch);
        const QImage focused = swatch.grab().toImage();
        for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_A, Qt::Key_Up}) {
            QTest::keyClick(&swatch, key);
            QCOMPARE(QApplication::focusWidget(), &swatch);
        }
        for (const auto& [name, count] : chart.Events)
            QVERIFY2(name.find(".Click") == std::string::npos || count == 0, name.c_str());
        QTest::keyClick(&swatch, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), &chart.Control("Go"));
        QCOMPARE(swatch.grab().toImage(), focused);
    }

    void activateRule()
    {
        Chart chart;
        auto& events = chart.Events;
        chart.Runtime.Launch("Fixture");
        QCOMPARE(events["Fixture.Load"], 1);
        QCOMPARE(events["Fixture.Activate"], 1); // before any event is processed
        QWidget& main = chart.Main();
        QVERIFY(WaitActive(main));
        QTest::qWait(20);
        QCOMPARE(events["Fixture.Activate"], 1);

        chart.Runtime.SetVisible("Other", true);
        QWidget& other = chart.Other();
        QVERIFY(WaitActive(other));
        QCOMPARE(events["Other.Activate"], 1);
        QCOMPARE(events["Fixture.Activate"], 1);

        main.activateWindow();
        QVERIFY(WaitActive(main));
        QCOMPARE(events["Fixture.Activate"], 2);

        // Another application's window: coming back from it is no change.
        QWidget foreign;
        foreign.resize(60, 40);
        foreign.show();
        foreign.activateWindow();
        QVERIFY(WaitActive(foreign));
        main.activateWindow();
        QVERIFY(WaitActive(main));
        QCOMPARE(events["Fixture.Activate"], 2);

        other.activateWindow();
        QVERIFY(WaitActive(other));
        QCOMPARE(events["Other.Activate"], 2);
        QCOMPARE(events["Fixture.Load"], 1);
    }

    void showAndHide()
    {
        Chart chart;
        QVERIFY(chart.Launch());
        QWidget& main = chart.Main();
        const QRect screen = main.screen()->availableGeometry();
        QVERIFY((main.frameGeometry().center() - screen.center()).manhattanLength() <= 2);

        QWidget& other = chart.Other();
        QVERIFY(chart.Runtime.IsCreated("Other"));
        QVERIFY(!chart.Runtime.IsVisible("Other"));
        chart.Runtime.SetVisible("Other", true);
        QVERIFY(WaitActive(other));
        QVERIFY(chart.Runtime.IsVisible("Other"));
        QVERIFY((other.frameGeometry().center() - screen.center()).manhattanLength() <= 2);
        QCOMPARE(QApplication::focusWidget(), &chart.Control("Ok", "Other"));
        QVERIFY(main.isEnabled());

        other.move(screen.topLeft() + QPoint(20, 30));
        const QPoint moved = other.pos();
        chart.Runtime.SetCaption("Other", "Name", "kept");
        chart.Runtime.SetVisible("Other", false);
        QVERIFY(!other.isVisible());
        chart.Runtime.SetVisible("Other", false); // hiding a hidden window changes nothing
        chart.Runtime.SetVisible("Other", true);
        QVERIFY(QTest::qWaitForWindowExposed(&other));
        QCOMPARE(&chart.Other(), &other);
        QCOMPARE(other.pos(), moved);
        QCOMPARE(chart.Runtime.Caption("Other", "Name"), std::string("kept"));
    }

    void windowFlags_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("minimise");
        QTest::addColumn<bool>("maximise");
        QTest::addColumn<bool>("fixedSize");
        QTest::addColumn<QString>("owner");
        QTest::addColumn<QString>("title");
        QTest::newRow("sizable main window without maximise")
            << "Fixture" << int(Qt::Window) << true << false << false << "" << "Fixture window";
        QTest::newRow("fixed dialog without taskbar entry")
            << "Other" << int(Qt::Dialog) << false << false << true << "Fixture"
            << "About the fixture";
    }

    void windowFlags()
    {
        QFETCH(QString, window);
        QFETCH(int, type);
        QFETCH(bool, minimise);
        QFETCH(bool, maximise);
        QFETCH(bool, fixedSize);
        QFETCH(QString, owner);
        QFETCH(QString, title);
        Chart chart;
        chart.Main();
        QWidget& top = chart.Runtime.Window(window.toStdString());
        const Qt::WindowFlags flags = top.windowFlags();
        QCOMPARE(int(top.windowType()), type);
        QVERIFY(flags.testFlag(Qt::WindowTitleHint));
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QCOMPARE(flags.testFlag(Qt::WindowMinimizeButtonHint), minimise);
        QCOMPARE(flags.testFlag(Qt::WindowMaximizeButtonHint), maximise);
        QCOMPARE(top.minimumSize() == top.maximumSize(), fixedSize);
        QCOMPARE(top.parentWidget() ? top.parentWidget()->objectName() : QString(), owner);
        QCOMPARE(top.windowTitle(), title);
        QVERIFY(!top.windowIcon().isNull());
    }

    void closingThroughTheWindowSystem()
    {
        Chart chart;
        QVERIFY(chart.Launch());
        chart.Runtime.SetVisible("Other", true);
        QWidget& other = chart.Other();
        QVERIFY(WaitActive(other));

        QTest::keyClick(&other, Qt::Key_Escape);
        QVERIFY(other.isVisible());
        QCOMPARE(chart.Events["Other.Ok.Click"], 0);

        QVERIFY(!other.close()); // acts as Ok, which hides the window
        QCOMPARE(chart.Events["Other.Ok.Click"], 1);
        QVERIFY(!other.isVisible());
        QVERIFY(!chart.Runtime.HasEnded());

        chart.Runtime.SetVisible("Other", true);
        chart.Main().close(); // ends the program
        QVERIFY(chart.Runtime.HasEnded());
        QVERIFY(!chart.Runtime.IsVisible("Fixture"));
        QVERIFY(!chart.Runtime.IsVisible("Other"));
    }

    void noHandlerAfterEnd()
    {
        Chart chart;
        QVERIFY(chart.Launch());
        QAbstractButton& go = chart.Button("Go");
        QMetaObject::invokeMethod(&go, "click", Qt::QueuedConnection);
        chart.Runtime.On("Fixture", "Iron", Event::Click, [&chart] {
            chart.Runtime.End();
            chart.Runtime.SetVisible("Other", true);
        });
        chart.Button("Iron").click();
        QVERIFY(chart.Runtime.HasEnded());
        QCoreApplication::processEvents();
        QCOMPARE(chart.Events["Fixture.Go.Click"], 0);
        go.click();
        chart.Button("Gas").click();
        chart.Main().activateWindow();
        QTest::qWait(20);
        QCOMPARE(chart.Events["Fixture.Go.Click"], 0);
        QCOMPARE(chart.Events["Fixture.Gas.Click"], 0);
        QCOMPARE(chart.Events["Fixture.Activate"], 1);
        QVERIFY(!chart.Runtime.IsVisible("Fixture"));
        QVERIFY(!chart.Runtime.IsVisible("Other"));
    }

    void failureIsReported_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("event");
        QTest::addColumn<QString>("expected");
        QTest::newRow("unknown window in Load")
            << "" << int(Event::Load) << "karvelo: error in Fixture.Load: no window named Nowhere";
        QTest::newRow("unknown control in Activate")
            << "" << int(Event::Activate)
            << "karvelo: error in Fixture.Activate: Fixture has no control named Label99";
        QTest::newRow("caption of a swatch in Click")
            << "Iron" << int(Event::Click)
            << "karvelo: error in Fixture.Iron.Click: Fixture.Swatch has no caption";
    }

    void failureIsReported()
    {
        QFETCH(QString, control);
        QFETCH(int, event);
        QFETCH(QString, expected);
        Chart chart;
        FormRuntime& runtime = chart.Runtime;
        const Event kind = Event(event);
        runtime.On("Fixture", control.toStdString(), kind, [&runtime, kind] {
            switch (kind) {
            case Event::Load: runtime.SetCaption("Nowhere", "Label1", "x"); break;
            case Event::Activate: runtime.SetCaption("Fixture", "Label99", "x"); break;
            case Event::Click: runtime.Caption("Fixture", "Swatch"); break;
            }
            QFAIL("the failing operation did not end the handler");
        });
        QVERIFY(chart.Launch());
        if (kind == Event::Click)
            chart.Button("Iron").click();
        QCOMPARE(chart.Reports, std::vector<std::string>{expected.toStdString()});

        // The program runs on.
        QVERIFY(!runtime.HasEnded());
        chart.Button("Gas").click();
        QCOMPARE(chart.Events["Fixture.Gas.Click"], 1);
        QCOMPARE(chart.Reports.size(), std::size_t(1));
    }

    void defaultReportGoesToStandardError()
    {
        QTemporaryFile capture;
        QVERIFY(capture.open());
        std::fflush(stderr);
        const int saved = ::dup(STDERR_FILENO);
        QVERIFY(saved >= 0);
        QVERIFY(::dup2(capture.handle(), STDERR_FILENO) >= 0);
        {
            FormRuntime runtime;
            runtime.AddWindow(Fixture());
            runtime.On("Fixture", "Go", Event::Click, [] { throw RuntimeError("boom"); });
            qobject_cast<QAbstractButton*>(&runtime.Control("Fixture", "Go"))->click();
        }
        std::fflush(stderr);
        ::dup2(saved, STDERR_FILENO);
        ::close(saved);
        capture.seek(0);
        QCOMPARE(capture.readAll(), QByteArray("karvelo: error in Fixture.Go.Click: boom\n"));
    }

    void wiring_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("event");
        QTest::addColumn<bool>("valid");
        QTest::newRow("Load of a window") << "Fixture" << "" << int(Event::Load) << true;
        QTest::newRow("Activate of a window") << "Other" << "" << int(Event::Activate) << true;
        QTest::newRow("Click of a standard button") << "Other" << "Ok" << int(Event::Click)
                                                    << true;
        QTest::newRow("Click of a graphical button") << "Fixture" << "Iron" << int(Event::Click)
                                                     << true;
        QTest::newRow("Click of a window") << "Fixture" << "" << int(Event::Click) << false;
        QTest::newRow("Click of a label") << "Fixture" << "Value" << int(Event::Click) << false;
        QTest::newRow("Click of a swatch") << "Fixture" << "Swatch" << int(Event::Click) << false;
        QTest::newRow("Click of a frame") << "Fixture" << "Frame1" << int(Event::Click) << false;
        QTest::newRow("Load of a button") << "Fixture" << "Go" << int(Event::Load) << false;
        QTest::newRow("Activate of a button") << "Fixture" << "Go" << int(Event::Activate)
                                              << false;
        QTest::newRow("unknown control") << "Fixture" << "Command7" << int(Event::Click) << false;
        QTest::newRow("control of the other window")
            << "Fixture" << "Ok" << int(Event::Click) << false;
        QTest::newRow("unknown window") << "Form9" << "" << int(Event::Load) << false;
    }

    void wiring()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(int, event);
        QFETCH(bool, valid);
        Chart chart;
        auto wire = [&] {
            chart.Runtime.On(window.toStdString(), control.toStdString(), Event(event), [] {});
        };
        if (valid)
            wire();
        else
            QVERIFY_THROWS_EXCEPTION(RuntimeError, wire());
    }

    void captions_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("empty text") << "Fixture" << "Value" << QByteArray("");
        QTest::newRow("gas marker") << "Fixture" << "Value" << QByteArray("0.0899\xE2\x80\xA0");
        QTest::newRow("valences") << "Fixture" << "Value" << QByteArray("1, 2, 3, 4, 5");
        QTest::newRow("degree sign") << "Fixture" << "Left" << QByteArray("Boiling Point, \xC2\xB0"
                                                                          "C :");
        QTest::newRow("ampersand shown as such") << "Fixture" << "Left" << QByteArray("&Go");
        QTest::newRow("blanks kept") << "Fixture" << "Note" << QByteArray("  two  blanks  ");
        QTest::newRow("label in a frame") << "Fixture" << "Inner" << QByteArray("3d");
        QTest::newRow("frame") << "Fixture" << "Frame1" << QByteArray("Eigenschaften");
        QTest::newRow("button") << "Other" << "Ok" << QByteArray("&Close");
        QTest::newRow("graphical button") << "Fixture" << "Gas" << QByteArray("2        He");
    }

    void captions()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QByteArray, text);
        Chart chart;
        const std::string w = window.toStdString();
        const std::string c = control.toStdString();
        const std::string exact(text.constData(), std::size_t(text.size()));
        chart.Runtime.SetCaption(w, c, exact);
        QCOMPARE(chart.Runtime.Caption(w, c), exact);
        QWidget& widget = chart.Runtime.Control(w, c);
        const QString shown = QString::fromUtf8(text);
        if (auto* label = qobject_cast<QLabel*>(&widget)) {
            QCOMPARE(label->text(), shown);
            QCOMPARE(label->textFormat(), Qt::PlainText);
        } else if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
            QCOMPARE(button->text(), shown);
        } else {
            QCOMPARE(widget.accessibleName(), shown);
        }
    }

    void captionErrors_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::newRow("unknown control") << "Fixture" << "Label99";
        QTest::newRow("unknown window") << "Nowhere" << "Value";
        QTest::newRow("swatch") << "Fixture" << "Swatch";
        QTest::newRow("line") << "Fixture" << "Bar";
        QTest::newRow("image") << "Fixture" << "Image1";
    }

    void captionErrors()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        Chart chart;
        const std::string w = window.toStdString();
        const std::string c = control.toStdString();
        QVERIFY_THROWS_EXCEPTION(RuntimeError, chart.Runtime.SetCaption(w, c, "x"));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, chart.Runtime.Caption(w, c));
    }

    void singleInstanceLoadedHidden()
    {
        Chart chart;
        FormRuntime& runtime = chart.Runtime;
        bool hiddenDuringLoad = false;
        runtime.On("Fixture", "", Event::Load, [&] {
            ++chart.Events["Fixture.Load"];
            hiddenDuringLoad = !runtime.Window("Fixture").isVisible();
            runtime.SetCaption("Fixture", "Value", "");
        });
        QVERIFY(!runtime.IsCreated("Fixture"));
        QWidget& first = runtime.Window("Fixture");
        QVERIFY(runtime.IsCreated("Fixture"));
        QCOMPARE(&runtime.Window("Fixture"), &first);
        QCOMPARE(chart.Events["Fixture.Load"], 1);
        QVERIFY(hiddenDuringLoad);
        QVERIFY(!first.isVisible());
        QCOMPARE(runtime.Caption("Fixture", "Value"), std::string());

        QVERIFY(!runtime.IsCreated("Other"));
        runtime.Control("Other", "Ok");
        QVERIFY(runtime.IsCreated("Other"));
        QVERIFY(!runtime.IsVisible("Other"));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, runtime.Window("Nowhere"));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, runtime.Control("Fixture", "Nope"));
    }

    void layoutErrors_data()
    {
        QTest::addColumn<int>("fault");
        QTest::newRow("window declared twice") << 0;
        QTest::newRow("control declared twice") << 1;
        QTest::newRow("parent is no frame") << 2;
        QTest::newRow("closing clicks a label") << 3;
        QTest::newRow("unknown system colour") << 4;
    }

    void layoutErrors()
    {
        QFETCH(int, fault);
        FormRuntime runtime;
        runtime.AddWindow(Fixture());
        WindowLayout layout = Dialog();
        switch (fault) {
        case 0: layout.Name = "Fixture"; break;
        case 1: layout.Controls[1].Name = "Name"; break;
        case 2: layout.Controls[0].Parent = "Ok"; break;
        case 3: layout.CloseClicks = "Name"; break;
        case 4: layout.Controls[0].ForeColour = 0x80000042; break;
        }
        QVERIFY_THROWS_EXCEPTION(RuntimeError, runtime.AddWindow(layout));
    }

    void accessibleTexts_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("role"); // -1: any
        QTest::addColumn<QString>("name");
        QTest::newRow("graphical button") << "Iron" << int(QAccessible::Button) << "26      Fe";
        QTest::newRow("standard button") << "Go" << int(QAccessible::Button) << "Go";
        QTest::newRow("label") << "Value" << int(QAccessible::StaticText) << "Label10";
        QTest::newRow("frame") << "Frame1" << -1 << "Properties";
        QTest::newRow("swatch") << "Swatch" << -1 << "Not Yet Known colour";
    }

    void accessibleTexts()
    {
        QFETCH(QString, control);
        QFETCH(int, role);
        QFETCH(QString, name);
        Chart chart;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&chart.Control(control));
        QVERIFY(face);
        if (role >= 0)
            QCOMPARE(int(face->role()), role);
        QCOMPARE(face->text(QAccessible::Name), name);
    }
};

QTEST_MAIN(FormRuntimeTest)
#include "FormRuntimeTest.moc"
