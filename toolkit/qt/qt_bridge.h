// Inside the toolkit: the Qt objects behind the handles. Never included
// outside toolkit/.
#pragma once

#include "toolkit/button.h"
#include "toolkit/controls.h"
#include "toolkit/draw.h"
#include "toolkit/edit.h"
#include "toolkit/menu.h"
#include "toolkit/rgb_canvas.h"
#include "toolkit/shown_texts.h"
#include "toolkit/window.h"

#include <QEvent>
#include <QFont>
#include <QImage>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QMainWindow;
class QMenuBar;
class QMenu;
class QKeyEvent;

namespace tk {

// What an edit field or option button has been told before its widget was
// made. Such a control gets its widget the first time it is shown in a
// window that is on the screen, or when something needs the widget itself
// (Widget): a page's controls made and hidden while the main window is
// being created cost nothing until the page is first opened, which shortens
// the start (bench/README.md).
struct Pending {
    QWidget* host = nullptr;
    QRect geometry;           // option buttons: only the position counts
    std::uint32_t style = 0;  // edit style bits, or the option button kind
    int maxChars = 0;
    QString text;        // option buttons: the label now
    QString sizingText;  // option buttons: the label they are sized to
    QString accessibleName;
    Font font = nullptr;
    bool hasFont = false;
    bool visible = true;
    bool checked = false;
};

struct WindowImpl {
    ControlKind kind;
    QWidget* widget = nullptr;  // the control, or the top-level window
    QWidget* client = nullptr;  // top-level window only: the client area
    MemoryDC clientImage = nullptr;
    int commandId = 0;
    bool inPaint = false;
    std::unique_ptr<Pending> pending = nullptr;  // set while the widget is not made
    void (*make)(WindowImpl*) = nullptr;         // makes the widget from `pending`
    WindowProcedure procedure = nullptr;         // the main window's
};

struct CanvasImpl {
    QImage image;        // Format_RGB888, 24-bit colour
    ShownTexts texts{};  // for assistive technology
};

// A font as it was asked for. The Qt font is sized to the request the first
// time it is needed (QtFont): sizing loads the face at several sizes,
// and fonts that only later pages use need not hold up the start.
struct FontImpl : FontRequest {
    bool sized = false;
    QFont font;  // valid once `sized`
};

struct MenuImpl {
    QPointer<QMenuBar> bar;  // set for a menu bar
    QPointer<QMenu> popup;   // set for a popup
};

// Posted to the main window for each command; handled first in first out.
class CommandEvent : public QEvent {
public:
    static QEvent::Type eventType();
    explicit CommandEvent(WParam id) : QEvent(eventType()), id(id) {}
    WParam id;
};

// Windows-1252 <-> QString, at the Qt boundary only.
QString ToQString(std::string_view cp1252);
// Characters with no Windows-1252 byte are dropped.
std::string FromQString(const QString& text);

// The one main window, once opened.
Window MainWindow();

// Every control made, in creation order.
std::vector<Window>& Controls();
// Enters a control whose widget `make` builds from `pending`: at once when
// the window is on the screen, else when it is first shown or needed.
Window AddControl(WindowImpl* control, Pending pending, void (*make)(WindowImpl*));
// The widget of a control, made now if it was still pending; null for a
// null handle.
QWidget* Widget(Window control);
// True while a pending control's window is not on the screen.
bool Offscreen(const Pending& pending);
// Hiding, showing and setting the font, alike for every kind of control,
// made or pending: HideControl returns 1 when the control was hidden already
// (or is null), ShowControl 1 when it was visible already.
int HideControl(Window control);
int ShowControl(Window control);
int SetControlFont(Window control, Font font);
// Makes the pending controls that are to be visible, and gives the focus
// to the field last asked for while the window was not on the screen;
// called just before the main window is shown.
void MakeShownControls();
// The field FocusEditField was last asked to focus while it was pending and
// its window not on the screen.
Window& FocusRequest();

// The Windows virtual-key code of a key press, or 0 when there is none.
int VirtualKeyCode(const QKeyEvent& event);

// The face that stands in for a face the machine lacks.
inline constexpr const char* kStandInFace = "DejaVu Sans";

// The Qt font of a handle, sized on first use; null means the system font.
const QFont& QtFont(Font font);
// Text width and cell height of a text in a font.
QSize TextExtent(Font font, const QString& text);

}  // namespace tk
