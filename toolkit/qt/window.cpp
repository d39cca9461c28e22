// The top-level window, message delivery and the message loop.

#include "toolkit/observer.h"
#include "toolkit/qt/qt_bridge.h"
#include "toolkit/text.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCloseEvent>
#include <QDeadlineTimer>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QLayout>
#include <QLocale>
#include <QMainWindow>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace tk {

namespace {

// Frame of a fixed-size window on each side. The size passed to
// OpenMainWindow includes it; here the window manager draws the frame and
// the title bar, so the window's inside, menu bar included, is that size
// less the frame on each side (1006 x 600 gives 1000 x 594).
constexpr int kFrame = 3;

Qt::WindowFlags FlagsFor(const WindowStyle& s) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint;
    if (s.style & kPopup) return flags | Qt::FramelessWindowHint;
    if (s.exStyle & kToolWindow) flags |= Qt::Tool;
    // Every window that is not a pop-up has a title bar.
    flags |= Qt::WindowTitleHint;
    if (s.style & kSysMenu) {
        flags |= Qt::WindowSystemMenuHint;
        if (!(s.classStyle & kNoClose)) flags |= Qt::WindowCloseButtonHint;
    }
    if (s.style & kMinimizeBox) flags |= Qt::WindowMinimizeButtonHint;
    if (s.style & kMaximizeBox) flags |= Qt::WindowMaximizeButtonHint;
    if (s.exStyle & kContextHelp) flags |= Qt::WindowContextHelpButtonHint;
    return flags;
}

// What was last told to a screen reader about the page.
QString& Announcement() {
    static QString said;
    return said;
}

// The client area: shows the client image, which the paint handler fills.
class ClientArea : public QWidget {
public:
    ClientArea(WindowImpl* handle, QWidget* parent) : QWidget(parent), handle_(handle) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        handle_->inPaint = true;
        handle_->procedure(handle_, kWmPaint, 0, 0);
        handle_->inPaint = false;
        Announce();
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        const qreal ratio = devicePixelRatioF();
        if (ratio > 1.0) {
            painter.drawImage(0, 0, ForScreen(handle_->clientImage->image, ratio));
        } else {
            // In bands of rows: Qt hands a large image that must be converted
            // to the screen's pixel format to worker threads, which it starts
            // for the purpose and then waits for; a band is converted on the
            // spot.
            const QImage& image = handle_->clientImage->image;
            const QRect dirty = event->rect() & image.rect();
            constexpr int kBand = 32;
            for (int y = dirty.top(); y <= dirty.bottom(); y += kBand) {
                const int rows = std::min(kBand, dirty.bottom() + 1 - y);
                painter.drawImage(QPoint(0, y), image, QRect(0, y, image.width(), rows));
            }
        }
        // The paint handler copies the whole canvas, not only the part that
        // asked for a repaint (a field that was hidden, say): show all of it.
        if (!QRegion(rect()).subtracted(event->region()).isEmpty()) update();
    }
    bool focusNextPrevChild(bool) override { return false; }

private:
    // What changed on the page is told to a screen reader (Announcer) as a
    // notification shown in the client area's status bar: Orca says it
    // wherever the focus is, and without the word "notification" in a
    // status bar. (Qt 6.4 hands a screen reader the object, not the text,
    // with a name or description change, which Orca cannot say.)
    void Announce() {
        const std::string said = PageAnnouncer().Said(PageTexts());
        if (said.empty()) return;
        Announcement() = ToQString(said);
        if (!QAccessible::isActive()) return;
        QAccessibleEvent changed(this, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&changed);
        QAccessibleInterface* area = QAccessible::queryAccessibleInterface(this);
        QAccessibleInterface* bar = area ? area->child(area->childCount() - 1) : nullptr;
        if (QAccessibleInterface* note = bar ? bar->child(0) : nullptr) {
            QAccessibleEvent shown(note, QAccessible::ObjectShow);
            QAccessible::updateAccessibility(&shown);
        }
    }

    // The client image in the screen's pixels. A whole scale factor repeats
    // every pixel as a block, so lines and letters stay as crisp as on the
    // canvas; any other factor repeats them by the next whole factor and
    // then averages down, which keeps strokes even instead of one or two
    // pixels wide by chance. The result is kept until the image or the
    // factor changes.
    const QImage& ForScreen(const QImage& image, qreal ratio) {
        if (ratio <= 1.0) return image;
        if (image.cacheKey() == sourceKey_ && ratio == scaledRatio_) return scaled_;
        const int whole = static_cast<int>(std::ceil(ratio - 1e-6));
        scaled_ = image.scaled(image.size() * whole, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        if (std::abs(ratio - whole) > 1e-6) {
            const QSize target(static_cast<int>(std::lround(image.width() * ratio)),
                               static_cast<int>(std::lround(image.height() * ratio)));
            scaled_ = scaled_.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
        scaled_.setDevicePixelRatio(ratio);
        sourceKey_ = image.cacheKey();
        scaledRatio_ = ratio;
        return scaled_;
    }

    WindowImpl* handle_;
    QImage scaled_;
    qint64 sourceKey_ = 0;
    qreal scaledRatio_ = 0;
};

// A read-only object of the client area for assistive technology that no
// widget stands behind.
class AreaNode : public QAccessibleInterface {
public:
    explicit AreaNode(QWidget* area) : area_(area) {}
    bool isValid() const override { return area_ != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return area_ ? area_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(area_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return {}; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.readOnly = true;
        return state;
    }

protected:
    QPointer<QWidget> area_;
};

// The status bar of the client area for assistive technology, and in it
// the notification that holds what was last told (a screen reader can read
// it again from there).
class SaidNode : public AreaNode {
public:
    SaidNode(QWidget* area, QAccessibleInterface* bar) : AreaNode(area), bar_(bar) {}
    QAccessibleInterface* parent() const override { return bar_ ? bar_ : AreaNode::parent(); }
    QAccessibleInterface* child(int index) const override {
        return index == 0 && note_ != nullptr ? note_ : nullptr;
    }
    int childCount() const override { return note_ != nullptr ? 1 : 0; }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr && child == note_ ? 0 : -1;
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && bar_ != nullptr ? Announcement() : QString();
    }
    QAccessible::Role role() const override {
        return bar_ != nullptr ? QAccessible::Notification : QAccessible::StatusBar;
    }
    // The bar's notification, made with it.
    QAccessibleInterface* note_ = nullptr;

private:
    QAccessibleInterface* bar_;  // the notification's; null for the bar
};

// One text of the page for assistive technology: a static text, the index-th
// of the page's texts in reading order as they are when asked for.
class PageText : public AreaNode {
public:
    PageText(QWidget* area, int index) : AreaNode(area), index_(index) {}
    QString text(QAccessible::Text t) const override {
        const std::vector<ShownText> texts = PageTexts();
        if (t != QAccessible::Name || index_ >= static_cast<int>(texts.size())) return {};
        return ToQString(texts[index_].text);
    }
    QRect rect() const override {
        const std::vector<ShownText> texts = PageTexts();
        if (area_ == nullptr || index_ >= static_cast<int>(texts.size())) return {};
        return QRect(area_->mapToGlobal(QPoint(texts[index_].x, texts[index_].y)), QSize(1, 1));
    }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override {
        QAccessible::State state = AreaNode::state();
        state.invisible = index_ >= static_cast<int>(PageTexts().size());
        return state;
    }

private:
    int index_;
};

// The client area for assistive technology: its fields and buttons, the
// page's texts in reading order, then the status bar. A text's object is
// made the first time it is asked for and kept for its place in the order,
// as many as the page ever showed texts at once.
class ClientAccessible : public QAccessibleWidget {
public:
    explicit ClientAccessible(QWidget* area) : QAccessibleWidget(area, QAccessible::Client) {}
    int childCount() const override {
        return QAccessibleWidget::childCount() + static_cast<int>(PageTexts().size()) + 1;
    }
    QAccessibleInterface* child(int index) const override {
        if (index == childCount() - 1) return Bar();
        const int controls = QAccessibleWidget::childCount();
        if (index < controls) return QAccessibleWidget::child(index);
        const std::size_t text = static_cast<std::size_t>(index - controls);
        if (text >= PageTexts().size()) return nullptr;
        while (texts_.size() <= text)
            texts_.push_back(QAccessible::registerAccessibleInterface(
                new PageText(widget(), static_cast<int>(texts_.size()))));
        return QAccessible::accessibleInterface(texts_[text]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child != nullptr && child == bar_) return childCount() - 1;
        for (std::size_t i = 0; i < texts_.size(); ++i)
            if (QAccessible::accessibleInterface(texts_[i]) == child)
                return QAccessibleWidget::childCount() + static_cast<int>(i);
        return QAccessibleWidget::indexOfChild(child);
    }

private:
    QAccessibleInterface* Bar() const {
        if (bar_ == nullptr) {
            auto* bar = new SaidNode(widget(), nullptr);
            bar->note_ = new SaidNode(widget(), bar);
            QAccessible::registerAccessibleInterface(bar);
            QAccessible::registerAccessibleInterface(bar->note_);
            bar_ = bar;
        }
        return bar_;
    }

    mutable std::vector<QAccessible::Id> texts_;
    mutable QAccessibleInterface* bar_ = nullptr;
};

QAccessibleInterface* ClientAccessibleFactory(const QString&, QObject* object) {
    if (auto* area = dynamic_cast<ClientArea*>(object)) return new ClientAccessible(area);
    return nullptr;
}

class MainFrame : public QMainWindow {
public:
    explicit MainFrame(WindowImpl* handle) : handle_(handle) {}

protected:
    bool event(QEvent* e) override {
        if (e->type() == CommandEvent::eventType()) {
            WParam id = static_cast<CommandEvent*>(e)->id;
            if (g_observer != nullptr) g_observer->CommandDelivered(id);
            handle_->procedure(handle_, kWmCommand, id, 0);
            return true;
        }
        return QMainWindow::event(e);
    }
    void closeEvent(QCloseEvent* e) override {
        e->ignore();
        handle_->procedure(handle_, kWmClose, 0, 0);
    }
    void moveEvent(QMoveEvent* e) override {
        QMainWindow::moveEvent(e);
        handle_->procedure(handle_, kWmMove, 0, 0);
    }
    // TAB never walks the controls: the fields decide where the focus goes.
    bool focusNextPrevChild(bool) override { return false; }

private:
    WindowImpl* handle_;
};

// An XPM file is C source: its quoted strings are the image, read here
// straight into an image. Qt's own reader, even when told the format, first
// goes through the image format plugins, several times slower
// (bench/README.md).
QImage ImageFromXpm(const QByteArray& source) {
    std::vector<QByteArray> lines;
    for (qsizetype i = 0; i < source.size(); ++i) {
        if (source[i] == '/' && i + 1 < source.size() && source[i + 1] == '*') {
            qsizetype end = source.indexOf("*/", i + 2);
            if (end < 0) break;
            i = end + 1;
        } else if (source[i] == '"') {
            qsizetype end = source.indexOf('"', i + 1);
            if (end < 0) return {};
            lines.push_back(source.mid(i + 1, end - i - 1));
            i = end;
        }
    }
    // The reader takes the header's word for how many lines follow.
    int width = 0, height = 0, colours = 0, perPixel = 0;
    if (lines.empty() ||
        std::sscanf(lines[0].constData(), "%d %d %d %d", &width, &height, &colours, &perPixel) !=
            4 ||
        width <= 0 || height <= 0 || colours <= 0 || perPixel <= 0 ||
        lines.size() - 1 < static_cast<std::size_t>(colours) + static_cast<std::size_t>(height))
        return {};
    std::vector<const char*> text;
    for (const QByteArray& line : lines) text.push_back(line.constData());
    return QImage(text.data());
}

}  // namespace

namespace {
Window g_main = nullptr;
}

Window MainWindow() { return g_main; }

std::vector<ShownText> PageTexts() {
    return g_main != nullptr && g_main->clientImage != nullptr
               ? g_main->clientImage->texts.InReadingOrder()
               : std::vector<ShownText>{};
}

Window OpenMainWindow(Instance instance, const char* title, int x, int y, int width, int height,
                      const char* keyword, WindowProcedure procedure) {
    if (procedure == nullptr) return nullptr;
    static std::set<std::string> classes;  // of the main windows opened: one
    if (!classes.insert(WindowClassName(title, instance)).second) return nullptr;

    WindowStyle style = WindowStyleForKeyword(keyword);
    auto* handle = new WindowImpl{ControlKind::Main};
    handle->procedure = procedure;
    auto* frame = new MainFrame(handle);
    frame->setWindowFlags(FlagsFor(style));
    frame->setWindowTitle(ToQString(title ? title : ""));
    static const bool installed = (QAccessible::installFactory(ClientAccessibleFactory), true);
    (void)installed;
    auto* client = new ClientArea(handle, frame);
    int clientWidth = width > 2 * kFrame ? width - 2 * kFrame : 1;
    int clientHeight = height > 2 * kFrame ? height - 2 * kFrame : 1;
    client->setFixedSize(clientWidth, clientHeight);
    frame->setCentralWidget(client);
    frame->layout()->setSizeConstraint(QLayout::SetFixedSize);
    frame->move(x, y);
    handle->widget = frame;
    handle->client = client;
    if (g_main == nullptr) g_main = handle;

    // The client image the paint handler copies the canvas into.
    handle->clientImage = NewCanvas(clientWidth, clientHeight);
    handle->clientImage->image.fill(QColor(0xF0, 0xF0, 0xF0));

    handle->procedure(handle, kWmCreate, 0, 0);
    frame->adjustSize();
    MakeShownControls();
    frame->show();
    frame->activateWindow();
    SetWindowColor(handle, 0xF0F0F0);
    return handle;
}

int CenterWindow(Window window) {
    if (window == nullptr || window->widget == nullptr) return 0;
    QWidget* w = window->widget;
    QScreen* screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return 0;
    // The frame a window manager draws round the window (its title bar
    // included) is known once the manager has taken the window and shown
    // it: the window is centred and kept on the work area with it. Without
    // a window manager the window shows at once, frameless.
    if (QWindow* shown = w->windowHandle(); shown != nullptr && w->isVisible()) {
        const QDeadlineTimer deadline(2000);
        while (!shown->isExposed() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    QRect area = screen->geometry();
    QRect outer = w->frameGeometry();
    int caption = w->geometry().top() - outer.top();
    int x = (area.width() - outer.width()) / 2;
    int y = (area.height() - (outer.height() + caption)) / 2;
    const QRect work = screen->availableGeometry();
    w->move(KeepOnWorkArea(area.left() + x, outer.width(), work.left(), work.right() + 1),
            KeepOnWorkArea(area.top() + y, outer.height(), work.top(), work.bottom() + 1));
    return 0;
}

int SetWindowIcon(Window window, const char* iconName) {
    if (window == nullptr || window->widget == nullptr) return 0;
    // The program's icons are XPM images among its resources.
    QIcon icon;
    QFile file(QStringLiteral(":/icons/%1.xpm").arg(ToQString(iconName ? iconName : "")));
    if (iconName != nullptr && file.open(QIODevice::ReadOnly))
        icon = QIcon(QPixmap::fromImage(ImageFromXpm(file.readAll())));
    window->widget->setWindowIcon(icon);
    QApplication::setWindowIcon(icon);
    return 0;
}

int SetWindowColor(Window window, Colour colour) {
    if (window == nullptr || window->widget == nullptr) return 0;
    if (!window->widget->isActiveWindow()) return 0;
    QPalette palette = window->widget->palette();
    palette.setColor(QPalette::Window,
                     QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF));
    window->widget->setPalette(palette);
    window->widget->update();
    return 0;
}

// Qt's accessibility gives a screen reader the default locale as the
// program's language.
int SetWindowLanguage(Window window, const char* language) {
    if (window == nullptr || language == nullptr) return 1;
    QLocale::setDefault(QLocale(QString::fromLatin1(language)));
    return 0;
}

int SetAccessibleName(Window control, const char* name) {
    if (control == nullptr || name == nullptr) return 1;
    const QString text = ToQString(name);
    if (control->pending) {
        control->pending->accessibleName = text;
        return 0;
    }
    if (control->widget == nullptr) return 1;
    // Unchanged names are left alone: a screen reader may read a renamed
    // control out again.
    if (control->widget->accessibleName() != text) control->widget->setAccessibleName(text);
    return 0;
}

void PostCommand(Window window, WParam id) {
    if (window == nullptr || window->widget == nullptr) return;
    if (g_observer != nullptr) g_observer->CommandPosted(id);
    QCoreApplication::postEvent(window->widget, new CommandEvent(id));
}

void PostQuitMessage(int exitCode) { QCoreApplication::exit(exitCode); }

int RunMessageLoop() { return QApplication::exec(); }

LResult DefaultWindowProc(Window window, unsigned message, WParam wParam, LParam lParam) {
    if (message == kWmClose && window != nullptr && window->widget != nullptr) {
        window->procedure(window, kWmDestroy, wParam, lParam);
        window->widget->hide();
    }
    return 0;
}

}  // namespace tk
