// Single-line edit fields that forward their keys to the main window.

#include "toolkit/field_edit.h"
#include "toolkit/qt/qt_bridge.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QValidator>

#include <algorithm>
#include <string>
#include <utility>

namespace tk {

namespace {

// Characters a field acts on instead of inserting them.
constexpr char16_t kSelectAll = 1, kCopy = 3, kBackspace = 8, kPaste = 22, kCut = 24, kUndo = 26;

// The texts of the context menu's entries; English until the application
// sets its own.
enum MenuEntry { kMenuUndo, kMenuCut, kMenuCopy, kMenuPaste, kMenuDelete, kMenuSelectAll };
QString g_menuTexts[kEditMenuEntries] = {QStringLiteral("&Undo"),   QStringLiteral("Cu&t"),
                                         QStringLiteral("&Copy"),   QStringLiteral("&Paste"),
                                         QStringLiteral("&Delete"), QStringLiteral("Select &All")};

// The text as it is held, not copied.
std::u16string_view Units(const QString& text) {
    return {QStringView(text).utf16(), static_cast<std::size_t>(text.size())};
}

// The last word on a field's text, whatever put it there (typing and the
// clipboard are filtered before they get this far; an assistive technology
// setting the text is not): the same rules, over the whole text.
class WholeText : public QValidator {
public:
    WholeText(QLineEdit* field, const FieldEdit& rules) : QValidator(field), rules_(rules) {}
    State validate(QString& text, int& pos) const override {
        if (const auto kept = rules_.Revalidate(Units(text))) {
            text = ToQString(*kept);
            pos = std::min(pos, static_cast<int>(kept->size()));
        }
        return Acceptable;
    }

private:
    const FieldEdit& rules_;
};

// Keeps a field's caret and selection through a focus change: the platform
// moves the focus without selecting or deselecting anything.
class KeepSelection {
public:
    explicit KeepSelection(QLineEdit* field)
        : field_(field),
          cursor_(field->cursorPosition()),
          start_(field->selectionStart()),
          length_(static_cast<int>(field->selectedText().size())) {}
    ~KeepSelection() {
        if (field_->cursorPosition() == cursor_ && field_->selectionStart() == start_ &&
            field_->selectedText().size() == length_)
            return;
        if (length_ == 0)
            field_->setCursorPosition(cursor_);
        else if (cursor_ == start_)
            field_->setSelection(start_ + length_, -length_);
        else
            field_->setSelection(start_, length_);
    }

private:
    QLineEdit* field_;
    int cursor_, start_, length_;
};

class EditField : public QLineEdit {
public:
    // Where the character at `offset` shows, in screen coordinates: the
    // caret's place moved by the width of the text between the two.
    QRect CharacterRect(int offset) const {
        const QString all = text();
        if (offset < 0 || offset >= all.size()) return {};
        const QFontMetrics metrics(font());
        const int at = cursorRect().center().x() + metrics.horizontalAdvance(all.left(offset)) -
                       metrics.horizontalAdvance(all.left(cursorPosition()));
        return QRect(mapToGlobal(QPoint(at, cursorRect().top())),
                     QSize(metrics.horizontalAdvance(all[offset]), cursorRect().height()));
    }

    EditField(QWidget* parent, const FieldEdit& rules) : QLineEdit(parent), edit_(rules) {
        setAttribute(Qt::WA_InputMethodEnabled, false);
        setDragEnabled(false);
        setAcceptDrops(true);
        setFrame(true);
        setMaxLength(static_cast<int>(edit_.limit));
        setValidator(new WholeText(this, edit_));
    }

protected:
    bool event(QEvent* e) override {
        // Every key is ours: no shortcut and no TAB focus chain may take it.
        if (e->type() == QEvent::ShortcutOverride) {
            e->accept();
            return true;
        }
        if (e->type() == QEvent::KeyPress) {
            // The commands earlier keys forwarded are handled first, as on
            // Windows, where posted messages come before later input: a key
            // typed right after TAB goes where the TAB moved the focus.
            QWidget* before = window()->focusWidget();
            if (MainWindow() != nullptr)
                QCoreApplication::sendPostedEvents(MainWindow()->widget, CommandEvent::eventType());
            QWidget* focus = window()->focusWidget();
            if (focus == before)
                keyPressEvent(static_cast<QKeyEvent*>(e));
            else if (focus != nullptr)
                QCoreApplication::sendEvent(focus, e);
            return true;
        }
        return QLineEdit::event(e);
    }

    void keyPressEvent(QKeyEvent* e) override {
        const int key = e->key();
        const Qt::KeyboardModifiers mods =
            e->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
        const int vk = VirtualKeyCode(*e);
        const auto action = FieldKeyDown(MainWindow(), vk, mods.testFlag(Qt::AltModifier),
                                         mods.testFlag(Qt::ControlModifier));
        if (action == FieldKey::Caret) return QLineEdit::keyPressEvent(e);
        // What the key does in the field besides.
        if (action == FieldKey::Pending) return;
        if (key == Qt::Key_Menu || (key == Qt::Key_F10 && mods == Qt::ShiftModifier)) {
            OpenMenu(mapToGlobal(rect().center()));
            return;
        }
        if (key == Qt::Key_Insert && mods == Qt::ShiftModifier) return Paste(QClipboard::Clipboard);
        if (key == Qt::Key_Insert && mods == Qt::ControlModifier) return copy();
        if (action == FieldKey::Undo) Undo();
        if (action == FieldKey::Undo || action == FieldKey::Nothing) return;
        QString text = e->text();
        if (mods == Qt::ControlModifier && key >= Qt::Key_A && key <= Qt::Key_Z)
            text = QChar(char16_t(key - Qt::Key_A + 1));
        if (key == Qt::Key_Backspace) text = QChar(kBackspace);
        if (text.size() == 1 && text[0].unicode() < 0x20) {
            Control(text[0].unicode());
            return;
        }
        // Control with Alt is AltGr, which types.
        if (mods & Qt::ControlModifier && !(mods & Qt::AltModifier)) return;
        Put(text);
    }

    void focusInEvent(QFocusEvent* e) override {
        KeepSelection keep(this);
        QLineEdit::focusInEvent(e);
    }
    void focusOutEvent(QFocusEvent* e) override {
        KeepSelection keep(this);
        QLineEdit::focusOutEvent(e);
    }

    // The middle button pastes the X primary selection, by the same rules.
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() != Qt::MiddleButton) return QLineEdit::mouseReleaseEvent(e);
        if (rect().contains(e->position().toPoint())) Paste(QClipboard::Selection);
        e->accept();
    }

    void contextMenuEvent(QContextMenuEvent* e) override {
        // The Menu key and Shift+F10 open it through keyPressEvent, so that
        // their key-down is forwarded like any other.
        if (e->reason() != QContextMenuEvent::Keyboard) OpenMenu(e->globalPos());
        e->accept();
    }

    void dragEnterEvent(QDragEnterEvent* e) override { AcceptText(e); }
    void dragMoveEvent(QDragMoveEvent* e) override { AcceptText(e); }
    void dropEvent(QDropEvent* e) override {
        if (!AcceptText(e)) return;
        const auto at = static_cast<std::size_t>(cursorPositionAt(e->position().toPoint()));
        Show(edit_.Put({FromQString(text()), at, at}, Units(e->mimeData()->text())));
    }

private:
    static bool AcceptText(QDropEvent* e) {
        if (!e->mimeData()->hasText()) {
            e->ignore();
            return false;
        }
        e->setDropAction(Qt::CopyAction);
        e->accept();
        return true;
    }

    void Control(char16_t c) {
        switch (c) {
            case kSelectAll: selectAll(); break;
            case kBackspace: Show(edit_.Delete(State(), true)); break;
            case kCopy: copy(); break;
            case kCut: Cut(); break;
            case kUndo: Undo(); break;
            case kPaste: Paste(QClipboard::Clipboard); break;
            default: break;
        }
    }

    // The text and selection as the model has them, and back.
    FieldState State() const {
        const bool selected = hasSelectedText();
        const auto start = static_cast<std::size_t>(selected ? selectionStart() : cursorPosition());
        return {FromQString(text()), start,
                selected ? static_cast<std::size_t>(selectionEnd()) : start};
    }
    void Show(const std::optional<FieldState>& after) {
        if (!after) return;
        setText(ToQString(after->text));  // also empties the line edit's own history
        setCursorPosition(static_cast<int>(after->end));
    }

    // Typed, pasted or dropped text, in place of the selection.
    void Put(const QString& text) { Show(edit_.Put(State(), Units(text))); }
    void Cut() {
        copy();
        Show(edit_.Delete(State(), false));
    }
    void Undo() { Show(edit_.Undo(State())); }
    void Paste(QClipboard::Mode mode) { Put(QApplication::clipboard()->text(mode)); }

    // The menu of a Windows edit field, each entry greyed when it cannot act.
    void OpenMenu(const QPoint& at) {
        auto* menu = new QMenu(this);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        const bool selected = hasSelectedText();
        const qsizetype start = selected ? selectionStart() : cursorPosition();
        const bool all = start == 0 && selectedText().size() == text().size();
        const bool clipboardText = !QApplication::clipboard()->text().isEmpty();
        auto add = [&](MenuEntry entry, bool enabled, auto act) {
            QAction* action = menu->addAction(g_menuTexts[entry]);
            action->setEnabled(enabled);
            connect(action, &QAction::triggered, this, act);
        };
        add(kMenuUndo, edit_.CanUndo(), [this] { Undo(); });
        menu->addSeparator();
        add(kMenuCut, selected, [this] { Cut(); });
        add(kMenuCopy, selected, [this] { copy(); });
        add(kMenuPaste, clipboardText, [this] { Paste(QClipboard::Clipboard); });
        add(kMenuDelete, selected, [this] { Show(edit_.Delete(State(), false)); });
        menu->addSeparator();
        add(kMenuSelectAll, !all, [this] { selectAll(); });
        menu->popup(at);
    }

    // Ctrl+Z brings back the text before the last change, and a second
    // Ctrl+Z the change again; the line edit's own history, which would keep
    // every change for as long as the program runs, is never used.
    FieldEdit edit_;
};

// A field for assistive technology, as Qt's own but for the text's
// attributes: one run of none over the whole text. Qt 6.4 reports a run of
// no characters at each offset, from which Orca takes the text to be one
// character short and leaves the last one unsaid ("300" for 3000).
class FieldAccessible : public QAccessibleWidget,
                        public QAccessibleTextInterface,
                        public QAccessibleEditableTextInterface {
public:
    explicit FieldAccessible(EditField* field)
        : QAccessibleWidget(field, QAccessible::EditableText) {}
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text which) const override {
        if (which == QAccessible::Value) return Field()->text();
        if (which == QAccessible::Name) return Field()->accessibleName();
        return QAccessibleWidget::text(which);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        state.selectableText = true;
        return state;
    }

    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index != 0 || !Field()->hasSelectedText()) return;
        *start = Field()->selectionStart();
        *end = *start + static_cast<int>(Field()->selectedText().size());
    }
    int selectionCount() const override { return Field()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override { Field()->deselect(); }
    void setSelection(int, int start, int end) override {
        Field()->setSelection(start, end - start);
    }
    int cursorPosition() const override { return Field()->cursorPosition(); }
    void setCursorPosition(int position) override { Field()->setCursorPosition(position); }
    QString text(int start, int end) const override {
        return Field()->text().mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(Field()->text().size()); }
    QRect characterRect(int offset) const override { return Field()->CharacterRect(offset); }
    int offsetAtPoint(const QPoint& point) const override {
        return Field()->cursorPositionAt(Field()->mapFromGlobal(point));
    }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

    // Through the field's rules, as a paste.
    void deleteText(int start, int end) override { replaceText(start, end, {}); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override {
        Field()->setText(Field()->text().replace(start, end - start, text));
    }

private:
    EditField* Field() const { return static_cast<EditField*>(widget()); }
};

QAccessibleInterface* FieldAccessibleFactory(const QString&, QObject* object) {
    if (auto* field = dynamic_cast<EditField*>(object)) return new FieldAccessible(field);
    return nullptr;
}

}  // namespace

namespace {

void MakeEditField(Window handle) {
    static const bool installed = (QAccessible::installFactory(FieldAccessibleFactory), true);
    (void)installed;
    const Pending& p = *handle->pending;
    auto* field = new EditField(p.host, FieldEdit(p.style, p.maxChars));
    handle->widget = field;
    Qt::Alignment align = Qt::AlignLeft;
    if (p.style & kEditCentred) align = Qt::AlignHCenter;
    if (p.style & kEditRight) align = Qt::AlignRight;
    field->setAlignment(align | Qt::AlignVCenter);
    field->setGeometry(p.geometry);
    if (p.hasFont) field->setFont(QtFont(p.font));
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
    auto* handle = new WindowImpl{ControlKind::Edit};
    handle->commandId = 1;
    Pending pending;
    pending.host = host;
    pending.geometry = QRect(x, y, width, height);
    pending.style = style;
    pending.maxChars = maxChars;
    return AddControl(handle, std::move(pending), MakeEditField);
}

int HideEditField(Window field) { return HideControl(field); }

int ShowEditField(Window field) { return ShowControl(field); }

void FocusEditField(Window field) {
    if (field == nullptr) return;
    if (field->pending && Offscreen(*field->pending)) {
        // Remembered for when the window is shown, as the platform
        // remembers the focus it was asked for in a window not yet shown.
        if (QWidget* focus = field->pending->host->window()->focusWidget()) focus->clearFocus();
        FocusRequest() = field;
        return;
    }
    QWidget* widget = Widget(field);
    if (widget == nullptr) return;
    FocusRequest() = nullptr;
    widget->setFocus(Qt::OtherFocusReason);
}

int PassFocus(Window from, Window to) {
    QWidget* field = from != nullptr ? from->widget : nullptr;
    PassPending(field && !field->isHidden() && field->window()->focusWidget() == field, [to] {
        if (QWidget* next = Widget(to)) next->setFocus(Qt::OtherFocusReason);
    });
    return 0;
}

void GetEditFieldText(Window field, std::string& buffer) {
    if (field != nullptr && field->pending)
        buffer.clear();  // nothing can have been typed into it yet
    else if (auto* edit = static_cast<QLineEdit*>(field ? field->widget : nullptr))
        buffer = Limited(FromQString(edit->text()), std::size_t(edit->maxLength()));
}

int SetEditFieldFont(Window field, Font font) { return SetControlFont(field, font); }

void SetEditMenuTexts(const char* const texts[kEditMenuEntries]) {
    if (texts == nullptr) return;
    for (int i = 0; i < kEditMenuEntries; ++i)
        if (texts[i] != nullptr) g_menuTexts[i] = ToQString(texts[i]);
}

}  // namespace tk
