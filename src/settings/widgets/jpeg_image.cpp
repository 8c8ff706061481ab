#include "settings/widgets/jpeg_image.h"

#include "base/errors.h"
#include "language/messages.h"

#include <QFile>

#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE and size_t declared first
#include <jpeglib.h>

namespace {

// Larger pictures are refused before any memory is taken for them, since a
// damaged header can claim any size.
constexpr JDIMENSION kMaxSide = 8192;

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf escape;
    char message[JMSG_LENGTH_MAX];
};

// libjpeg's default would end the whole program; this returns to the decoder.
[[noreturn]] void leaveOnError(j_common_ptr info) {
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    errors->base.format_message(info, errors->message);
    std::longjmp(errors->escape, 1);
}

// Warnings are damaged data that libjpeg would paper over (a truncated file
// ends in grey); trace messages (level 0 and above) are not failures.
void leaveOnWarning(j_common_ptr info, int level) {
    if (level < 0)
        leaveOnError(info);
}

// Decodes into `image`. No object with a destructor lives in this function,
// because an error leaves it through longjmp; the caller owns the image.
bool decodeInto(jpeg_decompress_struct* info, ErrorManager* errors, const unsigned char* bytes,
                unsigned long size, QImage* image) {
    if (setjmp(errors->escape)) {
        jpeg_destroy_decompress(info);
        return false;
    }
    jpeg_create_decompress(info);
    jpeg_mem_src(info, bytes, size);
    jpeg_read_header(info, TRUE);
    if (info->image_width > kMaxSide || info->image_height > kMaxSide) {
        std::snprintf(errors->message, sizeof errors->message, "picture of %ux%u is too large",
                      info->image_width, info->image_height);
        jpeg_destroy_decompress(info);
        return false;
    }
    info->out_color_space = JCS_RGB;
    jpeg_start_decompress(info);
    *image = QImage(int(info->output_width), int(info->output_height), QImage::Format_RGB888);
    if (image->isNull()) {
        std::snprintf(errors->message, sizeof errors->message, "out of memory");
        jpeg_destroy_decompress(info);
        return false;
    }
    while (info->output_scanline < info->output_height) {
        JSAMPROW row = image->scanLine(int(info->output_scanline));
        jpeg_read_scanlines(info, &row, 1);
    }
    jpeg_finish_decompress(info);
    jpeg_destroy_decompress(info);
    return true;
}

} // namespace

QImage decodeJpeg(QByteArrayView data) {
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = leaveOnError;
    errors.base.emit_message = leaveOnWarning;
    QImage image;
    if (!decodeInto(&info, &errors, reinterpret_cast<const unsigned char*>(data.data()),
                    static_cast<unsigned long>(data.size()), &image))
        throw EInOutError(QString::fromLocal8Bit(errors.message));
    return image;
}

QImage readJpeg(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EInOutError(f_getTexto(Messages::imagenNoLeida).arg(path, file.errorString()));
    try {
        return decodeJpeg(file.readAll());
    } catch (const EInOutError& error) {
        throw EInOutError(f_getTexto(Messages::imagenDanada).arg(path, error.message()));
    }
}
