// SPDX-License-Identifier: MIT
#include "Controls.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace karvelo::runtime::detail {

namespace {

constexpr int EdgeWidth = 2;
constexpr int FocusInset = 4;
constexpr int FrameCaptionLeft = 7;
constexpr int FrameCaptionPadding = 2;

QColor Mix(const QColor& from, const QColor& to, double amount)
{
    auto channel = [amount](int a, int b) {
        return static_cast<int>(std::lround(a + (b - a) * amount));
    };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()));
}

QColor AppColour(QPalette::ColorRole role) { return QGuiApplication::palette().color(role); }

// The edges of a graphical button are shaded from its own face colour, so
// they stay coherent whatever the palette.
EdgeShades RaisedShades(const QColor& face)
{
    return {Mix(face, Qt::white, 0.85), Mix(face, Qt::black, 0.7), Mix(face, Qt::white, 0.45),
            Mix(face, Qt::black, 0.35)};
}

EdgeShades PressedShades(const QColor& face)
{
    return {Mix(face, Qt::black, 0.7), Mix(face, Qt::white, 0.85), Mix(face, Qt::black, 0.35),
            face};
}

// Windows draws the focus rectangle as alternate pixels.
void DrawFocusRect(QPainter& painter, const QRect& rect, const QColor& colour)
{
    if (rect.width() < 2 || rect.height() < 2)
        return;
    for (int x = rect.left(); x <= rect.right(); x += 2) {
        painter.fillRect(QRect(x, rect.top(), 1, 1), colour);
        painter.fillRect(QRect(x, rect.bottom(), 1, 1), colour);
    }
    for (int y = rect.top(); y <= rect.bottom(); y += 2) {
        painter.fillRect(QRect(rect.left(), y, 1, 1), colour);
        painter.fillRect(QRect(rect.right(), y, 1, 1), colour);
    }
}

int CeilWidth(const QFont& font, const QString& text)
{
    return static_cast<int>(std::ceil(QFontMetricsF(font).horizontalAdvance(text)));
}

} // namespace

QColor ColourRef::Resolve() const
{
    if (const auto* fixed = std::get_if<QColor>(&value_))
        return *fixed;
    return AppColour(std::get<QPalette::ColorRole>(value_));
}

EdgeShades SunkenShades()
{
    return {AppColour(QPalette::Dark), AppColour(QPalette::Light), AppColour(QPalette::Shadow),
            AppColour(QPalette::Midlight)};
}

void DrawEdge(QPainter& painter, const QRect& rect, const EdgeShades& shades)
{
    auto ring = [&painter](const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
        if (r.width() <= 0 || r.height() <= 0)
            return;
        painter.fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), topLeft);
        painter.fillRect(QRect(r.left(), r.top(), 1, r.height() - 1), topLeft);
        painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
        painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
    };
    ring(rect, shades.OuterTopLeft, shades.OuterBottomRight);
    ring(rect.adjusted(1, 1, -1, -1), shades.InnerTopLeft, shades.InnerBottomRight);
}

// Label

Label::Label(const Look& look, QWidget* parent) : QLabel(parent), look_(look)
{
    setTextFormat(Qt::PlainText);
    setAlignment((look_.RightAligned ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
    setWordWrap(!look_.AutoSize);
    setFocusPolicy(Qt::NoFocus);
    const int border = BorderWidth();
    setContentsMargins(border, border, border, border);
    setAutoFillBackground(look_.Opaque);
    RefreshColours();
}

int Label::BorderWidth() const { return look_.Sunken ? EdgeWidth : 0; }

void Label::SetCaption(const QString& text)
{
    setText(text);
    if (look_.AutoSize)
        FitCaption(true);
}

void Label::GrowToCaption()
{
    if (look_.AutoSize)
        FitCaption(false);
}

// Sizes the box to the caption, keeping the left edge (the right edge when
// right-justified) and the top; without mayShrink only a box too small for
// its caption changes.
void Label::FitCaption(bool mayShrink)
{
    const int border = BorderWidth();
    const QRect box = geometry();
    int width = CeilWidth(font(), text()) + 2 * border;
    int height = QFontMetrics(font()).height() + 2 * border;
    if (!mayShrink) {
        if (width <= box.width() && height <= box.height())
            return;
        width = std::max(width, box.width());
        height = std::max(height, box.height());
    }
    const int left = look_.RightAligned ? box.x() + box.width() - width : box.x();
    setGeometry(left, box.y(), width, height);
}

void Label::RefreshColours()
{
    const QColor fore = look_.Fore.Resolve();
    const QColor back = look_.Back.Resolve();
    const QPalette& current = palette();
    if (current.color(QPalette::WindowText) == fore &&
        (!look_.Opaque || current.color(QPalette::Window) == back))
        return;
    QPalette colours;
    colours.setColor(QPalette::WindowText, fore);
    if (look_.Opaque)
        colours.setColor(QPalette::Window, back);
    setPalette(colours);
}


void Label::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!look_.Sunken)
        return;
    QPainter painter(this);
    if (look_.Flat) {
        const QColor line = AppColour(QPalette::WindowText);
        const QRect r = rect();
        painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), line);
        painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), line);
        painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), line);
        painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), line);
    } else {
        DrawEdge(painter, rect(), SunkenShades());
    }
}

// Button

Button::Button(QWidget* parent) : QPushButton(parent) {}

void Button::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (!event->isAutoRepeat())
            click();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

// GraphicalButton

GraphicalButton::GraphicalButton(ColourRef back, ColourRef fore, QWidget* parent)
    : Button(parent), back_(back), fore_(fore)
{
}

GraphicalButton::Lines GraphicalButton::SplitCaption(const QString& caption)
{
    const qsizetype blank = caption.indexOf(u' ');
    if (blank < 0)
        return {caption, QString(), false};
    qsizetype rest = blank;
    while (rest < caption.size() && caption[rest] == u' ')
        ++rest;
    return {caption.left(blank), caption.mid(rest), true};
}

bool GraphicalButton::hitButton(const QPoint& pos) const { return rect().contains(pos); }

void GraphicalButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect r = rect();
    const QColor face = back_.Resolve();
    const QColor text = fore_.Resolve();
    const bool down = isDown();
    painter.fillRect(r, face);
    DrawEdge(painter, r, down ? PressedShades(face) : RaisedShades(face));

    const Lines lines = SplitCaption(this->text());
    const int lineHeight = QFontMetrics(font()).height();
    const int count = lines.Two ? 2 : 1;
    const int shift = down ? 1 : 0;
    const int top = (r.height() - count * lineHeight) / 2 + shift;
    constexpr int flags =
        Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic;
    painter.setFont(font());
    painter.setPen(text);
    painter.drawText(QRect(shift, top, r.width(), lineHeight), flags, lines.First);
    if (lines.Two)
        painter.drawText(QRect(shift, top + lineHeight, r.width(), lineHeight), flags,
                         lines.Second);

    if (hasFocus())
        DrawFocusRect(painter, r.adjusted(FocusInset, FocusInset, -FocusInset, -FocusInset),
                      text);
}

// Frame

Frame::Frame(ColourRef back, ColourRef fore, QWidget* parent)
    : QWidget(parent), back_(back), fore_(fore)
{
    setFocusPolicy(Qt::NoFocus);
}

void Frame::SetCaption(const QString& text)
{
    caption_ = text;
    update();
}

void Frame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor face = back_.Resolve();
    const QColor dark = AppColour(QPalette::Dark);
    const QColor light = AppColour(QPalette::Light);
    const int w = width();
    const int h = height();
    const int lineHeight = QFontMetrics(font()).height();
    const int top = lineHeight / 2;
    painter.fillRect(rect(), face);

    painter.fillRect(QRect(0, top, w - 1, 1), dark);
    painter.fillRect(QRect(0, top, 1, h - top - 1), dark);
    painter.fillRect(QRect(0, h - 2, w - 1, 1), dark);
    painter.fillRect(QRect(w - 2, top, 1, h - top - 1), dark);
    painter.fillRect(QRect(1, top + 1, w - 3, 1), light);
    painter.fillRect(QRect(1, top + 1, 1, h - top - 3), light);
    painter.fillRect(QRect(0, h - 1, w, 1), light);
    painter.fillRect(QRect(w - 1, top, 1, h - top), light);

    if (caption_.isEmpty())
        return;
    const QRect captionBox(FrameCaptionLeft, 0,
                           CeilWidth(font(), caption_) + 2 * FrameCaptionPadding, lineHeight);
    painter.fillRect(captionBox, face);
    painter.setFont(font());
    painter.setPen(fore_.Resolve());
    painter.drawText(captionBox, Qt::AlignCenter | Qt::TextSingleLine, caption_);
}

// Swatch

Swatch::Swatch(ColourRef back, QWidget* parent) : QWidget(parent), back_(back)
{
    setFocusPolicy(Qt::TabFocus);
}

void Swatch::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect().adjusted(EdgeWidth, EdgeWidth, -EdgeWidth, -EdgeWidth),
                     back_.Resolve());
    DrawEdge(painter, rect(), SunkenShades());
}

// Tab and Shift+Tab never get here: QWidget moves the focus on before any
// key handler runs.
void Swatch::keyPressEvent(QKeyEvent* event) { event->accept(); }
void Swatch::keyReleaseEvent(QKeyEvent* event) { event->accept(); }

// Line

Line::Line(QPoint from, QPoint to, int width, ColourRef colour, QWidget* parent)
    : QWidget(parent), width_(std::max(width, 1)), colour_(colour)
{
    const QRect box = QRect(QPoint(std::min(from.x(), to.x()), std::min(from.y(), to.y())),
                            QPoint(std::max(from.x(), to.x()), std::max(from.y(), to.y())))
                          .adjusted(-width_, -width_, width_, width_);
    setGeometry(box);
    from_ = from - box.topLeft();
    to_ = to - box.topLeft();
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void Line::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor colour = colour_.Resolve();
    const int half = width_ / 2;
    if (from_.y() == to_.y()) {
        const int left = std::min(from_.x(), to_.x());
        painter.fillRect(QRect(left, from_.y() - half, std::abs(to_.x() - from_.x()), width_),
                         colour);
    } else if (from_.x() == to_.x()) {
        const int top = std::min(from_.y(), to_.y());
        painter.fillRect(QRect(from_.x() - half, top, width_, std::abs(to_.y() - from_.y())),
                         colour);
    } else {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(colour, width_, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(from_, to_);
    }
}

// PaletteWatcher

PaletteWatcher::PaletteWatcher(std::function<void()> changed) : changed_(std::move(changed))
{
    if (QCoreApplication* app = QCoreApplication::instance())
        app->installEventFilter(this);
}

bool PaletteWatcher::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == QCoreApplication::instance() &&
        event->type() == QEvent::ApplicationPaletteChange && changed_)
        changed_();
    return false;
}

// FormWindow

FormWindow::FormWindow(QWidget* parent, Qt::WindowFlags flags) : QWidget(parent, flags) {}

void FormWindow::SetBackColour(ColourRef colour)
{
    back_ = colour;
    RefreshColours();
}

void FormWindow::RefreshColours()
{
    if (!back_)
        return;
    const QColor back = back_->Resolve();
    if (autoFillBackground() && palette().color(QPalette::Window) == back)
        return;
    QPalette colours;
    colours.setColor(QPalette::Window, back);
    setPalette(colours);
    setAutoFillBackground(true);
}

bool FormWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && Activated)
        Activated();
    else if (event->type() == QEvent::ApplicationPaletteChange ||
             event->type() == QEvent::PaletteChange)
        RefreshColours();
    return QWidget::event(event);
}

void FormWindow::closeEvent(QCloseEvent* event)
{
    if (MayClose && MayClose()) {
        event->accept();
        return;
    }
    event->ignore();
    if (CloseRequested)
        CloseRequested();
}


} // namespace karvelo::runtime::detail
