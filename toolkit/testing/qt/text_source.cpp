// selvaquin-text-source TEXT: another program holding a text for the X tests.
// It owns the clipboard and the primary selection with TEXT (UTF-8) and
// starts a drag of TEXT when its window is pressed with the mouse. Its
// window is titled "text source" and sits at the bottom right of the screen.

#include <QApplication>
#include <QClipboard>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QScreen>
#include <QWidget>

namespace {

class Source : public QWidget {
public:
    explicit Source(QString text) : text_(std::move(text)) {}

protected:
    void mousePressEvent(QMouseEvent*) override {
        auto* drag = new QDrag(this);
        auto* data = new QMimeData;
        data->setText(text_);
        drag->setMimeData(data);
        drag->exec(Qt::CopyAction);
    }

private:
    QString text_;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) return 2;
    const QString text = QString::fromUtf8(argv[1]);
    Source source(text);
    source.setWindowTitle(QStringLiteral("text source"));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    source.setGeometry(screen.right() - 130, screen.bottom() - 90, 120, 80);
    source.show();
    QApplication::clipboard()->setText(text, QClipboard::Clipboard);
    if (QApplication::clipboard()->supportsSelection())
        QApplication::clipboard()->setText(text, QClipboard::Selection);
    return QApplication::exec();
}
