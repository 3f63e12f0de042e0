// SPDX-License-Identifier: MIT
#include "FormRuntime.h"

#include "Controls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFont>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QScreen>
#include <QStyle>
#include <QWindow>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <exception>
#include <tuple>

namespace karvelo::runtime {

namespace {

using detail::ColourRef;

int Px(Twips twips) { return static_cast<int>(std::lround(twips / double(TwipsPerPixel))); }

QRect PxRect(const Rect& box)
{
    return QRect(Px(box.Left), Px(box.Top), Px(box.Width), Px(box.Height));
}

QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Fonts are sized in pixels at 96 dots per inch, whatever the screen reports,
// so the layouts' twip boxes fit their texts everywhere.
QFont MakeFont(const FontSpec& wanted)
{
    QFont font;
    font.setFamilies({ToQString(wanted.Face)});
    font.setPixelSize(static_cast<int>(std::lround(wanted.Points * 96.0 / 72.0)));
    font.setWeight(static_cast<QFont::Weight>(std::clamp(wanted.Weight, 100, 900)));
    font.setItalic(false);
    font.setUnderline(false);
    return font;
}

std::string Hex(Colour colour)
{
    char digits[8];
    const auto result = std::to_chars(digits, digits + sizeof digits, colour, 16);
    return "0x" + std::string(digits, result.ptr);
}

// The Windows system colour indexes that have a counterpart in the palette.
struct SystemColour {
    Colour Index;
    QPalette::ColorRole Role;
};
constexpr Colour SystemColourFlag = 0x80000000;
constexpr SystemColour SystemColours[] = {
    {0x05, QPalette::Base},        {0x08, QPalette::Text},
    {0x0D, QPalette::Highlight},   {0x0E, QPalette::HighlightedText},
    {0x0F, QPalette::Button},      {0x10, QPalette::Dark},
    {0x12, QPalette::ButtonText},  {0x14, QPalette::Light},
    {0x15, QPalette::Shadow},      {0x16, QPalette::Midlight},
    {0x17, QPalette::ToolTipText}, {0x18, QPalette::ToolTipBase},
};
static_assert(SystemWindowBackground == (SystemColourFlag | 0x05));
static_assert(SystemWindowText == (SystemColourFlag | 0x08));

ColourRef MakeColour(Colour colour)
{
    if (colour & SystemColourFlag) {
        for (const SystemColour& system : SystemColours)
            if ((SystemColourFlag | system.Index) == colour)
                return system.Role;
        throw RuntimeError("unknown system colour " + Hex(colour));
    }
    if (colour > 0x00FFFFFF)
        throw RuntimeError("invalid colour " + Hex(colour));
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

ColourRef ColourOr(const std::optional<Colour>& colour, QPalette::ColorRole standard)
{
    return colour ? MakeColour(*colour) : ColourRef(standard);
}

std::string_view EventName(Event event)
{
    switch (event) {
    case Event::Load: return "Load";
    case Event::Activate: return "Activate";
    case Event::Click: return "Click";
    }
    return "?";
}

bool IsButton(ControlKind kind)
{
    return kind == ControlKind::Button || kind == ControlKind::GraphicalButton;
}

bool HasCaption(ControlKind kind)
{
    return kind == ControlKind::Label || IsButton(kind) || kind == ControlKind::Frame;
}

std::string Join(std::string_view window, std::string_view control)
{
    std::string name(window);
    if (!control.empty())
        name.append(".").append(control);
    return name;
}

void ReportToStandardError(std::string_view line)
{
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

} // namespace

void ApplyLook(QApplication& app)
{
    if (QStyle* style = QApplication::setStyle("Fusion"))
        app.setPalette(style->standardPalette());
    QFont::insertSubstitution("Comic Sans MS", "Comic Neue");
}

// One declared window: its layout and, once built, its widgets.
struct WindowState {
    WindowLayout Layout;
    std::map<std::string, std::size_t, std::less<>> ControlIndex;
    std::unique_ptr<detail::FormWindow> Widget;
    std::vector<QWidget*> Controls;     // in layout order
    std::vector<std::string> Captions;  // the texts last set, byte for byte
    QWidget* FirstTabStop = nullptr;
    bool ShownOnce = false;
    QPoint LastPosition;
};

struct FormRuntime::Impl {
    using HandlerKey = std::tuple<std::string, std::string, Event>;

    std::map<std::string, std::unique_ptr<WindowState>, std::less<>> Windows;
    std::vector<WindowState*> BuildOrder;
    std::map<HandlerKey, Handler> Handlers;
    const WindowState* LastActive = nullptr;
    bool Ended = false;
    std::function<void(std::string_view)> Reporter = ReportToStandardError;
    std::unique_ptr<detail::PaletteWatcher> Palette;

    ~Impl()
    {
        Ended = true; // no handler runs while the windows go
        // Later windows may be owned by the first one: release them first.
        for (auto it = BuildOrder.rbegin(); it != BuildOrder.rend(); ++it)
            (*it)->Widget.reset();
    }

    WindowState& Find(std::string_view name) const
    {
        const auto it = Windows.find(name);
        if (it == Windows.end())
            throw RuntimeError("no window named " + std::string(name));
        return *it->second;
    }

    static std::size_t FindControl(const WindowState& window, std::string_view name)
    {
        const auto it = window.ControlIndex.find(name);
        if (it == window.ControlIndex.end())
            throw RuntimeError(window.Layout.Name + " has no control named " + std::string(name));
        return it->second;
    }

    WindowState& Built(std::string_view name)
    {
        WindowState& window = Find(name);
        if (!window.Widget)
            Build(window);
        return window;
    }

    void Validate(const WindowLayout& layout) const;
    void Build(WindowState& window);
    QWidget* MakeControl(WindowState& window, std::size_t index, QWidget* parent);
    void SetTabOrder(WindowState& window);
    void Dispatch(const WindowState& window, std::string_view control, Event event);
    void WindowActivated(const WindowState& window);
    void CloseRequested(WindowState& window);
    void Show(WindowState& window);
    void Hide(WindowState& window);
    void End();
    void RefreshColours();
};

void FormRuntime::Impl::RefreshColours()
{
    for (WindowState* window : BuildOrder) {
        window->Widget->RefreshColours();
        for (QWidget* control : window->Controls)
            if (auto* label = dynamic_cast<detail::Label*>(control))
                label->RefreshColours();
    }
}

void FormRuntime::Impl::Validate(const WindowLayout& layout) const
{
    if (Windows.count(layout.Name))
        throw RuntimeError("window " + layout.Name + " declared twice");
    if (layout.BackColour)
        MakeColour(*layout.BackColour);
    std::map<std::string_view, const ControlLayout*> byName;
    for (const ControlLayout& control : layout.Controls) {
        if (!byName.emplace(control.Name, &control).second)
            throw RuntimeError(Join(layout.Name, control.Name) + " declared twice");
        if (control.BackColour)
            MakeColour(*control.BackColour);
        if (control.ForeColour)
            MakeColour(*control.ForeColour);
    }
    for (const ControlLayout& control : layout.Controls) {
        if (control.Parent.empty())
            continue;
        const auto parent = byName.find(control.Parent);
        if (parent == byName.end() || parent->second->Kind != ControlKind::Frame ||
            !parent->second->Parent.empty())
            throw RuntimeError(Join(layout.Name, control.Name) + " stands in " + control.Parent +
                               ", which is no frame of the window");
        if (control.Kind == ControlKind::Frame)
            throw RuntimeError(Join(layout.Name, control.Name) + ": frames do not nest");
    }
    if (!layout.CloseClicks.empty()) {
        const auto button = byName.find(layout.CloseClicks);
        if (button == byName.end() || !IsButton(button->second->Kind))
            throw RuntimeError(layout.Name + ": closing clicks " + layout.CloseClicks +
                               ", which is no button of the window");
    }
}

void FormRuntime::Impl::Build(WindowState& window)
{
    const WindowLayout& layout = window.Layout;
    const bool fixed = layout.Border == WindowBorder::FixedDialog;
    const bool dialog = fixed || !layout.ShowInTaskbar;

    Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    flags |= dialog ? Qt::Dialog : Qt::Window;
    if (!fixed && layout.MinButton)
        flags |= Qt::WindowMinimizeButtonHint;
    if (!fixed && layout.MaxButton)
        flags |= Qt::WindowMaximizeButtonHint;
    // Without a taskbar entry of its own the window is a dialog transient
    // for the program's first window, as the window managers' taskbars
    // expect of a secondary window.
    QWidget* owner = nullptr;
    if (!layout.ShowInTaskbar && !BuildOrder.empty())
        owner = BuildOrder.front()->Widget.get();

    if (!Palette)
        Palette = std::make_unique<detail::PaletteWatcher>([this] { RefreshColours(); });
    auto widget = std::make_unique<detail::FormWindow>(owner, flags);
    widget->setObjectName(ToQString(layout.Name));
    widget->setWindowTitle(ToQString(layout.Caption));
    if (layout.Icon)
        widget->setWindowIcon(QIcon(QPixmap(layout.Icon)));
    if (layout.BackColour)
        widget->SetBackColour(MakeColour(*layout.BackColour));
    const QSize client(Px(layout.ClientWidth), Px(layout.ClientHeight));
    if (fixed)
        widget->setFixedSize(client);
    else
        widget->resize(client);

    widget->Activated = [this, &window] { WindowActivated(window); };
    widget->CloseRequested = [this, &window] { CloseRequested(window); };
    widget->MayClose = [this] { return Ended; };

    const std::size_t count = layout.Controls.size();
    window.Controls.assign(count, nullptr);
    window.Captions.clear();
    for (const ControlLayout& control : layout.Controls)
        window.Captions.push_back(control.Caption);
    // Frames first, so that the controls standing in them have their parent.
    for (std::size_t i = 0; i < count; ++i)
        if (layout.Controls[i].Kind == ControlKind::Frame)
            window.Controls[i] = MakeControl(window, i, widget.get());
    for (std::size_t i = 0; i < count; ++i) {
        const ControlLayout& control = layout.Controls[i];
        if (control.Kind == ControlKind::Frame)
            continue;
        QWidget* parent = control.Parent.empty()
                              ? widget.get()
                              : window.Controls[FindControl(window, control.Parent)];
        window.Controls[i] = MakeControl(window, i, parent);
    }

    window.Widget = std::move(widget);
    SetTabOrder(window);
    BuildOrder.push_back(&window);
    Dispatch(window, {}, Event::Load);
}

QWidget* FormRuntime::Impl::MakeControl(WindowState& window, std::size_t index, QWidget* parent)
{
    const ControlLayout& layout = window.Layout.Controls[index];
    const QString caption = ToQString(layout.Caption);
    QWidget* control = nullptr;

    switch (layout.Kind) {
    case ControlKind::Label: {
        detail::Label::Look look;
        look.Fore = ColourOr(layout.ForeColour, QPalette::ButtonText);
        look.Back = ColourOr(layout.BackColour, QPalette::Button);
        look.Opaque = layout.Opaque;
        look.Sunken = layout.Border == LabelBorder::Sunken;
        look.Flat = layout.Look == Appearance::Flat;
        look.AutoSize = layout.AutoSize;
        look.RightAligned = layout.Align == Alignment::Right;
        auto* label = new detail::Label(look, parent);
        label->setText(caption);
        control = label;
        break;
    }
    case ControlKind::Button:
    case ControlKind::GraphicalButton: {
        detail::Button* button =
            layout.Kind == ControlKind::Button
                ? new detail::Button(parent)
                : new detail::GraphicalButton(ColourOr(layout.BackColour, QPalette::Button),
                                              ColourOr(layout.ForeColour, QPalette::ButtonText),
                                              parent);
        button->setText(caption);
        QObject::connect(button, &QAbstractButton::clicked, button,
                         [this, &window, name = layout.Name] {
                             Dispatch(window, name, Event::Click);
                         });
        control = button;
        break;
    }
    case ControlKind::Frame: {
        auto* frame = new detail::Frame(ColourOr(layout.BackColour, QPalette::Button),
                                        ColourOr(layout.ForeColour, QPalette::ButtonText), parent);
        frame->SetCaption(caption);
        frame->setAccessibleName(caption);
        control = frame;
        break;
    }
    case ControlKind::Swatch:
        control = new detail::Swatch(ColourOr(layout.BackColour, QPalette::Button), parent);
        break;
    case ControlKind::Line: {
        const Rect& box = layout.Box;
        const QPoint from(Px(box.Left), Px(box.Top));
        const QPoint to(Px(box.Left + box.Width), Px(box.Top + box.Height));
        control = new detail::Line(from, to, layout.LineWidth,
                                   ColourOr(layout.ForeColour, QPalette::Text), parent);
        break;
    }
    case ControlKind::Image: {
        auto* image = new QLabel(parent);
        if (layout.Picture)
            image->setPixmap(QPixmap(layout.Picture));
        control = image;
        break;
    }
    }

    control->setObjectName(ToQString(layout.Name));
    control->setFont(MakeFont(layout.Font));
    if (layout.Kind == ControlKind::Image) {
        const QSize natural = static_cast<QLabel*>(control)->pixmap().deviceIndependentSize().toSize();
        control->setGeometry(QRect(QPoint(Px(layout.Box.Left), Px(layout.Box.Top)), natural));
    } else if (layout.Kind != ControlKind::Line) {
        control->setGeometry(PxRect(layout.Box));
    }
    if (layout.Kind == ControlKind::Label)
        static_cast<detail::Label*>(control)->GrowToCaption();
    if (!layout.AccessibleName.empty())
        control->setAccessibleName(ToQString(layout.AccessibleName));
    if (!layout.AccessibleDescription.empty())
        control->setAccessibleDescription(ToQString(layout.AccessibleDescription));
    return control;
}

void FormRuntime::Impl::SetTabOrder(WindowState& window)
{
    std::vector<std::pair<int, QWidget*>> stops;
    const auto& controls = window.Layout.Controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        QWidget* widget = window.Controls[i];
        const bool focusable =
            controls[i].TabIndex >= 0 &&
            (IsButton(controls[i].Kind) || controls[i].Kind == ControlKind::Swatch);
        if (!focusable) {
            widget->setFocusPolicy(Qt::NoFocus);
            continue;
        }
        widget->setFocusPolicy(controls[i].Kind == ControlKind::Swatch ? Qt::TabFocus
                                                                       : Qt::StrongFocus);
        stops.emplace_back(controls[i].TabIndex, widget);
    }
    std::stable_sort(stops.begin(), stops.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < stops.size(); ++i)
        QWidget::setTabOrder(stops[i - 1].second, stops[i].second);
    window.FirstTabStop = stops.empty() ? nullptr : stops.front().second;
}

void FormRuntime::Impl::Dispatch(const WindowState& window, std::string_view control, Event event)
{
    if (Ended)
        return;
    const auto it = Handlers.find(HandlerKey(window.Layout.Name, std::string(control), event));
    if (it == Handlers.end() || !it->second)
        return;
    // A copy, so that a handler may rewire its own event.
    const Handler handler = it->second;
    std::string failure;
    try {
        handler();
        return;
    } catch (const std::exception& error) {
        failure = error.what();
    } catch (...) {
        failure = "unknown error";
    }
    std::string line = "karvelo: error in " + Join(window.Layout.Name, control);
    line.append(".").append(EventName(event)).append(": ").append(failure);
    Reporter(line);
}

// Activate follows a change of the active window within the program; coming
// back from another application to the same window is no such change.
void FormRuntime::Impl::WindowActivated(const WindowState& window)
{
    if (Ended || LastActive == &window)
        return;
    LastActive = &window;
    Dispatch(window, {}, Event::Activate);
}

void FormRuntime::Impl::CloseRequested(WindowState& window)
{
    if (Ended)
        return;
    if (window.Layout.CloseClicks.empty()) {
        End();
        return;
    }
    QWidget* button = window.Controls[FindControl(window, window.Layout.CloseClicks)];
    static_cast<QAbstractButton*>(button)->click();
}

void FormRuntime::Impl::Show(WindowState& window)
{
    detail::FormWindow& widget = *window.Widget;
    if (!widget.isVisible()) {
        if (!window.ShownOnce) {
            widget.winId(); // the platform window, for its frame margins
            if (const QScreen* screen = QGuiApplication::primaryScreen()) {
                const QMargins frame =
                    widget.windowHandle() ? widget.windowHandle()->frameMargins() : QMargins();
                QRect outer(QPoint(0, 0), widget.size().grownBy(frame));
                outer.moveCenter(screen->availableGeometry().center());
                widget.move(outer.topLeft());
            }
        } else {
            widget.move(window.LastPosition);
        }
    }
    window.ShownOnce = true;
    if (widget.isVisible())
        widget.raise(); // a window being shown comes up in front anyway
    widget.show();
    widget.activateWindow();
    if (window.FirstTabStop)
        window.FirstTabStop->setFocus(Qt::ActiveWindowFocusReason);
}

void FormRuntime::Impl::Hide(WindowState& window)
{
    if (!window.Widget->isVisible())
        return;
    window.LastPosition = window.Widget->pos();
    const bool wasActive = QApplication::activeWindow() == window.Widget.get();
    window.Widget->hide();
    // The window it belongs to takes over, as a window manager would do; a
    // window system without one would otherwise leave no window active.
    if (QWidget* owner = window.Widget->parentWidget(); wasActive && owner && !Ended)
        owner->window()->activateWindow();
}

void FormRuntime::Impl::End()
{
    if (Ended)
        return;
    Ended = true;
    for (WindowState* window : BuildOrder)
        Hide(*window);
    QCoreApplication::exit(0);
}

FormRuntime::FormRuntime() : impl_(std::make_unique<Impl>()) {}
FormRuntime::~FormRuntime() = default;

void FormRuntime::AddWindow(WindowLayout layout)
{
    impl_->Validate(layout);
    auto window = std::make_unique<WindowState>();
    window->Layout = std::move(layout);
    const auto& controls = window->Layout.Controls;
    for (std::size_t i = 0; i < controls.size(); ++i)
        window->ControlIndex.emplace(controls[i].Name, i);
    const std::string name = window->Layout.Name;
    impl_->Windows.emplace(name, std::move(window));
}

void FormRuntime::On(std::string_view window, std::string_view control, Event event,
                     Handler handler)
{
    const WindowState& state = impl_->Find(window);
    if (control.empty()) {
        if (event == Event::Click)
            throw RuntimeError(std::string(window) + " cannot raise Click; its buttons can");
    } else {
        const ControlLayout& layout = state.Layout.Controls[Impl::FindControl(state, control)];
        if (event != Event::Click || !IsButton(layout.Kind))
            throw RuntimeError(Join(window, control) + " cannot raise " +
                               std::string(EventName(event)));
    }
    impl_->Handlers[Impl::HandlerKey(std::string(window), std::string(control), event)] =
        std::move(handler);
}

QWidget& FormRuntime::Window(std::string_view window) { return *impl_->Built(window).Widget; }

bool FormRuntime::IsCreated(std::string_view window) const
{
    return impl_->Find(window).Widget != nullptr;
}

void FormRuntime::SetVisible(std::string_view window, bool visible)
{
    WindowState& state = impl_->Built(window);
    if (impl_->Ended)
        return;
    if (visible)
        impl_->Show(state);
    else
        impl_->Hide(state);
}

bool FormRuntime::IsVisible(std::string_view window) const
{
    const WindowState& state = impl_->Find(window);
    return state.Widget && state.Widget->isVisible();
}

QWidget& FormRuntime::Control(std::string_view window, std::string_view control)
{
    WindowState& state = impl_->Built(window);
    return *state.Controls[Impl::FindControl(state, control)];
}

void FormRuntime::SetCaption(std::string_view window, std::string_view control,
                             std::string_view text)
{
    WindowState& state = impl_->Built(window);
    const std::size_t index = Impl::FindControl(state, control);
    const ControlLayout& layout = state.Layout.Controls[index];
    if (!HasCaption(layout.Kind))
        throw RuntimeError(Join(window, control) + " has no caption");
    state.Captions[index].assign(text);
    const QString caption = ToQString(text);
    QWidget* widget = state.Controls[index];
    switch (layout.Kind) {
    case ControlKind::Label:
        static_cast<detail::Label*>(widget)->SetCaption(caption);
        break;
    case ControlKind::Button:
    case ControlKind::GraphicalButton:
        static_cast<QAbstractButton*>(widget)->setText(caption);
        break;
    case ControlKind::Frame:
        static_cast<detail::Frame*>(widget)->SetCaption(caption);
        if (layout.AccessibleName.empty())
            widget->setAccessibleName(caption);
        break;
    default:
        break;
    }
}

std::string FormRuntime::Caption(std::string_view window, std::string_view control)
{
    WindowState& state = impl_->Built(window);
    const std::size_t index = Impl::FindControl(state, control);
    if (!HasCaption(state.Layout.Controls[index].Kind))
        throw RuntimeError(Join(window, control) + " has no caption");
    return state.Captions[index];
}

void FormRuntime::Launch(std::string_view firstWindow)
{
    WindowState& state = impl_->Built(firstWindow);
    if (impl_->Ended)
        return;
    impl_->Show(state);
    // Delivered here rather than on the window system's activation, which
    // may come late or not at all; when it comes it finds nothing changed.
    impl_->WindowActivated(state);
}

int FormRuntime::Start(std::string_view firstWindow)
{
    Launch(firstWindow);
    if (impl_->Ended)
        return 0;
    return QApplication::exec();
}

void FormRuntime::End() { impl_->End(); }

bool FormRuntime::HasEnded() const { return impl_->Ended; }

void FormRuntime::SetErrorReporter(std::function<void(std::string_view)> reporter)
{
    impl_->Reporter = reporter ? std::move(reporter) : ReportToStandardError;
}

} // namespace karvelo::runtime
