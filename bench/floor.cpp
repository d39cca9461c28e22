// The floor for the start-up and memory measurement: a bare Qt 6 Widgets
// window as large as Selvaquin's (a 1000 x 600 client under a menu bar) with
// one menu item and one line edit, nothing else.

#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Floor"));
    QMenu* menu = window.menuBar()->addMenu(QStringLiteral("Menu"));
    menu->addAction(QStringLiteral("Item"));
    auto* client = new QWidget;
    client->setFixedSize(1000, 600);
    auto* edit = new QLineEdit(client);
    edit->setGeometry(280, 40, 100, 25);
    window.setCentralWidget(client);
    window.show();
    return app.exec();
}
