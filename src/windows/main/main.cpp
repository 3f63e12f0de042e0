// SPDX-License-Identifier: MIT
// Start-up: the main window is the program; everything after it is events.

#include <QApplication>

#include "FormRuntime.h"
#include "MainWindow.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Karvelo");
    karvelo::runtime::ApplyLook(app);

    karvelo::runtime::FormRuntime forms;
    karvelo::windows::Chart chart(forms);
    return forms.Start("Form1");
}
