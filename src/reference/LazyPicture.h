#pragma once

#include <QPixmap>
#include <QString>

// A built-in JPEG picture decoded the first time it is needed: the recipe pictures are
// large, and most runs never open their windows, so start-up does not pay for them.
class LazyPicture {
public:
    LazyPicture() = default;
    explicit LazyPicture(QString resource) : m_resource(std::move(resource)) {}

    // The picture; empty when it cannot be decoded.
    const QPixmap &pixmap() const;

private:
    QString m_resource;
    mutable QPixmap m_pixmap;
    mutable bool m_decoded = false;
};
