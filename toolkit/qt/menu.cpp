// Menu bars and popups.

#include "toolkit/menu_keys.h"
#include "toolkit/qt/qt_bridge.h"
#include "toolkit/text.h"

#include <algorithm>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>
#include <QTimer>

namespace tk {

namespace {

// The menu bar from the keyboard (toolkit/menu_keys.h), whatever the widget
// style and wherever the focus is, on the bar's own widgets. Leaving the bar
// gives the focus back to where it was.
class MenuKeys : public QObject {
public:
    static MenuKeys& Get() {
        static auto* keys = [] {
            auto* k = new MenuKeys;
            qApp->installEventFilter(k);
            return k;
        }();
        return *keys;
    }

    // A new bar: choosing an item leaves the bar before the command runs, and a
    // menu opened from the keyboard that closes otherwise leaves it too.
    void Watch(QMenuBar* bar) {
        connect(bar, &QMenuBar::triggered, this, [this] { Leave(); });
        for (QAction* title : bar->actions()) {
            if (QMenu* menu = title->menu()) {
                connect(menu, &QMenu::aboutToHide, this, [this] {
                    QTimer::singleShot(0, this, [this] {
                        QMenuBar* bar = Bar();
                        if (selecting_ && QApplication::activePopupWidget() == nullptr &&
                            (bar == nullptr || bar->activeAction() == nullptr))
                            Leave();
                    });
                });
            }
        }
    }

protected:
    bool eventFilter(QObject* target, QEvent* e) override {
        // Input comes to the platform window first and then to its widget.
        if (!target->isWidgetType()) return false;
        switch (e->type()) {
            case QEvent::ShortcutOverride:
                // The bar's own Alt handling, which some styles switch on,
                // never sees Alt: this one decides.
                return static_cast<QKeyEvent*>(e)->key() == Qt::Key_Alt;
            case QEvent::KeyPress: return !passing_ && KeyPress(target, static_cast<QKeyEvent*>(e));
            case QEvent::KeyRelease: {
                auto* k = static_cast<QKeyEvent*>(e);
                if (!k->isAutoRepeat() && alt_.Up(VirtualKeyCode(*k))) Key(kKeyF10, false);
                return false;
            }
            case QEvent::MouseButtonPress:
                alt_.alone = false;
                if (selecting_ && QApplication::activePopupWidget() == nullptr) Leave();
                return false;
            case QEvent::FocusOut:
                // Another window taken to: the bar lets go, and the focus
                // will be back where it was when this one comes back.
                if (selecting_ && target == Bar() &&
                    static_cast<QFocusEvent*>(e)->reason() == Qt::ActiveWindowFocusReason)
                    Leave();
                return false;
            default: return false;
        }
    }

private:
    static QMenuBar* Bar() {
        Window main = MainWindow();
        auto* frame = main ? qobject_cast<QMainWindow*>(main->widget) : nullptr;
        return frame ? frame->menuBar() : nullptr;
    }

    // The open menu of the bar, if the open popup is one.
    static QMenu* OpenMenu(QMenuBar* bar) {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr || bar == nullptr || !bar->actions().contains(menu->menuAction()))
            return nullptr;
        return menu;
    }

    bool KeyPress(QObject* target, QKeyEvent* k) {
        const int vk = VirtualKeyCode(*k);
        if (vk != kKeyAlt || !k->isAutoRepeat())
            alt_.Down(vk, (k->modifiers() & ~(Qt::AltModifier | Qt::KeypadModifier)) != 0);
        QMenuBar* bar = Bar();
        if (vk == kKeyAlt || bar == nullptr) return false;
        const bool toMenu = target == bar || qobject_cast<QMenu*>(target) != nullptr;
        const bool modified = k->modifiers() != Qt::NoModifier;
        if (vk == kKeyF10 && !modified) {
            if (!k->isAutoRepeat()) Key(vk, modified);
            return toMenu;  // a field forwards the key as any other
        }
        QMenu* menu = OpenMenu(bar);
        if (menu != nullptr ? target != menu : !selecting_ || target != bar) return false;
        Key(vk, modified);
        return true;
    }

    // The bar's titles and the state of the bar from its widgets, the key
    // given to the shared rules, and their answer carried out on the widgets.
    void Key(int vk, bool modified) {
        QMenuBar* bar = Bar();
        if (bar == nullptr) return;
        // Every title of the bar has a menu; no title or item is ever hidden
        // or disabled.
        const QList<QAction*> titles = bar->actions();
        MenuShape shape;
        for (QAction* title : titles) {
            std::vector<bool>& items = shape.emplace_back();
            for (QAction* item : title->menu()->actions()) items.push_back(!item->isSeparator());
        }
        MenuBarState state;
        QMenu* menu = OpenMenu(bar);
        if (menu != nullptr) {
            state = {int(titles.indexOf(menu->menuAction())), true,
                     int(menu->actions().indexOf(menu->activeAction())), selecting_};
        } else if (selecting_) {
            state.title = std::max(0, int(titles.indexOf(bar->activeAction())));
        }
        const MenuBarState was = state;
        const MenuStep step = MenuBarKey(state, shape, vk, modified);
        if (step == MenuStep::Leave) return Leave();
        if (step == MenuStep::Choose && menu != nullptr && state.item >= 0) {
            // The menu chooses as it does on Enter: it closes, the item acts,
            // then the bar is left, in this order.
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            passing_ = true;
            QCoreApplication::sendEvent(menu, &enter);
            passing_ = false;
            return;
        }
        if (step != MenuStep::Moved || state.title < 0) return;
        QAction* title = titles[state.title];
        if (!state.open) return Select(bar, title);
        if (!was.open || was.title != state.title) {
            if (!selecting_) Select(bar, title);
            bar->setActiveAction(title);
        }
        if (state.item >= 0) title->menu()->setActiveAction(title->menu()->actions()[state.item]);
    }

    // Selects a title without opening its menu, the bar taking the keys.
    void Select(QMenuBar* bar, QAction* title) {
        if (title == nullptr) return;
        if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        if (!selecting_) {
            QWidget* focus = bar->window()->focusWidget();
            returnTo_ = focus != bar ? focus : nullptr;
            selecting_ = true;
            bar->setFocus(Qt::MenuBarFocusReason);
        }
        // The bar marks a title selected as it does under the pointer.
        const QPointF centre = bar->actionGeometry(title).center();
        QMouseEvent hover(QEvent::MouseMove, centre, bar->mapToGlobal(centre), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(bar, &hover);
    }

    void Leave() {
        QMenuBar* bar = Bar();
        if (bar != nullptr) {
            if (QMenu* menu = OpenMenu(bar)) menu->hide();
        }
        if (!selecting_) return;
        selecting_ = false;
        QPointer<QWidget> back = returnTo_;
        returnTo_ = nullptr;
        if (bar != nullptr && bar->hasFocus()) bar->clearFocus();
        // The focus goes back once the command chosen has run, unless it
        // put the focus somewhere or hid the field: a screen reader is not
        // to read out a field of a page that is going (a language switch).
        QMetaObject::invokeMethod(
            this,
            [back] {
                if (back != nullptr && back->isVisible() && QApplication::focusWidget() == nullptr)
                    back->setFocus(Qt::MenuBarFocusReason);
            },
            Qt::QueuedConnection);
        if (bar != nullptr && bar->activeAction() != nullptr) {
            QEvent leave(QEvent::Leave);
            QCoreApplication::sendEvent(bar, &leave);
        }
    }

    bool selecting_ = false;  // a title is selected from the keyboard
    AltTap alt_;
    bool passing_ = false;  // a key the menu itself is to act on
    QPointer<QWidget> returnTo_;
};

// The style marks a title only while its menu is open. A title selected
// from the keyboard, or under the pointer, is marked too, as on Windows: a
// user sees that the bar has the keys.
class TitleMarks : public QProxyStyle {
public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        const auto* title = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (element != CE_MenuBarItem || title == nullptr || !(title->state & State_Selected))
            return QProxyStyle::drawControl(element, option, painter, widget);
        QStyleOptionMenuItem marked = *title;
        marked.state |= State_Sunken;
        QProxyStyle::drawControl(element, &marked, painter, widget);
    }
};

// The handle of a bar or a popup, which lives as long as the Qt object.
Menu Wrap(QWidget* widget) {
    auto* menu = new MenuImpl{qobject_cast<QMenuBar*>(widget), qobject_cast<QMenu*>(widget)};
    QObject::connect(widget, &QObject::destroyed, [menu] { delete menu; });
    return menu;
}

}  // namespace

Menu CreateMenuBar() {
    auto* bar = new QMenuBar;
    static auto* marks = new TitleMarks;
    bar->setStyle(marks);
    return Wrap(bar);
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
    // The new bar shows at once: left to the event loop to show, it would be
    // missing while the window lays itself out and paints, and the window
    // would shrink by the bar's 19 rows and grow back at every change of
    // language.
    menu->bar->show();
    if (first && window->client != nullptr) {
        const int height = std::max(1, window->client->height() - menu->bar->sizeHint().height());
        window->client->setFixedHeight(height);
        if (window->clientImage != nullptr) {
            QImage& image = window->clientImage->image;
            image = image.copy(0, 0, image.width(), height);
        }
    }
    MenuKeys::Get().Watch(menu->bar);
    frame->layout()->activate();
    frame->adjustSize();
    return 0;
}

Menu AddMenuPopup(Menu menu, const char* title) {
    if (menu == nullptr) return nullptr;
    QString text = ToQString(title ? title : "");
    QMenu* popup = nullptr;
    if (!menu->bar.isNull())
        popup = menu->bar->addMenu(text);
    else if (!menu->popup.isNull())
        popup = menu->popup->addMenu(text);
    if (popup == nullptr) return nullptr;
    // Every separator shows where it is put, also one at the end.
    popup->setSeparatorsCollapsible(false);
    return Wrap(popup);
}

int AddMenuItem(Menu popup, const char* text, unsigned commandId) {
    if (popup == nullptr || popup->popup.isNull()) return 1;
    QAction* action = popup->popup->addAction(ToQString(text ? text : ""));
    action->setData(commandId);
    QObject::connect(action, &QAction::triggered, action, [commandId] {
        if (MainWindow() != nullptr) PostCommand(MainWindow(), WParam(commandId));
    });
    return 0;
}

int AddMenuSeparator(Menu popup) {
    if (popup == nullptr || popup->popup.isNull()) return 1;
    popup->popup->addSeparator();
    return 0;
}

}  // namespace tk
