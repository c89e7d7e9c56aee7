#include "JpegImage.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace
{

// Encodes with libjpeg itself, so the test does not lean on Qt's image plugins either.
QByteArray encode(const QImage &source, bool grey = false)
{
    const QImage image = source.convertToFormat(grey ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
    jpeg_compress_struct cinfo;
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(image.width());
    cinfo.image_height = static_cast<JDIMENSION>(image.height());
    cinfo.input_components = grey ? 1 : 3;
    cinfo.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 95, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<uchar *>(image.constScanLine(static_cast<int>(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    QByteArray bytes(reinterpret_cast<const char *>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    return bytes;
}

// Four flat quadrants: red, green, blue, white.
QImage quadrants(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool right = x >= w / 2, bottom = y >= h / 2;
            image.setPixel(x, y,
                           !bottom ? (right ? qRgb(0, 200, 0) : qRgb(220, 0, 0))
                                   : (right ? qRgb(255, 255, 255) : qRgb(0, 0, 210)));
        }
    return image;
}

bool near(QRgb got, QRgb want)
{
    return qAbs(qRed(got) - qRed(want)) <= 12 && qAbs(qGreen(got) - qGreen(want)) <= 12 &&
           qAbs(qBlue(got) - qBlue(want)) <= 12;
}

} // namespace

class TestJpeg : public QObject
{
    Q_OBJECT
  private slots:
    void decodesColourPicture()
    {
        const QImage image = JpegImage::decode(encode(quadrants(64, 48)));
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), QSize(64, 48));
        QVERIFY(near(image.pixel(8, 8), qRgb(220, 0, 0)));
        QVERIFY(near(image.pixel(56, 8), qRgb(0, 200, 0)));
        QVERIFY(near(image.pixel(8, 40), qRgb(0, 0, 210)));
        QVERIFY(near(image.pixel(56, 40), qRgb(255, 255, 255)));
    }

    void widensGreyPictureToRgb()
    {
        QImage grey(20, 10, QImage::Format_RGB32);
        grey.fill(qRgb(90, 90, 90));
        const QImage image = JpegImage::decode(encode(grey, true));
        QCOMPARE(image.size(), QSize(20, 10));
        QVERIFY(image.format() == QImage::Format_RGB888);
        QVERIFY(near(image.pixel(10, 5), qRgb(90, 90, 90)));
    }

    void everyTruncationGivesNullImage()
    {
        const QByteArray whole = encode(quadrants(96, 80));
        QVERIFY(!JpegImage::decode(whole).isNull());
        // Cut anywhere: inside the header, inside the scan, just before the end marker.
        for (qsizetype cut = 0; cut < whole.size(); cut += (cut < 700 ? 7 : 53)) {
            const QImage image = JpegImage::decode(whole.left(cut));
            QVERIFY2(image.isNull(),
                     qPrintable(QStringLiteral("cut at %1 of %2").arg(cut).arg(whole.size())));
        }
        QVERIFY(JpegImage::decode(whole.left(whole.size() - 2)).isNull());
        QVERIFY(JpegImage::decode(whole.left(whole.size() - 1)).isNull());
    }

    void truncatedFileGivesNullImage()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QByteArray whole = encode(quadrants(120, 90));
        QFile good(dir.filePath(QStringLiteral("good.jpg")));
        QVERIFY(good.open(QIODevice::WriteOnly));
        good.write(whole);
        good.close();
        QFile cut(dir.filePath(QStringLiteral("cut.jpg")));
        QVERIFY(cut.open(QIODevice::WriteOnly));
        cut.write(whole.left(whole.size() / 2));
        cut.close();
        QCOMPARE(JpegImage::load(good.fileName()).size(), QSize(120, 90));
        QVERIFY(JpegImage::load(cut.fileName()).isNull());
        QVERIFY(JpegImage::load(dir.filePath(QStringLiteral("missing.jpg"))).isNull());
    }

    void damagedDataGivesNullImage()
    {
        QVERIFY(JpegImage::decode(QByteArray()).isNull());
        QVERIFY(JpegImage::decode(QByteArray("not a picture at all")).isNull());
        // A PNG is a picture, but not ours to decode.
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        quadrants(16, 16).save(&buffer, "PNG");
        QVERIFY(!png.isEmpty());
        QVERIFY(JpegImage::decode(png).isNull());
        // Scribbling over the compressed data must never crash; whatever comes out is
        // either refused or a picture of the stated size.
        const QByteArray whole = encode(quadrants(64, 64));
        for (int start = 20; start < whole.size() - 8; start += 31) {
            QByteArray damaged = whole;
            for (int i = 0; i < 6; ++i)
                damaged[start + i] = static_cast<char>(0xFF - i * 17);
            const QImage image = JpegImage::decode(damaged);
            QVERIFY(image.isNull() || image.size() == QSize(64, 64));
        }
    }
};

QTEST_GUILESS_MAIN(TestJpeg)
#include "tst_jpeg.moc"
