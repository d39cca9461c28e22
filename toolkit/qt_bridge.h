// Inside the toolkit: the Qt objects behind the handles. Never included
// outside toolkit/.
#pragma once

#include "button.h"
#include "draw.h"
#include "edit.h"
#include "menu.h"
#include "window.h"

#include <QEvent>
#include <QFont>
#include <QImage>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <string>
#include <string_view>
#include <vector>

class QMainWindow;
class QMenuBar;
class QMenu;
class QKeyEvent;

enum class TkKind { Main, Edit, PushButton, OptionButton };

struct TkWindow {
    TkKind kind;
    QWidget* widget = nullptr;   // the control, or the top-level window
    QWidget* client = nullptr;   // top-level window only: the client area
    MemoryDC clientImage = nullptr;
    int commandId = 0;
    bool digitsOnly = false;     // edit fields made with an "N.." keyword
    bool inPaint = false;
};

struct TkCanvas {
    QImage image;   // Format_RGB888, 24-bit colour
    std::vector<CanvasText> texts;
};

struct TkFont {
    QFont font;
    int requestedHeight = 0;
    int requestedWidth = 0;
    int escapement = 0;
};

struct TkMenu {
    QPointer<QMenuBar> bar;   // set for a menu bar
    QPointer<QMenu> popup;    // set for a popup
};

// Posted to the main window for each command; handled first in first out.
class CommandEvent : public QEvent {
public:
    static QEvent::Type eventType();
    explicit CommandEvent(WParam id) : QEvent(eventType()), id(id) {}
    WParam id;
};

namespace tk {

// Windows-1252 <-> QString, at the Qt boundary only.
QString ToQString(std::string_view cp1252);
// Characters with no Windows-1252 byte are dropped.
std::string FromQString(const QString& text);
// True when the character can be held in a Windows-1252 text.
bool IsCp1252Char(QChar c);

// The one main window, once opened.
Window MainWindow();
void SetMainWindow(Window window);

// Every control made, in creation order.
std::vector<Window>& Controls();
// Canvases and fonts live until the process ends; nothing frees them.
void Retain(TkCanvas* canvas);
void Retain(TkFont* font);

// Commands posted and not yet handled.
int& PendingCommands();
std::vector<WParam>*& CommandSink();

// The Windows virtual-key code of a key press, or 0 when there is none.
int VirtualKeyCode(const QKeyEvent& event);

// The font a null handle stands for (the platform's system font).
Font SystemFont();
// The font buttons get when they are made.
Font DefaultGuiFont();
// Text width and cell height of a text in a font.
QSize TextExtent(Font font, const QString& text);

}  // namespace tk
