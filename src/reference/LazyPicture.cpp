#include "reference/LazyPicture.h"

#include "pictures/BuiltInPicture.h"

const QPixmap &LazyPicture::pixmap() const
{
    if (!m_decoded) {
        m_pixmap = BuiltInPicture::pixmap(m_resource);
        m_decoded = true;
    }
    return m_pixmap;
}
