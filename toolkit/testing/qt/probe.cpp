// Inspection and input injection for the scenario driver and the tests.

#include "toolkit/testing/probe.h"

#include "toolkit/testing/keys.h"
#include "toolkit/testing/watch.h"

#include "toolkit/qt/qt_bridge.h"
#include "toolkit/text.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QDropEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QPixmap>
#include <QRawFont>
#include <QScreen>
#include <QUrl>

#include <unistd.h>

#include <cstdio>
#include <iterator>
#include <utility>

namespace tk {

namespace {

QMenuBar* CurrentBar(Window window) {
    if (window == nullptr) return nullptr;
    auto* frame = qobject_cast<QMainWindow*>(window->widget);
    return frame ? frame->menuBar() : nullptr;
}

QWidget* FocusedWidget() {
    Window main = MainWindow();
    if (main == nullptr || main->widget == nullptr) return nullptr;
    return main->widget->focusWidget();  // hidden or not: the keys go there
}

void SendKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QCoreApplication::sendEvent(target, &release);
}

// Where the platform sends a key: the open popup menu, else the focused
// widget, else the main window itself.
QWidget* KeyTarget() {
    if (QWidget* popup = QApplication::activePopupWidget()) return popup;
    if (QWidget* focus = FocusedWidget()) return focus;
    Window main = MainWindow();
    return main ? main->widget : nullptr;
}

// The Qt keys of kKeyNames, in its order.
constexpr int kQtKeys[] = {Qt::Key_Tab,    Qt::Key_Return,   Qt::Key_Enter,  Qt::Key_Backspace,
                           Qt::Key_Delete, Qt::Key_Left,     Qt::Key_Right,  Qt::Key_Home,
                           Qt::Key_End,    Qt::Key_Up,       Qt::Key_Down,   Qt::Key_Insert,
                           Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Escape, Qt::Key_Menu,
                           Qt::Key_Alt,    Qt::Key_Shift,    Qt::Key_Control};
static_assert(std::size(kQtKeys) == std::size(kKeyNames));

// A key name as the platform would report it: Qt key, modifiers held, text.
struct QtKey {
    int key = 0;
    Qt::KeyboardModifiers modifiers;
    QString text;
};

bool ParseKey(const std::string& name, QtKey& out) {
    KeyPress k;
    if (!ParseKeyName(name, k)) return false;
    if (k.shift) out.modifiers |= Qt::ShiftModifier;
    if (k.control) out.modifiers |= Qt::ControlModifier;
    if (k.alt) out.modifiers |= Qt::AltModifier;
    const bool typing = k.key >= kFirstFunctionKey + 12;  // a letter or digit
    out.key = k.key < kFirstFunctionKey ? kQtKeys[k.key]
              : typing                  ? k.key
                                        : Qt::Key_F1 + (k.key - kFirstFunctionKey);
    if (!typing)
        out.text = QString::fromLatin1(&k.character, k.character != 0 ? 1 : 0);
    else if (!k.control)
        out.text = QChar(char16_t(k.shift ? k.key : k.character));
    else if (k.key >= 'A')
        out.text = QChar(char16_t(k.key - 'A' + 1));
    // As the platform reports them: the keypad's Enter, and a TAB with Shift
    // as a back TAB.
    if (out.key == Qt::Key_Enter) out.modifiers |= Qt::KeypadModifier;
    if (out.key == Qt::Key_Tab && k.shift) out.key = Qt::Key_Backtab;
    return true;
}

// The Qt key a typed character comes from.
int KeyForChar(char32_t c) {
    if (c >= 'a' && c <= 'z') return Qt::Key_A + int(c - 'a');
    if (c == '\t') return Qt::Key_Tab;
    if (c < 0x10000) return QChar(char16_t(c)).toUpper().unicode();
    return Qt::Key_unknown;
}

}  // namespace

FontInfo DescribeFont(Font font) {
    const QFont& f = QtFont(font);
    QFontMetrics metrics(f);
    return FontInfo{FromQString(QFontInfo(f).family()), metrics.height(),
                    metrics.averageCharWidth(), f.weight()};
}

long CanvasPixel(MemoryDC dc, int x, int y) {
    if (dc == nullptr || x < 0 || y < 0 || x >= dc->image.width() || y >= dc->image.height())
        return -1;
    const uchar* p = dc->image.constScanLine(y) + 3 * x;
    return long(p[0]) | long(p[1]) << 8 | long(p[2]) << 16;
}

int CanvasWidth(MemoryDC dc) { return dc ? dc->image.width() : 0; }
int CanvasHeight(MemoryDC dc) { return dc ? dc->image.height() : 0; }

int SaveCanvasPng(MemoryDC dc, const char* path) {
    if (dc == nullptr || path == nullptr) return 1;
    return dc->image.save(QString::fromLocal8Bit(path), "PNG") ? 0 : 1;
}

ProbeRect GetControlGeometry(Window control) {
    QWidget* widget = Widget(control);
    if (widget == nullptr) return {0, 0, 0, 0};
    QRect r = widget->geometry();
    return {r.x(), r.y(), r.width(), r.height()};
}

void ProbeProcessEvents() {
    for (int round = 0; round < 1000; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (PendingCommands() <= 0 && round >= 2) break;
    }
}

namespace {

// What QDesktopServices hands web addresses to while the probe records them.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    std::vector<std::string>* sink = nullptr;
public slots:
    void open(const QUrl& url) {
        if (sink != nullptr) sink->push_back(url.toString().toStdString());
    }
};

}  // namespace

void ProbeRecordShellOpens(std::vector<std::string>* sink) {
    static auto* recorder = new UrlRecorder;
    recorder->sink = sink;
    for (const char* scheme : {"http", "https"}) {
        if (sink != nullptr)
            QDesktopServices::setUrlHandler(scheme, recorder, "open");
        else
            QDesktopServices::unsetUrlHandler(scheme);
    }
}

void ProbeIgnoreWindowCommands(Window) {}

void ProbeMinimiseAndRestore(Window window) {
    if (window == nullptr || window->widget == nullptr) return;
    window->widget->showMinimized();
    ProbeProcessEvents();
    window->widget->showNormal();
    window->widget->activateWindow();
    ProbeProcessEvents();
}

long ProbeMemoryInUse() {
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(f);
    }
    return resident * sysconf(_SC_PAGESIZE);
}

long ProbeClipboardReadCost() { return 0; }

std::vector<ProbeField> ProbeEditFields() {
    std::vector<ProbeField> fields;
    QWidget* focus = FocusedWidget();
    for (Window w : Controls()) {
        if (w->kind != ControlKind::Edit) continue;
        if (const Pending* p = w->pending.get()) {
            fields.push_back(
                ProbeField{w, p->geometry.x(), p->geometry.y(), {}, p->visible, false});
            continue;
        }
        auto* edit = static_cast<QLineEdit*>(w->widget);
        fields.push_back(ProbeField{w, edit->x(), edit->y(), FromQString(edit->text()),
                                    !edit->isHidden(), edit == focus});
    }
    return fields;
}

std::vector<ProbeButton> ProbeButtons() {
    std::vector<ProbeButton> buttons;
    for (Window w : Controls()) {
        if (w->kind != ControlKind::PushButton && w->kind != ControlKind::OptionButton) continue;
        if (const Pending* p = w->pending.get()) {
            const bool checkable = p->style == kRadio || p->style == kCheckBox;
            ProbeButtonState state = !checkable   ? ProbeButtonState::Push
                                     : p->checked ? ProbeButtonState::Checked
                                                  : ProbeButtonState::Unchecked;
            buttons.push_back(ProbeButton{w, p->geometry.x(), p->geometry.y(), state,
                                          FromQString(p->text), p->visible});
            continue;
        }
        auto* b = qobject_cast<QAbstractButton*>(w->widget);
        if (b == nullptr) continue;
        ProbeButtonState state = ProbeButtonState::Push;
        if (w->kind == ControlKind::OptionButton && b->isCheckable())
            state = b->isChecked() ? ProbeButtonState::Checked : ProbeButtonState::Unchecked;
        buttons.push_back(
            ProbeButton{w, b->x(), b->y(), state, FromQString(b->text()), !b->isHidden()});
    }
    return buttons;
}

std::vector<ProbePopup> ProbeMenuBar(Window window) {
    std::vector<ProbePopup> popups;
    QMenuBar* bar = CurrentBar(window);
    if (bar == nullptr) return popups;
    for (QAction* title : bar->actions()) {
        QMenu* menu = title->menu();
        if (menu == nullptr) continue;
        ProbePopup popup{FromQString(title->text()), {}};
        for (QAction* entry : menu->actions()) {
            if (entry->isSeparator())
                popup.entries.push_back({true, 0, {}});
            else
                popup.entries.push_back(
                    {false, entry->data().toUInt(), FromQString(entry->text())});
        }
        popups.push_back(std::move(popup));
    }
    return popups;
}

namespace {

QAction* FindItem(Window window, const std::string& text, QMenu** owner) {
    QMenuBar* bar = CurrentBar(window);
    if (bar == nullptr) return nullptr;
    QString wanted = ToQString(text);
    for (QAction* title : bar->actions()) {
        QMenu* menu = title->menu();
        if (menu == nullptr) continue;
        for (QAction* entry : menu->actions()) {
            if (!entry->isSeparator() && entry->text() == wanted) {
                if (owner) *owner = menu;
                return entry;
            }
        }
    }
    return nullptr;
}

}  // namespace

bool ProbeChooseMenuItem(Window window, const std::string& cp1252Text) {
    QAction* action = FindItem(window, cp1252Text, nullptr);
    if (action == nullptr) return false;
    action->trigger();
    return true;
}

namespace {

QString Shown(QString text) {
    text.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QChar(1), QLatin1Char('&'));
    return text;
}

}  // namespace

ProbeShownMenu ProbeShowingMenu() {
    ProbeShownMenu shown;
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr || !menu->isVisible()) return shown;
    shown.open = true;
    for (QAction* entry : menu->actions()) {
        if (entry->isSeparator())
            shown.entries.push_back({true, 0, {}, true});
        else
            shown.entries.push_back({false, entry->data().toUInt(),
                                     FromQString(Shown(entry->text())), entry->isEnabled()});
    }
    if (QAction* active = menu->activeAction()) shown.active = FromQString(Shown(active->text()));
    return shown;
}

bool ProbeChooseShownItem(const std::string& cp1252Text) {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr) return false;
    for (QAction* entry : menu->actions()) {
        if (entry->isSeparator() || Shown(entry->text()) != ToQString(cp1252Text)) continue;
        if (!entry->isEnabled()) return false;
        // As a click does: the menu closes, then the entry acts.
        menu->hide();
        entry->trigger();
        return true;
    }
    return false;
}

std::string ProbeMenuBarSelection(Window window) {
    // The title that shows marked: in the highlight colour by its left edge.
    QMenuBar* bar = CurrentBar(window);
    const QImage shown = bar ? bar->grab().toImage() : QImage();
    for (QAction* title : bar ? bar->actions() : QList<QAction*>()) {
        const QRect r = bar->actionGeometry(title);
        if (shown.pixelColor(r.left() + 2, r.center().y()) == bar->palette().highlight().color())
            return FromQString(title->text());
    }
    return {};
}

bool ProbeRightClick(Window field) {
    QWidget* widget = Widget(field);
    if (widget == nullptr || widget->isHidden()) return false;
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    const QPointF global = widget->mapToGlobal(at);
    widget->setFocus(Qt::MouseFocusReason);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::RightButton, Qt::RightButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    QContextMenuEvent request(QContextMenuEvent::Mouse, at.toPoint(), global.toPoint());
    QCoreApplication::sendEvent(widget, &request);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::RightButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &release);
    return true;
}

bool ProbeDropText(Window field, int x, const std::string& utf8) {
    QWidget* widget = Widget(field);
    if (widget == nullptr || widget->isHidden()) return false;
    QMimeData data;
    data.setText(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
    const QPointF at(x, widget->height() / 2.0);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction | Qt::MoveAction, &data, Qt::NoButton,
                          Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(at, enter.dropAction(), &data, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &drop);
    return drop.isAccepted();
}

namespace {

std::string AccessibleText(Window control, QAccessible::Text which) {
    QWidget* widget = Widget(control);
    if (widget == nullptr) return {};
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? FromQString(accessible->text(which)) : std::string();
}

}  // namespace

std::string ProbeAccessibleName(Window control) {
    return AccessibleText(control, QAccessible::Name);
}

std::string ProbeAccessibleKind(Window control) {
    QWidget* widget = Widget(control);
    QAccessibleInterface* accessible =
        widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
    if (accessible == nullptr) return {};
    const QAccessible::Role role = accessible->role();
    if (role != QAccessible::RadioButton && role != QAccessible::CheckBox) return {};
    return std::string(role == QAccessible::RadioButton ? "radio button" : "check box") +
           (accessible->state().checked ? ", checked" : "");
}

// The notification in the client area's status bar.
std::string ProbeAnnouncement() {
    QAccessibleInterface* client =
        MainWindow() ? QAccessible::queryAccessibleInterface(MainWindow()->client) : nullptr;
    QAccessibleInterface* bar = client ? client->child(client->childCount() - 1) : nullptr;
    QAccessibleInterface* note =
        bar && bar->role() == QAccessible::StatusBar ? bar->child(0) : nullptr;
    return note ? FromQString(note->text(QAccessible::Name)) : std::string();
}

// The static texts among the client area's accessible children.
std::vector<std::string> ProbePageTexts() {
    std::vector<std::string> texts;
    QAccessibleInterface* client =
        MainWindow() ? QAccessible::queryAccessibleInterface(MainWindow()->client) : nullptr;
    for (int i = 0; client != nullptr && i < client->childCount(); ++i)
        if (QAccessibleInterface* child = client->child(i);
            child != nullptr && child->role() == QAccessible::StaticText)
            texts.push_back(FromQString(child->text(QAccessible::Name)));
    return texts;
}

bool ProbeTypeText(const std::string& utf8) {
    QWidget* target = FocusedWidget();
    if (target == nullptr) return false;
    QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    const QList<uint> codePoints = text.toUcs4();
    for (uint cp : codePoints) {
        char32_t c = cp;
        Qt::KeyboardModifiers mods = Qt::NoModifier;
        if (QChar::isUpper(c)) mods |= Qt::ShiftModifier;
        SendKey(target, KeyForChar(c), mods, QString::fromUcs4(&c, 1));
        target = FocusedWidget();
        if (target == nullptr) break;
    }
    return true;
}

bool ProbePressKey(const std::string& name) {
    QtKey k;
    if (!ParseKey(name, k) || KeyTarget() == nullptr) return false;
    // The modifiers go down first and come up last, each as a key of its own,
    // every event to wherever the keys go at that moment.
    const std::pair<Qt::KeyboardModifier, int> modifierKeys[] = {
        {Qt::ShiftModifier, Qt::Key_Shift},
        {Qt::ControlModifier, Qt::Key_Control},
        {Qt::AltModifier, Qt::Key_Alt}};
    auto send = [](QEvent::Type type, int key, Qt::KeyboardModifiers mods, const QString& text) {
        if (QWidget* target = KeyTarget()) {
            QKeyEvent event(type, key, mods, text);
            QCoreApplication::sendEvent(target, &event);
        }
    };
    Qt::KeyboardModifiers held;
    for (const auto& [modifier, key] : modifierKeys) {
        if (!(k.modifiers & modifier)) continue;
        held |= modifier;
        send(QEvent::KeyPress, key, held, {});
    }
    const Qt::KeyboardModifier own = k.key == Qt::Key_Alt       ? Qt::AltModifier
                                     : k.key == Qt::Key_Shift   ? Qt::ShiftModifier
                                     : k.key == Qt::Key_Control ? Qt::ControlModifier
                                                                : Qt::NoModifier;
    send(QEvent::KeyPress, k.key, held | own, k.text);
    send(QEvent::KeyRelease, k.key, held, k.text);
    for (auto it = std::rbegin(modifierKeys); it != std::rend(modifierKeys); ++it) {
        if (!(held & it->first)) continue;
        held &= ~it->first;
        send(QEvent::KeyRelease, it->second, held, {});
    }
    return true;
}

bool ProbeClickButton(const std::string& cp1252Text) {
    QString wanted = ToQString(cp1252Text);
    for (Window w : Controls()) {
        auto* b = qobject_cast<QAbstractButton*>(w->widget);
        if (b == nullptr || b->isHidden() || b->text() != wanted) continue;
        QPointF centre(b->width() / 2.0, b->height() / 2.0);
        QPointF global = b->mapToGlobal(centre);
        QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(b, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(b, &release);
        return true;
    }
    return false;
}

void ProbeSetClipboard(const std::string& utf8) {
    QApplication::clipboard()->setText(
        QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

ProbeRect ProbeClientRect(Window window) {
    if (window == nullptr || window->client == nullptr) return {0, 0, 0, 0};
    QPoint origin = window->client->mapToGlobal(QPoint(0, 0));
    return {origin.x(), origin.y(), window->client->width(), window->client->height()};
}

ProbeRect ProbeScreenRect(Window window) {
    QScreen* screen = window && window->widget ? window->widget->screen() : nullptr;
    const QRect r = screen ? screen->geometry() : QRect();
    return {r.x(), r.y(), r.width(), r.height()};
}

ProbeRect ProbeWindowRect(Window window) {
    if (window == nullptr || window->widget == nullptr) return {0, 0, 0, 0};
    const QRect r = window->widget->geometry();
    return {r.x(), r.y(), r.width(), r.height()};
}

bool ProbeSaveWindowPng(Window window, const std::string& path) {
    if (window == nullptr || window->widget == nullptr) return false;
    return window->widget->grab().save(QString::fromStdString(path), "PNG");
}

bool ProbeMenuTitleRect(Window window, const std::string& cp1252Title, ProbeRect& out) {
    QMenuBar* bar = CurrentBar(window);
    if (bar == nullptr) return false;
    QString wanted = ToQString(cp1252Title);
    for (QAction* title : bar->actions()) {
        if (title->text() != wanted) continue;
        QRect r = bar->actionGeometry(title);
        out = {r.x(), r.y(), r.width(), r.height()};
        return true;
    }
    return false;
}

bool ProbeMenuItemRect(Window window, const std::string& cp1252Text, ProbeRect& out) {
    QMenu* menu = nullptr;
    QAction* action = FindItem(window, cp1252Text, &menu);
    if (action == nullptr) return false;
    menu->ensurePolished();
    menu->adjustSize();
    QRect r = menu->actionGeometry(action);
    out = {r.x(), r.y(), r.width(), r.height()};
    return true;
}

namespace {

// The pixels of an image in 8-bit red, green, blue as 0x00BBGGRR.
ProbeImage FromRgb888(const QImage& image) {
    ProbeImage out;
    out.width = image.width();
    out.height = image.height();
    out.pixels.resize(static_cast<std::size_t>(out.width) * out.height);
    for (int y = 0; y < out.height; ++y) {
        const uchar* row = image.constScanLine(y);
        for (int x = 0; x < out.width; ++x) {
            const uchar* p = row + 3 * x;
            out.pixels[static_cast<std::size_t>(y) * out.width + x] =
                std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16;
        }
    }
    return out;
}

}  // namespace

bool ProbeReadPng(const std::string& path, ProbeImage& out) {
    QImage image;
    if (!image.load(QString::fromStdString(path), "PNG")) return false;
    out = FromRgb888(image.convertToFormat(QImage::Format_RGB888));
    return true;
}

ProbeImage ProbeCanvasImage(MemoryDC canvas) {
    return canvas == nullptr ? ProbeImage{} : FromRgb888(canvas->image);
}

std::vector<std::string> ProbeFontFamilies() {
    std::vector<std::string> families;
    for (const QString& family : QFontDatabase::families())
        families.push_back(family.toStdString());
    return families;
}

std::string ProbeFaceIdentity(Font font) {
    const QRawFont raw = QRawFont::fromFont(QtFont(font));
    if (!raw.isValid()) return "no face";
    // The 'head' table: the font revision (16.16 fixed) at byte 4 and the
    // checksum adjustment, which makes the whole file sum to a constant, at
    // byte 8.
    const QByteArray head = raw.fontTable("head");
    auto word = [&](int at) {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v = v << 8 | static_cast<unsigned char>(head.at(at + i));
        return v;
    };
    char numbers[40] = "no head table";
    if (head.size() >= 12)
        std::snprintf(numbers, sizeof numbers, "%.4g 0x%08X", word(4) / 65536.0,
                      static_cast<unsigned>(word(8)));
    return FromQString(raw.familyName() + ' ' + raw.styleName()) + ' ' + numbers;
}

}  // namespace tk

#include "probe.moc"
