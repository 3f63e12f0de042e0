// SPDX-License-Identifier: MIT
#pragma once

// The widgets behind the layouts' controls. Private to the runtime: the
// windows reach them only as QWidget through FormRuntime::Control.
//
// Every control paints in logical pixels with QPainter (fills and text, no
// intermediate bitmaps), so the device pixel ratio scales edges and glyphs
// crisply. Colours that name a role of the window system's scheme are looked
// up in the application palette each time they are drawn or applied.

#include <QColor>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>
#include <variant>

class QPainter;

namespace karvelo::runtime::detail {

// A colour as a layout gives it: either fixed, or a role of the application
// palette (the window system's scheme).
class ColourRef {
public:
    ColourRef(QColor fixed) : value_(fixed) {}
    ColourRef(QPalette::ColorRole role) : value_(role) {}
    QColor Resolve() const;

private:
    std::variant<QColor, QPalette::ColorRole> value_;
};

// The four shades of a Windows 3-D edge: outer top-left, outer bottom-right,
// inner top-left, inner bottom-right.
struct EdgeShades {
    QColor OuterTopLeft;
    QColor OuterBottomRight;
    QColor InnerTopLeft;
    QColor InnerBottomRight;
};

// The sunken edge of a label or picture box, in the application palette's
// shadow and light colours.
EdgeShades SunkenShades();

// Paints a 2-pixel 3-D edge just inside rect.
void DrawEdge(QPainter& painter, const QRect& rect, const EdgeShades& shades);

// A text label. Shows its text exactly (plain text, no mnemonic), in its
// font and fore colour, left or right justified at the top, transparent or
// opaque, with an optional 2-pixel sunken edge (a flat look draws it as one
// plain line). With AutoSize it resizes to each new text keeping its top and
// its left edge (its right edge when right justified); without it the box is
// fixed and the text wraps at word boundaries. Handles no input.
class Label : public QLabel {
public:
    struct Look {
        ColourRef Fore = QPalette::ButtonText;
        ColourRef Back = QPalette::Button;
        bool Opaque = false;
        bool Sunken = false;
        bool Flat = false;
        bool AutoSize = true;
        bool RightAligned = false;
    };

    Label(const Look& look, QWidget* parent);
    void SetCaption(const QString& text);
    // At start the layout's box stands, unless its caption does not fit.
    void GrowToCaption();
    int BorderWidth() const;
    // Takes the colours that name palette roles from the application
    // palette again.
    void RefreshColours();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void FitCaption(bool mayShrink);
    Look look_;
};

// A push button in the standard style (the style's own face and text
// colours). Enter and Return click it as Space does; "&" in its text marks
// the access key.
class Button : public QPushButton {
public:
    explicit Button(QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// A push button in graphical style: it paints its whole face itself, in its
// own back colour whatever the palette or desktop theme, with a raised 3-D
// edge, a sunken edge and a 1-pixel text shift while pressed, and a dotted
// focus rectangle. The caption is drawn as two centred lines split at its
// run of blanks ("26      Fe" shows "26" above "Fe"); text() stays the exact
// caption for assistive technology.
class GraphicalButton : public Button {
public:
    GraphicalButton(ColourRef back, ColourRef fore, QWidget* parent);

    // The caption's two lines; the second is empty when the caption has no
    // blank or ends in its run of blanks.
    struct Lines {
        QString First;
        QString Second;
        bool Two = false;
    };
    static Lines SplitCaption(const QString& caption);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    ColourRef back_;
    ColourRef fore_;
};

// A captioned frame: its back colour, an etched line around it from half the
// caption's height down, and the caption set into the top edge. Its children
// stand relative to its top-left corner. Takes no focus and no input.
class Frame : public QWidget {
public:
    Frame(ColourRef back, ColourRef fore, QWidget* parent);
    void SetCaption(const QString& text);
    const QString& Caption() const { return caption_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ColourRef back_;
    ColourRef fore_;
    QString caption_;
};

// A colour swatch: a box of its back colour inside a 2-pixel sunken edge. It
// can take the focus by Tab but shows no focus mark and reacts to no key.
class Swatch : public QWidget {
public:
    Swatch(ColourRef back, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    ColourRef back_;
};

// A solid straight line of a given width in logical pixels between two
// points of its parent. The widget covers the line's bounding box grown by
// the width; mouse events pass through it.
class Line : public QWidget {
public:
    Line(QPoint from, QPoint to, int width, ColourRef colour, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint from_; // in the widget's own coordinates
    QPoint to_;
    int width_;
    ColourRef colour_;
};

// A top-level window of the runtime: its back colour, and hooks for the
// runtime to hear of its activation and of a close request from the window
// system. The close itself is always refused here; the runtime decides what
// follows. Escape does nothing.
class FormWindow : public QWidget {
public:
    FormWindow(QWidget* parent, Qt::WindowFlags flags);
    void SetBackColour(ColourRef colour);
    void RefreshColours();

    std::function<void()> Activated;
    std::function<void()> CloseRequested;
    std::function<bool()> MayClose; // true once the program has ended

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    std::optional<ColourRef> back_;
};

// Calls back after each change of the application palette. The controls
// that paint themselves look their colours up as they paint; those that
// hand colours to Qt through a widget palette need refreshing.
class PaletteWatcher : public QObject {
public:
    explicit PaletteWatcher(std::function<void()> changed);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> changed_;
};

} // namespace karvelo::runtime::detail
