#include "reference/LazyPicture.h"

const QPixmap &LazyPicture::pixmap() const
{
    if (!m_decoded) {
        m_pixmap.load(m_resource);
        m_decoded = true;
    }
    return m_pixmap;
}
