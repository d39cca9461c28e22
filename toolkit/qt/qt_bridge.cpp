// Platform start-up, Windows-1252 conversion at the Qt boundary, and the
// toolkit's shared bookkeeping.

#include "toolkit/qt/qt_bridge.h"
#include "toolkit/text.h"

#include <QAccessible>
#include <QApplication>
#include <QDesktopServices>
#include <QUrl>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include <fontconfig/fontconfig.h>

namespace tk {

namespace {

// Qt's messages while the platform starts: kept back, so that a failure to
// reach a display comes out as one line of ours.
bool g_starting = false;
std::vector<std::pair<QtMsgType, QString>>* g_heldMessages = nullptr;

void MessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg && g_starting) {
        std::fprintf(
            stderr, "selvaquin: cannot open a window: no usable display (%s)\n",
            qgetenv("DISPLAY").isEmpty() ? "DISPLAY is not set" : qgetenv("DISPLAY").constData());
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (g_starting && g_heldMessages) {
        g_heldMessages->emplace_back(type, message);
        return;
    }
    // Routine chatter of the offscreen platform is of no use to anyone.
    if (message.contains(QLatin1String("propagateSizeHints")) ||
        message.startsWith(QLatin1String("This plugin does not support")))
        return;
    (void)context;
    std::fprintf(stderr, "%s\n", qPrintable(message));
    if (type == QtFatalMsg) std::abort();
}

// A text for fontconfig's configuration language.
std::string XmlText(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else
            out += c;
    }
    return out;
}

// Sets fontconfig up with the machine's configuration but only the fonts of
// `families`; with every font where none of those is installed.
//
// Every font fontconfig holds costs time over and over while the window is
// made: Qt enters each into its font database, and each face it loads (every
// size counts) and each stand-in it looks for the menus is matched against
// all of them; on a machine with hundreds of fonts the start is faster
// (bench/README.md). It also gives the menu bar DejaVu Sans wherever the
// program runs.
void LoadFonts(const std::vector<std::string>& families) {
    // The rules and font directories, no fonts yet (the XML takes most of
    // the time here). Then every font is turned away unless it belongs to one
    // of the families; the fonts come from fontconfig's caches as always.
    if (FcConfig* config = FcInitLoadConfig()) {
        std::string only =
            "<fontconfig><selectfont><rejectfont><pattern/></rejectfont><acceptfont>";
        for (const std::string& family : families)
            only += "<pattern><patelt name=\"family\"><string>" + XmlText(family) +
                    "</string></patelt></pattern>";
        only += "</acceptfont></selectfont></fontconfig>";
        const FcFontSet* fonts = nullptr;
        if (FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(only.c_str()),
                                           FcFalse) &&
            FcConfigBuildFonts(config))
            fonts = FcConfigGetFonts(config, FcSetSystem);
        if (fonts != nullptr && fonts->nfont > 0) FcConfigSetCurrent(config);
        FcConfigDestroy(config);  // the current configuration keeps a reference
    }
    // The whole configuration, unless the one above was taken.
    FcInit();
}

}  // namespace

int InitToolkit(int& argc, char** argv, const char* platform,
                std::initializer_list<const char*> faces) {
    if (platform != nullptr) {
        qputenv("QT_QPA_PLATFORM", platform);
    } else if (qgetenv("QT_QPA_PLATFORM").isEmpty() && qgetenv("DISPLAY").isEmpty() &&
               qgetenv("WAYLAND_DISPLAY").isEmpty()) {
        std::fprintf(stderr, "selvaquin: cannot open a window: no display (DISPLAY is not set)\n");
        return 1;
    }
    qInstallMessageHandler(MessageHandler);
    std::vector<std::pair<QtMsgType, QString>> held;
    g_heldMessages = &held;
    // The same look under every desktop, so pages match pixel for pixel.
    QApplication::setDesktopSettingsAware(false);
    // Before the platform starts, which looks fonts up.
    std::vector<std::string> families{kStandInFace, kSystemFace, kGuiFace};
    for (const char* face : faces)
        if (face != nullptr && face[0] != '\0') families.emplace_back(face);
    LoadFonts(families);
    g_starting = true;
    static QApplication* app = new QApplication(argc, argv);
    g_starting = false;
    g_heldMessages = nullptr;
    for (const auto& [type, message] : held) {
        if (type != QtDebugMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
    }
    app->setQuitOnLastWindowClosed(false);
    QApplication::setStyle(QStringLiteral("Fusion"));
    return 0;
}

void OpenWithShell(Window window, const char* target, int show) {
    (void)window;
    (void)show;
    if (target == nullptr) return;
    QDesktopServices::openUrl(QUrl(ToQString(target)));
}

QEvent::Type CommandEvent::eventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

QString ToQString(std::string_view cp1252) {
    const std::u32string text = CodePointsOfCp1252(cp1252);
    return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}

// A lone surrogate comes out as U+FFFD, which has no byte either.
std::string FromQString(const QString& text) { return Cp1252(text.toStdU32String()); }

// Kept for the life of the process (never destroyed, so what they hold
// stays reachable to the very end). Bounded by what the program makes: each
// page makes its controls once, in the init pass.
std::vector<Window>& Controls() {
    static auto* controls = new std::vector<Window>;
    return *controls;
}

Window AddControl(WindowImpl* control, Pending pending, void (*make)(WindowImpl*)) {
    control->pending = std::make_unique<Pending>(std::move(pending));
    control->make = make;
    Controls().push_back(control);
    if (!Offscreen(*control->pending)) Widget(control);
    return control;
}

namespace {

// What a widget tells assistive technology of its caret and name while it
// is being made goes unsaid: a field made as it gets the focus would tell
// of its caret before its focus, and Orca then leaves the focus unsaid (a
// page's first opening would not say its field). Both are told with the
// focus.
bool g_making = false;
QAccessible::UpdateHandler g_platformUpdate = nullptr;

void UpdateUnlessMaking(QAccessibleEvent* event) {
    if (g_making &&
        (event->type() == QAccessible::TextCaretMoved || event->type() == QAccessible::NameChanged))
        return;
    QAccessible::installUpdateHandler(g_platformUpdate);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(UpdateUnlessMaking);
}

}  // namespace

QWidget* Widget(Window control) {
    if (control == nullptr) return nullptr;
    if (control->pending && control->make != nullptr) {
        static const bool filtering =
            (g_platformUpdate = QAccessible::installUpdateHandler(UpdateUnlessMaking), true);
        (void)filtering;
        g_making = true;
        control->make(control);
        g_making = false;
        control->pending.reset();
    }
    return control->widget;
}

bool Offscreen(const Pending& pending) {
    return pending.host == nullptr || !pending.host->isVisible();
}

// Shows or hides a control, made or pending; true when it was shown.
bool SetShown(Window control, bool show) {
    bool was = false;
    if (Pending* p = control ? control->pending.get() : nullptr) {
        was = std::exchange(p->visible, show);
        if (show && !Offscreen(*p)) Widget(control);
    } else if (QWidget* widget = control ? control->widget : nullptr) {
        was = !widget->isHidden();
        // A hidden control keeps no keyboard focus, as on Windows: keys then
        // go to the window, which ignores them.
        if (!show && widget->window()->focusWidget() == widget) widget->clearFocus();
        widget->setVisible(show);
    }
    return was;
}

int HideControl(Window control) { return SetShown(control, false) ? 0 : 1; }
int ShowControl(Window control) { return SetShown(control, true) ? 1 : 0; }

int SetControlFont(Window control, Font font) {
    if (control == nullptr) return 0;
    if (Pending* p = control->pending.get()) {
        p->font = font;
        p->hasFont = true;
    } else if (control->widget != nullptr) {
        control->widget->setFont(QtFont(font));
    }
    return 0;
}

Window& FocusRequest() {
    static Window field = nullptr;
    return field;
}

void MakeShownControls() {
    for (Window control : Controls()) {
        if (control->pending && control->pending->visible) Widget(control);
    }
    Window field = FocusRequest();
    FocusRequest() = nullptr;
    if (field != nullptr && field->widget != nullptr && !field->widget->isHidden())
        field->widget->setFocus(Qt::OtherFocusReason);
}

}  // namespace tk
