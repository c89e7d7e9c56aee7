#include "JpegImage.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jerror.h>
#include <jpeglib.h>

namespace
{

// Anything larger is a damaged header rather than a picture of ours.
constexpr JDIMENSION kMaxSide = 16384;

// libjpeg reports a fatal error by calling error_exit, which must not return: we jump
// back to the decoding routine instead of letting the library end the program.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf escape;
};

[[noreturn]] void escapeOnError(j_common_ptr cinfo)
{
    auto *errors = reinterpret_cast<ErrorManager *>(cinfo->err);
    std::longjmp(errors->escape, 1);
}

// Warnings mean damaged data (a bad entropy segment, missing markers): such a picture
// would be drawn half grey, so it is refused like any other damage.
void escapeOnWarning(j_common_ptr cinfo, int msgLevel)
{
    if (msgLevel < 0)
        escapeOnError(cinfo);
}

void stayQuiet(j_common_ptr)
{
}

// A source that reads from one memory block and treats its end as an error, so a
// truncated picture fails instead of being padded with a fake end marker.
void initSource(j_decompress_ptr)
{
}

boolean fillInputBuffer(j_decompress_ptr cinfo)
{
    ERREXIT(cinfo, JERR_INPUT_EOF);
    return FALSE;
}

void skipInputData(j_decompress_ptr cinfo, long count)
{
    if (count <= 0)
        return;
    jpeg_source_mgr *src = cinfo->src;
    if (static_cast<unsigned long>(count) > src->bytes_in_buffer)
        ERREXIT(cinfo, JERR_INPUT_EOF);
    src->next_input_byte += count;
    src->bytes_in_buffer -= static_cast<size_t>(count);
}

void termSource(j_decompress_ptr)
{
}

// Everything that libjpeg may jump out of lives in this one function, which owns no
// object with a destructor; `out` belongs to the caller and is only written once the
// size is known.
bool decodeInto(const QByteArray &data, QImage &out)
{
    jpeg_decompress_struct cinfo;
    std::memset(&cinfo, 0, sizeof cinfo);
    ErrorManager errors;
    cinfo.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = escapeOnError;
    errors.base.emit_message = escapeOnWarning;
    errors.base.output_message = stayQuiet;
    jpeg_source_mgr source;
    std::memset(&source, 0, sizeof source);

    if (setjmp(errors.escape)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }

    jpeg_create_decompress(&cinfo);
    source.init_source = initSource;
    source.fill_input_buffer = fillInputBuffer;
    source.skip_input_data = skipInputData;
    source.resync_to_restart = jpeg_resync_to_restart;
    source.term_source = termSource;
    source.next_input_byte = reinterpret_cast<const JOCTET *>(data.constData());
    source.bytes_in_buffer = static_cast<size_t>(data.size());
    cinfo.src = &source;

    jpeg_read_header(&cinfo, TRUE);
    // Grey pictures are widened to RGB by the library; CMYK ones cannot be and fail.
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    if (cinfo.output_components != 3 || cinfo.output_width == 0 || cinfo.output_height == 0 ||
        cinfo.output_width > kMaxSide || cinfo.output_height > kMaxSide) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }

    out = QImage(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height),
                 QImage::Format_RGB888);
    if (out.isNull()) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = out.scanLine(static_cast<int>(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

} // namespace

QImage JpegImage::decode(const QByteArray &data)
{
    if (data.isEmpty())
        return {};
    QImage image;
    if (!decodeInto(data, image))
        return {};
    return image;
}

QImage JpegImage::load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return decode(file.readAll());
}
