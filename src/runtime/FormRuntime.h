// SPDX-License-Identifier: MIT
#pragma once

// The form runtime: builds top-level windows and their controls from
// declarative layouts, delivers Load, Activate and Click to handlers
// registered by window and control name, and ends the program.
//
// A layout is plain data in the units of its designer: positions and sizes
// in twips (15 to a logical pixel), colours as 0x00BBGGRR or as a system
// colour 0x800000nn, fonts by face, point size and weight. Every window and
// control carries its layout name as its Qt objectName. The runtime knows
// nothing of what the windows are for.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class QApplication;
class QWidget;

namespace karvelo::runtime {

using Twips = int;
using Colour = std::uint32_t;

inline constexpr int TwipsPerPixel = 15;
inline constexpr Colour SystemWindowBackground = 0x80000005;
inline constexpr Colour SystemWindowText = 0x80000008;

// A failed runtime operation (an unknown window or control, a caption set on
// a control that has none, an invalid floating-point result). Raised inside a
// handler it ends that handler; the runtime reports it and keeps running.
struct RuntimeError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

enum class ControlKind {
    Label,           // text label
    Button,          // push button in the standard style
    GraphicalButton, // push button that paints its own back colour
    Frame,           // captioned frame; its children are placed relative to it
    Swatch,          // picture box showing nothing but its back colour
    Line,            // straight line
    Image,           // a picture at its natural size
};

struct Rect {
    Twips Left = 0;
    Twips Top = 0;
    Twips Width = 0;
    Twips Height = 0;
};

struct FontSpec {
    std::string_view Face = "Comic Sans MS";
    double Points = 12.0;
    int Weight = 400; // 400 regular, 700 bold
};

enum class Alignment { Left, Right };
enum class LabelBorder { None, Sunken };
enum class Appearance { ThreeD, Flat };

// One row of a window's layout: one control.
struct ControlLayout {
    ControlKind Kind = ControlKind::Label;
    std::string Name{};
    std::string Caption{};
    // For a Line: Left/Top is (X1, Y1) and Width/Height is (X2 - X1, Y2 - Y1).
    Rect Box{};
    FontSpec Font{};
    // A standard button keeps the style's own colours and ignores both.
    std::optional<Colour> BackColour{}; // none: the button face
    std::optional<Colour> ForeColour{}; // none: the button text (a line: window text)
    // Labels only.
    bool AutoSize = true;
    Alignment Align = Alignment::Left;
    bool Opaque = false;
    LabelBorder Border = LabelBorder::None;
    Appearance Look = Appearance::ThreeD;
    // Focus order among the window's controls; -1 for a control that never
    // takes the focus.
    int TabIndex = -1;
    // The Frame this control stands in, or empty for the window itself.
    std::string Parent{};
    int LineWidth = 1;                     // Line only, in pixels
    const char* const* Picture = nullptr;  // Image only: XPM data
    // What assistive technology announces, when the caption alone would not
    // say it (empty: the caption).
    std::string AccessibleName{};
    std::string AccessibleDescription{};
};

enum class WindowBorder { Sizable, FixedDialog };

struct WindowLayout {
    std::string Name{};
    std::string Caption{};
    Twips ClientWidth = 0;
    Twips ClientHeight = 0;
    std::optional<Colour> BackColour{}; // none: the platform's dialog colour
    WindowBorder Border = WindowBorder::Sizable;
    bool MinButton = true;
    bool MaxButton = true;
    // false: a dialog transient for the program's first window, which
    // window managers keep out of the taskbar.
    bool ShowInTaskbar = true;
    const char* const* Icon = nullptr; // XPM data
    // Closing through the window system clicks this button; empty: closing
    // ends the program.
    std::string CloseClicks{};
    std::vector<ControlLayout> Controls{};
};

enum class Event { Load, Activate, Click };
using Handler = std::function<void()>;

// Sets the one look the runtime renders everywhere (Fusion with its standard
// palette) and the font substitutes. Call once, after creating the
// application object and before building any window.
void ApplyLook(QApplication& app);

// Every operation that names a window or a control throws RuntimeError for
// a name the layouts do not have. All calls come from the user-interface
// thread, after the QApplication exists.
class FormRuntime {
public:
    FormRuntime();
    ~FormRuntime();
    FormRuntime(const FormRuntime&) = delete;
    FormRuntime& operator=(const FormRuntime&) = delete;

    // Declares a window; it is built on its first use.
    void AddWindow(WindowLayout layout);

    // Wires a handler. An empty control names the window itself (Load,
    // Activate); Click needs a button. Throws RuntimeError for a name the
    // layouts do not have or an event the control cannot raise.
    void On(std::string_view window, std::string_view control, Event event, Handler handler);

    // The window's single instance, built hidden on first use, which
    // delivers its Load.
    QWidget& Window(std::string_view window);
    bool IsCreated(std::string_view window) const;

    // true: shown modeless and activated (centred on the screen the first
    // time, afterwards where it was); false: hidden, nothing destroyed.
    void SetVisible(std::string_view window, bool visible);
    bool IsVisible(std::string_view window) const;

    // The named control of a window (building the window if need be).
    QWidget& Control(std::string_view window, std::string_view control);

    // A label's caption: shown exactly, the empty text included; an AutoSize
    // label resizes to it, keeping its left edge (its right edge when right
    // justified).
    void SetCaption(std::string_view window, std::string_view control, std::string_view text);
    std::string Caption(std::string_view window, std::string_view control);

    // Start-up: build the window, deliver Load, show it centred with the
    // focus on its first tab stop, deliver Activate. Returns at once.
    void Launch(std::string_view firstWindow);
    // Launch, then handle events until End; returns the exit status.
    int Start(std::string_view firstWindow);

    // Ends the program at once: no handler runs after it.
    void End();
    bool HasEnded() const;

    // Where a failure inside a handler is reported, one line each, e.g.
    // "karvelo: error in Form1.Command26.Click: <what>". By default the line
    // goes to standard error; an empty function restores that.
    void SetErrorReporter(std::function<void(std::string_view)> reporter);

    struct Impl;

private:
    std::unique_ptr<Impl> impl_;
};

} // namespace karvelo::runtime
