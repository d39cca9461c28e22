// Push buttons and option buttons.

#include "toolkit/qt/qt_bridge.h"
#include "toolkit/text.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include <cstring>
#include <utility>

namespace tk {

namespace {

QWidget* Host(Window parent) {
    if (parent == nullptr) return nullptr;
    return parent->client ? parent->client : parent->widget;
}

// A round option button: a click always checks it (a second click does not
// clear it) and clears the other round option buttons that are visible.
class RoundButton : public QRadioButton {
public:
    // The text is set once the button is one: a screen reader that asks
    // about it then is told of a radio button (RoundAccessible).
    RoundButton(WindowImpl* handle, const QString& text, QWidget* parent)
        : QRadioButton(parent), handle_(handle) {
        setText(text);
        setAutoExclusive(false);
        // Before the command is posted (MakeOptionButton).
        connect(this, &QAbstractButton::clicked, this, [this] {
            for (Window other : Controls()) {
                if (other == handle_ || other->kind != ControlKind::OptionButton) continue;
                auto* radio = dynamic_cast<RoundButton*>(other->widget);
                if (radio != nullptr && !radio->isHidden()) radio->setChecked(false);
            }
        });
    }

protected:
    void nextCheckState() override { setChecked(true); }

private:
    WindowImpl* handle_;
};

// A round option button for assistive technology: a radio button, checked
// or not, that a press clicks. (Qt takes a radio button that is not
// exclusive in Qt's own way for a check box.)
class RoundAccessible : public QAccessibleWidget {
public:
    explicit RoundAccessible(RoundButton* button)
        : QAccessibleWidget(button, QAccessible::RadioButton) {}
    QString text(QAccessible::Text which) const override {
        if (which != QAccessible::Name) return QAccessibleWidget::text(which);
        const QString name = Button()->accessibleName();
        return name.isEmpty() ? Button()->text() : name;
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = Button()->isChecked();
        return state;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction()) Button()->click();
    }

private:
    RoundButton* Button() const { return static_cast<RoundButton*>(widget()); }
};

QAccessibleInterface* RoundAccessibleFactory(const QString&, QObject* object) {
    if (auto* button = dynamic_cast<RoundButton*>(object)) return new RoundAccessible(button);
    return nullptr;
}

void Post(int commandId) {
    if (MainWindow() != nullptr) PostCommand(MainWindow(), WParam(commandId));
}

}  // namespace

Window CreatePushButton(Window parent, int x, int y, int width, int height, const char* text,
                        const char* placement, const char* frame, int commandId) {
    QWidget* host = Host(parent);
    if (host == nullptr) return nullptr;
    ButtonStyle style = PushButtonStyle(placement, frame);
    auto* handle = new WindowImpl{ControlKind::PushButton};
    auto* button = new QPushButton(ToQString(text ? text : ""), host);
    handle->widget = button;
    handle->commandId = commandId;
    button->setGeometry(x, y, width, height);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFont(QtFont(DefaultGuiFont()));
    button->setDefault((style.style & kDefaultButton) != 0);
    button->setFlat(false);
    // A label placed anywhere but the middle has a style sheet of its own.
    const Place across = LabelPlace(style.style, false);
    if (across != Place::Centre || LabelPlace(style.style, true) != Place::Centre) {
        constexpr const char* kAlign[] = {"center", "left", "right"};
        button->setStyleSheet(QStringLiteral("text-align: %1;").arg(kAlign[int(across)]));
    }
    QObject::connect(button, &QPushButton::clicked, button, [commandId] { Post(commandId); });
    // A frame outside the table makes a window that is neither a child nor
    // visible: here, a hidden one.
    button->setVisible((style.style & kChildVisible) != 0);
    Controls().push_back(handle);
    return handle;
}

int SetPushButtonText(Window button, const char* text) {
    if (button == nullptr || text == nullptr) return 1;
    if (Pending* p = button->pending.get())
        p->text = ToQString(text);
    else if (auto* b = qobject_cast<QAbstractButton*>(button->widget))
        b->setText(ToQString(text));
    else
        return 1;
    return 0;
}

int SetPushButtonFont(Window control, Font font) { return SetControlFont(control, font); }

namespace {

void MakeOptionButton(Window handle) {
    const Pending& p = *handle->pending;
    // Sized by the parent's own font to the label it was made with, not by
    // the font it gets later.
    const QSize text = TextExtent(SystemFont(), p.sizingText);
    const Extent size = OptionButtonExtent(text.width(), text.height());
    QAbstractButton* button = nullptr;
    if (p.style == kRadio) {
        static const bool installed = (QAccessible::installFactory(RoundAccessibleFactory), true);
        (void)installed;
        button = new RoundButton(handle, p.text, p.host);
    } else if (p.style == kCheckBox) {
        button = new QCheckBox(p.text, p.host);
    } else {
        button = new QPushButton(p.text, p.host);
    }
    button->setFocusPolicy(Qt::NoFocus);
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [id = handle->commandId] { Post(id); });
    handle->widget = button;
    button->setGeometry(p.geometry.x(), p.geometry.y(), size.width, size.height);
    if (p.hasFont) button->setFont(QtFont(p.font));
    if (p.checked) button->setChecked(true);
    if (!p.accessibleName.isEmpty()) button->setAccessibleName(p.accessibleName);
    button->setVisible(p.visible);
}

}  // namespace

Window CreateOptionButton(Window parent, int x, int y, const char* kind, const char* text,
                          int commandId) {
    QWidget* host = Host(parent);
    if (host == nullptr) return nullptr;
    QString label = ToQString(text ? text : "");
    std::uint32_t style = OptionButtonStyle(kind);
    auto* handle = new WindowImpl{ControlKind::OptionButton};
    handle->commandId = commandId;
    Pending pending;
    pending.host = host;
    pending.geometry = QRect(x, y, 0, 0);
    pending.style = style;
    pending.text = label;
    pending.sizingText = label;
    pending.visible = style != 0;
    return AddControl(handle, std::move(pending), MakeOptionButton);
}

int HideOptionButton(Window button) { return HideControl(button); }

int ShowOptionButton(Window button) { return ShowControl(button); }

int CheckOptionButton(Window button) {
    if (Pending* p = button ? button->pending.get() : nullptr) {
        if (p->style == kRadio || p->style == kCheckBox) p->checked = true;
    } else if (auto* b = qobject_cast<QAbstractButton*>(button ? button->widget : nullptr)) {
        if (b->isCheckable()) b->setChecked(true);
    }
    return 0;
}

int IsOptionChecked(Window button) {
    if (Pending* p = button ? button->pending.get() : nullptr) return p->checked ? 1 : 0;
    auto* b = qobject_cast<QAbstractButton*>(button ? button->widget : nullptr);
    return b && b->isChecked() ? 1 : 0;
}

}  // namespace tk
