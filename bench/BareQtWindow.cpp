// SPDX-License-Identifier: MIT
// The floor for start-up: an empty QWidget window, nothing else. No Qt
// program shows a window sooner or in less memory than this one.

#include <QtWidgets/QApplication>
#include <QtWidgets/QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(490, 419);
    window.show();
    return QApplication::exec();
}
