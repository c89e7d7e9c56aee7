#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Our own JPEG decoding over libjpeg, so the recipe pictures never depend on an image
// plugin being present. A picture that is corrupt, truncated or not a JPEG at all gives
// a null image; decoding never crashes and never prints anything.
namespace JpegImage
{
// Decodes a JPEG held in memory into an RGB image.
QImage decode(const QByteArray &data);
// Reads and decodes a JPEG file or resource (":/reference/koja-1.jpg"). A file that
// cannot be read gives a null image.
QImage load(const QString &path);
} // namespace JpegImage
