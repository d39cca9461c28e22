// Menu bars and popups.

#include "toolkit/qt/qt_bridge.h"
#include "toolkit/text.h"

#include <QAction>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace {

// A handle lives as long as the Qt object behind it.
Menu Wrap(QObject* object, TkMenu* menu) {
    QObject::connect(object, &QObject::destroyed, [menu] { delete menu; });
    return menu;
}

}  // namespace

Menu CreateMenuBar() {
    auto* bar = new QMenuBar;
    auto* menu = new TkMenu;
    menu->bar = bar;
    return Wrap(bar, menu);
}

int AttachMenuBar(Window window, Menu menu) {
    if (window == nullptr || menu == nullptr || menu->bar.isNull()) return 1;
    auto* frame = qobject_cast<QMainWindow*>(window->widget);
    if (frame == nullptr) return 1;
    // The replaced bar goes away with the frame's own clean-up; the client
    // area keeps its size, so the window grows by the bar's height.
    frame->setMenuBar(menu->bar);
    frame->layout()->activate();
    frame->adjustSize();
    return 0;
}

Menu AddMenuPopup(Menu menu, const char* title) {
    if (menu == nullptr) return nullptr;
    QString text = tk::ToQString(title ? title : "");
    QMenu* popup = nullptr;
    if (!menu->bar.isNull()) popup = menu->bar->addMenu(text);
    else if (!menu->popup.isNull()) popup = menu->popup->addMenu(text);
    if (popup == nullptr) return nullptr;
    // Every separator shows where it is put, also one at the end.
    popup->setSeparatorsCollapsible(false);
    auto* handle = new TkMenu;
    handle->popup = popup;
    return Wrap(popup, handle);
}

int AddMenuItem(Menu popup, const char* text, unsigned commandId) {
    if (popup == nullptr || popup->popup.isNull()) return 1;
    QAction* action = popup->popup->addAction(tk::ToQString(text ? text : ""));
    action->setData(commandId);
    QObject::connect(action, &QAction::triggered, action, [commandId] {
        if (tk::MainWindow() != nullptr) PostCommand(tk::MainWindow(), WParam(commandId));
    });
    return 0;
}

int InsertMenuSeparator(Menu popup, int position) {
    if (popup == nullptr || popup->popup.isNull()) return 1;
    QMenu* menu = popup->popup;
    const QList<QAction*> entries = menu->actions();
    if (position >= 1 && position - 1 < entries.size()) {
        menu->insertSeparator(entries[position - 1]);
    } else {
        menu->addSeparator();
    }
    return 0;
}
