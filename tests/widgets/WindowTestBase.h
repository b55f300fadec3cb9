// SPDX-License-Identifier: MIT
#pragma once

#include "Catalogue.h"
#include "QtWindow.h"

#include <QtCore/QObject>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QPushButton>

#include <memory>

namespace lexidor::test {

// What the widget tests share: the window under test and its controls,
// found by object name as a screen reader or a user's script finds them.
class WindowTestBase : public QObject {
protected:
    std::unique_ptr<QtWindow> window_;

    template <typename T> T* control(const char* name) const
    {
        auto* widget = window_->findChild<T*>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    QLineEdit* box() const { return control<QLineEdit>("txtBuscar"); }
    QListWidget* list() const { return control<QListWidget>("lstLista"); }
    QLabel* definition() const { return control<QLabel>("lblDescripcion"); }
    QPushButton* buscar() const { return control<QPushButton>("cmdBuscar"); }

    static QString definitionOf(int row)
    {
        return QString::fromStdU16String(
            std::u16string(kCatalogue[static_cast<std::size_t>(row)].definition));
    }
};

} // namespace lexidor::test
