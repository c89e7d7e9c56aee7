// Draws the program's artwork into assets/. Run by hand after changing a drawing:
//   build/tools/kelo-artwork assets
#include "Artwork.h"

#include <QGuiApplication>
#include <QPolygonF>
#include <QTextStream>

#include <cstdlib>

void saveArt(const QImage &image, const QDir &dir, const QString &name)
{
    if (!image.save(dir.filePath(name))) {
        QTextStream(stderr) << "cannot write " << dir.filePath(name) << "\n";
        std::exit(1);
    }
}

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QDir assets(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("assets"));
    const struct {
        const char *folder;
        void (*draw)(const QDir &);
    } areas[] = {{"shell", drawShellArt},
                 {"hunting", drawHuntingArt},
                 {"reference", drawReferenceArt},
                 {"web", drawWebArt},
                 {"widgets", drawWidgetArt}};
    for (const auto &area : areas) {
        assets.mkpath(QString::fromLatin1(area.folder));
        area.draw(QDir(assets.filePath(QString::fromLatin1(area.folder))));
    }
    return 0;
}
