// Menu bars and popups.

#include "qt_bridge.h"
#include "text.h"

#include <QAction>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>

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
    // The first bar takes its height from the client area: the window's
    // inside keeps its size, and the page shows from its top-left corner
    // under the bar. A replaced bar goes away with the frame's own clean-up.
    const bool first = frame->menuWidget() == nullptr;
    frame->setMenuBar(menu->bar);
    if (first && window->client != nullptr) {
        const int height = std::max(1, window->client->height() - menu->bar->sizeHint().height());
        window->client->setFixedHeight(height);
        if (window->clientImage != nullptr) {
            QImage& image = window->clientImage->image;
            image = image.copy(0, 0, image.width(), height);
        }
    }
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
