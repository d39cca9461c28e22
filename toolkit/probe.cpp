// Inspection and input injection for the scenario driver and the tests.

#include "probe.h"

#include "qt_bridge.h"
#include "text.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QRawFont>

#include <cstdio>
#include <map>

namespace {

QMenuBar* CurrentBar(Window window) {
    if (window == nullptr) return nullptr;
    auto* frame = qobject_cast<QMainWindow*>(window->widget);
    return frame ? frame->menuBar() : nullptr;
}

QWidget* FocusedWidget() {
    Window main = tk::MainWindow();
    if (main == nullptr || main->widget == nullptr) return nullptr;
    QWidget* focus = main->widget->focusWidget();
    if (focus == nullptr || focus->isHidden()) return nullptr;
    return focus;
}

void SendKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QCoreApplication::sendEvent(target, &release);
}

struct NamedKey {
    const char* name;
    int key;
    const char* text;
};
constexpr NamedKey kNamedKeys[] = {
    {"Tab", Qt::Key_Tab, "\t"},        {"Return", Qt::Key_Return, "\r"},
    {"Backspace", Qt::Key_Backspace, "\b"}, {"Delete", Qt::Key_Delete, "\x7f"},
    {"Left", Qt::Key_Left, ""},        {"Right", Qt::Key_Right, ""},
    {"Home", Qt::Key_Home, ""},        {"End", Qt::Key_End, ""},
    {"Up", Qt::Key_Up, ""},            {"Down", Qt::Key_Down, ""},
    {"Insert", Qt::Key_Insert, ""},    {"PageUp", Qt::Key_PageUp, ""},
    {"PageDown", Qt::Key_PageDown, ""}, {"Escape", Qt::Key_Escape, "\x1b"},
};

// The Qt key a typed character comes from.
int KeyForChar(char32_t c) {
    if (c >= 'a' && c <= 'z') return Qt::Key_A + int(c - 'a');
    if (c == '\t') return Qt::Key_Tab;
    if (c < 0x10000) return QChar(char16_t(c)).toUpper().unicode();
    return Qt::Key_unknown;
}

}  // namespace

void ProbeProcessEvents() {
    for (int round = 0; round < 1000; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (tk::PendingCommands() <= 0 && round >= 2) break;
    }
}

void ProbeRecordCommands(std::vector<WParam>* sink) { tk::CommandSink() = sink; }

std::vector<ProbeField> ProbeEditFields() {
    std::vector<ProbeField> fields;
    QWidget* focus = FocusedWidget();
    for (Window w : tk::Controls()) {
        if (w->kind != TkKind::Edit) continue;
        if (const TkPending* p = w->pending.get()) {
            fields.push_back(ProbeField{w, p->geometry.x(), p->geometry.y(), {}, p->visible, false});
            continue;
        }
        auto* edit = static_cast<QLineEdit*>(w->widget);
        fields.push_back(ProbeField{w, edit->x(), edit->y(), tk::FromQString(edit->text()),
                                    !edit->isHidden(), edit == focus});
    }
    return fields;
}

std::vector<ProbeButton> ProbeButtons() {
    std::vector<ProbeButton> buttons;
    for (Window w : tk::Controls()) {
        if (w->kind != TkKind::PushButton && w->kind != TkKind::OptionButton) continue;
        if (const TkPending* p = w->pending.get()) {
            const bool checkable = p->style == OptionButtonStyle("ROUND") ||
                                   p->style == OptionButtonStyle("SQUARE");
            ProbeButtonState state = !checkable    ? ProbeButtonState::Push
                                     : p->checked ? ProbeButtonState::Checked
                                                  : ProbeButtonState::Unchecked;
            buttons.push_back(ProbeButton{w, p->geometry.x(), p->geometry.y(), state,
                                          tk::FromQString(p->text), p->visible});
            continue;
        }
        auto* b = qobject_cast<QAbstractButton*>(w->widget);
        if (b == nullptr) continue;
        ProbeButtonState state = ProbeButtonState::Push;
        if (w->kind == TkKind::OptionButton && b->isCheckable())
            state = b->isChecked() ? ProbeButtonState::Checked : ProbeButtonState::Unchecked;
        buttons.push_back(
            ProbeButton{w, b->x(), b->y(), state, tk::FromQString(b->text()), !b->isHidden()});
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
        ProbePopup popup{tk::FromQString(title->text()), {}};
        for (QAction* entry : menu->actions()) {
            if (entry->isSeparator()) popup.entries.push_back({true, 0, {}});
            else popup.entries.push_back({false, entry->data().toUInt(), tk::FromQString(entry->text())});
        }
        popups.push_back(std::move(popup));
    }
    return popups;
}

namespace {

QAction* FindItem(Window window, const std::string& text, QMenu** owner) {
    QMenuBar* bar = CurrentBar(window);
    if (bar == nullptr) return nullptr;
    QString wanted = tk::ToQString(text);
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

std::string ProbeAccessibleName(Window control) {
    QWidget* widget = tk::Widget(control);
    if (widget == nullptr) return {};
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? tk::FromQString(accessible->text(QAccessible::Name)) : std::string();
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

bool ProbeIsKeyName(const std::string& name) {
    for (const NamedKey& k : kNamedKeys) {
        if (name == k.name) return true;
    }
    if (name.size() >= 2 && name[0] == 'F') {
        int n = std::atoi(name.c_str() + 1);
        if (n >= 1 && n <= 12 && name == "F" + std::to_string(n)) return true;
    }
    if (name.size() == 6 && name.compare(0, 5, "Ctrl+") == 0 && name[5] >= 'A' && name[5] <= 'Z')
        return true;
    return false;
}

bool ProbePressKey(const std::string& name) {
    if (!ProbeIsKeyName(name)) return false;
    QWidget* target = FocusedWidget();
    if (target == nullptr) return false;
    for (const NamedKey& k : kNamedKeys) {
        if (name == k.name) {
            SendKey(target, k.key, Qt::NoModifier, QString::fromLatin1(k.text));
            return true;
        }
    }
    if (name[0] == 'F') {
        SendKey(target, Qt::Key_F1 + (std::atoi(name.c_str() + 1) - 1), Qt::NoModifier, {});
        return true;
    }
    char letter = name[5];
    SendKey(target, Qt::Key_A + (letter - 'A'), Qt::ControlModifier,
            QString(QChar(char16_t(letter - 'A' + 1))));
    return true;
}

bool ProbeClickButton(const std::string& cp1252Text) {
    QString wanted = tk::ToQString(cp1252Text);
    for (Window w : tk::Controls()) {
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

bool ProbeSaveWindowPng(Window window, const std::string& path) {
    if (window == nullptr || window->widget == nullptr) return false;
    return window->widget->grab().save(QString::fromStdString(path), "PNG");
}

bool ProbeMenuTitleRect(Window window, const std::string& cp1252Title, ProbeRect& out) {
    QMenuBar* bar = CurrentBar(window);
    if (bar == nullptr) return false;
    QString wanted = tk::ToQString(cp1252Title);
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

bool ProbeReadPng(const std::string& path, ProbeImage& out) {
    QImage image;
    if (!image.load(QString::fromStdString(path), "PNG")) return false;
    image = image.convertToFormat(QImage::Format_RGB888);
    out.width = image.width();
    out.height = image.height();
    out.pixels.assign(static_cast<std::size_t>(out.width) * out.height, 0);
    for (int y = 0; y < out.height; ++y) {
        const uchar* row = image.constScanLine(y);
        for (int x = 0; x < out.width; ++x) {
            const uchar* p = row + 3 * x;
            out.pixels[static_cast<std::size_t>(y) * out.width + x] =
                std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16;
        }
    }
    return true;
}

bool ProbeWritePng(const std::string& path, const ProbeImage& image) {
    if (image.width <= 0 || image.height <= 0 ||
        image.pixels.size() != static_cast<std::size_t>(image.width) * image.height)
        return false;
    QImage out(image.width, image.height, QImage::Format_RGB888);
    for (int y = 0; y < image.height; ++y) {
        uchar* row = out.scanLine(y);
        for (int x = 0; x < image.width; ++x) {
            const std::uint32_t c = image.pixels[static_cast<std::size_t>(y) * image.width + x];
            row[3 * x] = uchar(c & 0xFF);
            row[3 * x + 1] = uchar((c >> 8) & 0xFF);
            row[3 * x + 2] = uchar((c >> 16) & 0xFF);
        }
    }
    return out.save(QString::fromStdString(path), "PNG");
}

std::vector<std::string> ProbeFontFamilies() {
    std::vector<std::string> families;
    for (const QString& family : QFontDatabase::families())
        families.push_back(family.toStdString());
    return families;
}

std::string ProbeFaceIdentity(Font font) {
    const QRawFont raw = QRawFont::fromFont(tk::QtFont(font));
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
    return tk::FromQString(raw.familyName() + ' ' + raw.styleName()) + ' ' + numbers;
}
