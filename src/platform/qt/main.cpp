// SPDX-License-Identifier: MIT
// Lexidor on Qt 6: one window, no arguments.

#include "QtWindow.h"

#include <QtWidgets/QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    lexidor::QtWindow::setApplicationIdentity();

    lexidor::QtWindow window([] { QCoreApplication::quit(); });
    window.showCentred();
    return QApplication::exec();
}
