// The floor for any Qt program: one empty window, shown at once.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.resize(169, 276);
    window.show();
    return app.exec();
}
