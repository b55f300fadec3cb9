// SPDX-License-Identifier: MIT
#pragma once

#include "FormDescription.h"
#include "FormEvents.h"
#include "FormRuntime.h"

#include <QtGui/QColor>
#include <QtGui/QImage>
#include <QtWidgets/QMainWindow>

#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStyle;

namespace lexidor {

class Announcer;

// frmLexidor on Qt 6 Widgets: builds the window from kFrmLexidor, reports
// Qt events to FormEvents, which raises the handlers and keeps the list box,
// and draws what the FormRuntime operations say. What it still decides is Qt
// mechanism only: which Qt event is which runtime event, and how a widget is
// told to show a state.
class QtWindow final : public QMainWindow, public FormRuntime {
public:
    // Creates the window and raises Load. `onEnd` runs once, when the
    // program ends (Cerrar, or the window's close control).
    explicit QtWindow(std::function<void()> onEnd);
    ~QtWindow() override;

    // Name, version and desktop entry of the program, for the desktop and
    // for screen readers; call once the application object exists.
    static void setApplicationIdentity();

    // Shows the window centred on its screen.
    void showCentred();

    const FrmLexidor& logic() const { return events_.form(); }
    bool hasEnded() const { return events_.hasEnded(); }

    // FormRuntime: the process (QCoreApplication, QDir, closing the window),
    std::u16string App_Path() const override;
    void ChDir(std::u16string_view dir) override;
    void End() override;
    // and the controls.
    std::u16string txtBuscar_Text() const override;
    void txtBuscar_SetText(std::u16string_view text) override;
    void txtBuscar_SetFocus() override;
    void Control_SetFocus(Control c, bool selectText) override;
    void lstLista_Show(int selectedRow, int topRow) override;
    void lblDescripcion_SetCaption(std::u16string_view caption) override;
    void Announce(std::u16string_view text) override;

    // What the list shows: the selected row (-1 for none), the top row.
    int selectedRow() const;
    int topRow() const;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls(QWidget* client);
    void createList(QWidget* client);
    void createMenu();
    void place(QWidget* widget, Control id);
    std::optional<Control> controlOf(const QObject* watched) const;
    void applyColours();

    std::function<void()> onEnd_;
    FormEvents events_{*this};
    QImage background_;
    // Under a contrast palette, the client area's plain colour in place of
    // the picture.
    std::optional<QColor> plainGround_;
    std::unique_ptr<QStyle> listStyle_;
    QLabel* lblBuscar_ = nullptr;
    QLineEdit* txtBuscar_ = nullptr;
    QListWidget* lstLista_ = nullptr;
    QLabel* lblDescripcion_ = nullptr;
    QPushButton* cmdBuscar_ = nullptr;
    Announcer* announcer_ = nullptr;
    bool drawingList_ = false; // lstLista_Show is drawing: nothing to report
};

} // namespace lexidor
