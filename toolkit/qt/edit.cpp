// Single-line edit fields that forward their keys to the main window.

#include "toolkit/qt/qt_bridge.h"
#include "toolkit/text.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>

#include <cstring>

namespace {

constexpr std::uint32_t ES_CENTER = 0x0001;
constexpr std::uint32_t ES_RIGHT = 0x0002;
constexpr std::uint32_t ES_NUMBER = 0x2000;


// Characters a field acts on instead of inserting them.
constexpr char16_t kCopy = 3, kBackspace = 8, kPaste = 22, kCut = 24, kUndo = 26;

class EditField : public QLineEdit {
public:
    EditField(TkWindow* handle, QWidget* parent) : QLineEdit(parent), handle_(handle) {
        setAttribute(Qt::WA_InputMethodEnabled, false);
        setContextMenuPolicy(Qt::NoContextMenu);
        setDragEnabled(false);
        setAcceptDrops(false);
        setFrame(true);
    }

protected:
    bool event(QEvent* e) override {
        // Every key is ours: no shortcut and no TAB focus chain may take it.
        if (e->type() == QEvent::ShortcutOverride) {
            e->accept();
            return true;
        }
        if (e->type() == QEvent::KeyPress) {
            keyPressEvent(static_cast<QKeyEvent*>(e));
            return true;
        }
        return QLineEdit::event(e);
    }

    void keyPressEvent(QKeyEvent* e) override {
        const int key = e->key();
        if (key == Qt::Key_End || key == Qt::Key_Home || key == Qt::Key_Left ||
            key == Qt::Key_Right) {
            QLineEdit::keyPressEvent(e);
            return;
        }
        int vk = tk::VirtualKeyCode(*e);
        if (vk > 0 && vk <= 255 && tk::MainWindow() != nullptr) PostCommand(tk::MainWindow(), WParam(vk));

        // The character the key types, if any.
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Return ||
            key == Qt::Key_Enter) {
            tk::KeyPending() = 1;
            return;
        }
        QString text = e->text();
        if (text.isEmpty() && (e->modifiers() & Qt::ControlModifier) && key >= Qt::Key_A &&
            key <= Qt::Key_Z) {
            text = QChar(char16_t(key - Qt::Key_A + 1));
        }
        if (key == Qt::Key_Backspace) text = QChar(kBackspace);
        if (text.size() == 1 && text[0].unicode() < 0x20) {
            Control(text[0].unicode());
            return;
        }
        if (e->modifiers() & Qt::ControlModifier && !(e->modifiers() & Qt::AltModifier)) return;
        Insert(text);
    }

private:
    void Control(char16_t c) {
        switch (c) {
            case kBackspace: Edit([this] { backspace(); }); break;
            case kCopy: copy(); break;
            case kCut: Edit([this] { cut(); }); break;
            case kUndo: Undo(); break;
            case kPaste: {
                QString pasted = QApplication::clipboard()->text();
                // A single-line field takes the first line only.
                qsizetype end = pasted.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
                if (end >= 0) pasted.truncate(end);
                Insert(pasted);
                break;
            }
            default: break;
        }
    }

    void Insert(const QString& text) {
        QString accepted;
        for (QChar c : text) {
            if (c.unicode() < 0x20 || c.unicode() == 0x7F || !tk::IsCp1252Char(c)) continue;
            if (c.unicode() >= 0x80 && c.unicode() < 0xA0) continue;
            if (handle_->digitsOnly && !(c >= QLatin1Char('0') && c <= QLatin1Char('9'))) continue;
            accepted.append(c);
        }
        if (!accepted.isEmpty()) Edit([&] { insert(accepted); });
    }

    // One level of undo, as a Windows edit field has: Ctrl+Z brings back the
    // text before the last change, and a second Ctrl+Z the change again. The
    // line edit's own history, which would keep every change for as long as
    // the program runs, is emptied after each one.
    template <typename Change>
    void Edit(Change change) {
        const QString before = text();
        change();
        if (text() != before) {
            undoText_ = before;
            canUndo_ = true;
        }
        if (isUndoAvailable() || isRedoAvailable()) {
            const int cursor = cursorPosition();
            setText(text());   // clears the line edit's history
            setCursorPosition(cursor);
        }
    }

    void Undo() {
        if (!canUndo_) return;
        const QString now = text();
        setText(undoText_);
        undoText_ = now;
    }

    TkWindow* handle_;
    QString undoText_;
    bool canUndo_ = false;
};

}  // namespace


namespace {

void MakeEditField(Window handle) {
    const TkPending& p = *handle->pending;
    auto* field = new EditField(handle, p.host);
    handle->widget = field;
    Qt::Alignment align = Qt::AlignLeft;
    if (p.style & ES_CENTER) align = Qt::AlignHCenter;
    if (p.style & ES_RIGHT) align = Qt::AlignRight;
    field->setAlignment(align | Qt::AlignVCenter);
    field->setGeometry(p.geometry);
    // A limit of 0 means as much as the platform allows.
    field->setMaxLength(p.maxChars > 0 ? p.maxChars : 32767);
    if (p.hasFont) field->setFont(tk::QtFont(p.font));
    if (!p.accessibleName.isEmpty()) field->setAccessibleName(p.accessibleName);
    field->setVisible(p.visible);
}

}  // namespace

Window CreateEditField(Window parent, int x, int y, int width, int height, const char* keyword,
                       int maxChars) {
    if (parent == nullptr) return nullptr;
    QWidget* host = parent->client ? parent->client : parent->widget;
    if (host == nullptr) return nullptr;
    std::uint32_t style = EditStyleForKeyword(keyword);
    auto* handle = new TkWindow{TkKind::Edit};
    handle->commandId = 1;
    handle->digitsOnly = (style & ES_NUMBER) != 0;
    handle->pending = std::make_unique<TkPending>();
    handle->pending->host = host;
    handle->pending->geometry = QRect(x, y, width, height);
    handle->pending->style = style;
    handle->pending->maxChars = maxChars;
    handle->make = MakeEditField;
    tk::Controls().push_back(handle);
    if (!tk::Offscreen(*handle->pending)) tk::Widget(handle);
    return handle;
}

int HideEditField(Window field) {
    if (field == nullptr) return 1;
    if (TkPending* p = field->pending.get()) {
        bool wasHidden = !p->visible;
        p->visible = false;
        return wasHidden ? 1 : 0;
    }
    if (field->widget == nullptr) return 1;
    bool wasHidden = field->widget->isHidden();
    field->widget->hide();
    return wasHidden ? 1 : 0;
}

int ShowEditField(Window field) {
    if (field == nullptr) return 0;
    if (TkPending* p = field->pending.get()) {
        bool wasVisible = p->visible;
        p->visible = true;
        if (!tk::Offscreen(*p)) tk::Widget(field);
        return wasVisible ? 1 : 0;
    }
    if (field->widget == nullptr) return 0;
    bool wasVisible = !field->widget->isHidden();
    field->widget->show();
    return wasVisible ? 1 : 0;
}

void FocusEditField(Window field) {
    if (field == nullptr) return;
    if (field->pending && tk::Offscreen(*field->pending)) {
        // Remembered for when the window is shown, as the platform
        // remembers the focus it was asked for in a window not yet shown.
        if (QWidget* focus = field->pending->host->window()->focusWidget()) focus->clearFocus();
        tk::FocusRequest() = field;
        return;
    }
    QWidget* widget = tk::Widget(field);
    if (widget == nullptr) return;
    tk::FocusRequest() = nullptr;
    widget->setFocus(Qt::OtherFocusReason);
}

int PassFocus(Window from, Window to) {
    if (tk::KeyPending() != 1 || from == nullptr || from->widget == nullptr) return 0;
    QWidget* top = from->widget->window();
    if (top->focusWidget() != from->widget || from->widget->isHidden()) return 0;
    if (QWidget* next = tk::Widget(to)) next->setFocus(Qt::TabFocusReason);
    tk::KeyPending() = 0;
    return 0;
}

void GetEditFieldText(Window field, std::string& buffer) {
    if (field == nullptr) return;
    if (field->pending) {
        buffer.clear();   // nothing can have been typed into it yet
        return;
    }
    if (field->widget == nullptr) return;
    auto* edit = static_cast<QLineEdit*>(field->widget);
    buffer = tk::FromQString(edit->text());
    if (buffer.size() > static_cast<std::size_t>(edit->maxLength()))
        buffer.resize(static_cast<std::size_t>(edit->maxLength()));
}

int SetEditFieldFont(Window field, Font font) {
    if (field == nullptr) return 0;
    if (TkPending* p = field->pending.get()) {
        p->font = font;
        p->hasFont = true;
        return 0;
    }
    if (field->widget == nullptr) return 0;
    field->widget->setFont(tk::QtFont(font));
    return 0;
}

namespace tk {

int& KeyPending() {
    static int pending = 0;
    return pending;
}

}  // namespace tk
