#include "LazyPicture.h"

#include "JpegImage.h"

const QPixmap &LazyPicture::pixmap() const
{
    if (!m_decoded) {
        m_pixmap = QPixmap::fromImage(JpegImage::load(m_resource));
        m_decoded = true;
    }
    return m_pixmap;
}
