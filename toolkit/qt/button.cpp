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

constexpr std::uint32_t kChildVisible = 0x50000000;  // WS_CHILD | WS_VISIBLE
constexpr std::uint32_t BS_DEFPUSHBUTTON = 0x0001;

const std::uint32_t kRadio = OptionButtonStyle("ROUND");
const std::uint32_t kCheckBox = OptionButtonStyle("SQUARE");

QWidget* Host(Window parent) {
    if (parent == nullptr) return nullptr;
    return parent->client ? parent->client : parent->widget;
}

void Post(int commandId) {
    if (MainWindow() != nullptr) PostCommand(MainWindow(), WParam(commandId));
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
        setFocusPolicy(Qt::NoFocus);
        connect(this, &QAbstractButton::clicked, this, [this] { Clicked(); });
    }

protected:
    void nextCheckState() override { setChecked(true); }

private:
    void Clicked() {
        for (Window other : Controls()) {
            if (other == handle_ || other->kind != ControlKind::OptionButton) continue;
            auto* radio = dynamic_cast<RoundButton*>(other->widget);
            if (radio != nullptr && !radio->isHidden()) radio->setChecked(false);
        }
        Post(handle_->commandId);
    }
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

Qt::Alignment AlignmentFor(std::uint32_t bits) {
    constexpr Qt::Alignment h[] = {Qt::AlignHCenter, Qt::AlignLeft, Qt::AlignRight};
    constexpr Qt::Alignment v[] = {Qt::AlignVCenter, Qt::AlignTop, Qt::AlignBottom};
    return h[int(LabelPlace(bits, false))] | v[int(LabelPlace(bits, true))];
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
    button->setDefault((style.style & BS_DEFPUSHBUTTON) != 0);
    button->setFlat(false);
    Qt::Alignment align = AlignmentFor(style.style);
    if (align != (Qt::AlignHCenter | Qt::AlignVCenter)) {
        QString h = (align & Qt::AlignLeft)    ? "left"
                    : (align & Qt::AlignRight) ? "right"
                                               : "center";
        button->setStyleSheet(QStringLiteral("text-align: %1;").arg(h));
    }
    QObject::connect(button, &QPushButton::clicked, button, [commandId] { Post(commandId); });
    // A frame outside the table makes a window that is neither a child nor
    // visible: here, a hidden one.
    if (style.style & kChildVisible)
        button->show();
    else
        button->hide();
    Controls().push_back(handle);
    return handle;
}

int SetPushButtonText(Window button, const char* text) {
    if (button == nullptr || text == nullptr) return 1;
    if (Pending* p = button->pending.get()) {
        p->text = ToQString(text);
        return 0;
    }
    if (button->widget == nullptr) return 1;
    auto* b = qobject_cast<QAbstractButton*>(button->widget);
    if (b == nullptr) return 1;
    b->setText(ToQString(text));
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
    const int commandId = handle->commandId;
    QAbstractButton* button = nullptr;
    if (p.style == kRadio) {
        static const bool installed = (QAccessible::installFactory(RoundAccessibleFactory), true);
        (void)installed;
        button = new RoundButton(handle, p.text, p.host);
    } else if (p.style == kCheckBox) {
        button = new QCheckBox(p.text, p.host);
        button->setFocusPolicy(Qt::NoFocus);
        QObject::connect(button, &QAbstractButton::clicked, button,
                         [commandId] { Post(commandId); });
    } else {
        button = new QPushButton(p.text, p.host);
        button->setFocusPolicy(Qt::NoFocus);
        QObject::connect(button, &QAbstractButton::clicked, button,
                         [commandId] { Post(commandId); });
    }
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
    if (button == nullptr) return 0;
    if (Pending* p = button->pending.get()) {
        if (p->style == kRadio || p->style == kCheckBox) p->checked = true;
        return 0;
    }
    if (button->widget == nullptr) return 0;
    if (auto* b = qobject_cast<QAbstractButton*>(button->widget); b && b->isCheckable())
        b->setChecked(true);
    return 0;
}

int IsOptionChecked(Window button) {
    if (button == nullptr) return 0;
    if (button->pending) return button->pending->checked ? 1 : 0;
    if (button->widget == nullptr) return 0;
    auto* b = qobject_cast<QAbstractButton*>(button->widget);
    return b && b->isChecked() ? 1 : 0;
}

}  // namespace tk
