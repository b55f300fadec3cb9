// SPDX-License-Identifier: MIT
// Lexidor on Qt 6: one window, no arguments.

#include "QtWindow.h"

#include <QtWidgets/QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lexidor"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.lexidor.Lexidor"));

    lexidor::QtWindow window([] { QCoreApplication::quit(); });
    window.showCentred();
    return QApplication::exec();
}
