#include "pictures/BuiltInPicture.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>

QImage BuiltInPicture::image(const QString &resource)
{
    QImageReader reader(resource, QFileInfo(resource).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QPixmap BuiltInPicture::pixmap(const QString &resource)
{
    return QPixmap::fromImage(image(resource));
}

QIcon BuiltInPicture::icon(const QString &resource)
{
    QIcon icon(pixmap(resource));
    if (qApp && qApp->devicePixelRatio() > 1) {
        const QFileInfo file(resource);
        const QString dense =
            file.path() + QLatin1Char('/') + file.completeBaseName() + QStringLiteral("@2x.") + file.suffix();
        if (QFileInfo::exists(dense))
            icon.addPixmap(pixmap(dense));
    }
    return icon;
}
