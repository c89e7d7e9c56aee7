#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

// The pictures built into Kelo, read by the format their names give. Qt would otherwise ask
// each of its image plugins whether it knows a picture, which loads them all at the first
// picture of the run: time and memory at start-up for formats Kelo never shows there.
namespace BuiltInPicture {
QImage image(const QString &resource);
QPixmap pixmap(const QString &resource);
// With the double-size picture beside it ("name@2x.png") where the screen is dense enough.
QIcon icon(const QString &resource);
} // namespace BuiltInPicture
