// The floor for any Qt program: one empty window, shown at once. With "--text" the window
// also lays out one line of text, which adds what finding and opening a font costs.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.resize(169, 276);
    if (app.arguments().contains(QStringLiteral("--text"))) {
        auto *line = new QLabel(QStringLiteral("Кто он?"), &window);
        line->adjustSize();
    }
    window.show();
    return app.exec();
}
