// SPDX-License-Identifier: MIT
// A second reference for start-up: Lexidor's widgets as plain Qt makes them
// (a main window with its menu, two labels, a line edit, a list of 61 rows and
// a button, in the same font and places) with no picture, no logic and none
// of Lexidor's start-up work. The gap between the bare window and this one is
// what the widgets themselves cost: fonts, text shaping, the menu bar.

#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QMainWindow>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QPushButton>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    auto* client = new QWidget;
    client->setFixedSize(490, 401);
    window.setCentralWidget(client);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    window.setFont(font);
    window.menuBar()->addAction(QStringLiteral("&Cerrar"));
    (new QLabel(QStringLiteral("Escriba la palabra clave a buscar:"), client))->setGeometry(16, 24, 169, 17);
    (new QLineEdit(client))->setGeometry(16, 48, 225, 19);
    auto* list = new QListWidget(client);
    list->setGeometry(16, 80, 241, 251);
    for (int row = 0; row < 61; ++row)
        list->addItem(QStringLiteral("TÉRMINO DEL GLOSARIO %1").arg(row));
    auto* definition = new QLabel(client);
    definition->setFrameStyle(QFrame::Box | QFrame::Plain);
    definition->setGeometry(272, 80, 201, 249);
    (new QPushButton(QStringLiteral("&Buscar"), client))->setGeometry(16, 344, 97, 25);
    window.show();
    return QApplication::exec();
}
