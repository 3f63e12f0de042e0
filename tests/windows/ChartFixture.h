// SPDX-License-Identifier: MIT
#pragma once

// A started chart for in-process tests: a fresh runtime, both windows
// declared and wired, start-up run (Load, show, Activate).

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QWidget>

#include <memory>

#include "FormRuntime.h"
#include "MainWindow.h"

namespace karvelo::tests {

struct StartedChart {
    StartedChart()
    {
        forms = std::make_unique<runtime::FormRuntime>();
        chart = std::make_unique<windows::Chart>(*forms);
        forms->Launch("Form1");
    }

    QWidget& Main() { return forms->Window("Form1"); }
    QWidget& About() { return forms->Window("Form2"); }
    QWidget& Control(const char* name) { return forms->Control("Form1", name); }
    QAbstractButton& Button(const QString& name)
    {
        return *qobject_cast<QAbstractButton*>(&forms->Control("Form1", name.toStdString()));
    }
    QString LabelText(const QString& name)
    {
        return qobject_cast<QLabel*>(&forms->Control("Form1", name.toStdString()))->text();
    }

    std::unique_ptr<runtime::FormRuntime> forms;
    std::unique_ptr<windows::Chart> chart;
};

// QTest::qWaitForWindowActive takes an owned dialog for active as soon as its
// owner is; this waits for the window itself.
inline bool WaitActive(QWidget& window)
{
    return QTest::qWaitFor([&window] { return QApplication::activeWindow() == &window; });
}

// The colour at (x, y) of what the widget renders.
inline QColor RenderedAt(QWidget& widget, int x, int y)
{
    return widget.grab().toImage().pixelColor(QPoint(x, y) * widget.devicePixelRatioF());
}

} // namespace karvelo::tests

// QTEST_MAIN, with the chart's look applied as the program applies it.
#define KARVELO_TEST_MAIN(TestClass)                                                         \
    int main(int argc, char** argv)                                                          \
    {                                                                                        \
        QApplication app(argc, argv);                                                        \
        karvelo::runtime::ApplyLook(app);                                                    \
        TestClass test;                                                                      \
        return QTest::qExec(&test, argc, argv);                                              \
    }
