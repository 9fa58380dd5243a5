#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

#include "view/picture_files.h"

namespace minamori {

namespace {

constexpr JDIMENSION kMaxSide = 16384;

// libjpeg ends the process on an error unless told otherwise: jump back instead.
struct JpegError {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

void onJpegError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegError*>(info->err)->jump, 1);
}

void ignoreMessage(j_common_ptr) {}

// Runs the decode; kept free of C++ objects with destructors because of longjmp.
bool decodeInto(const std::string& bytes, Canvas*& out) {
    jpeg_decompress_struct info;
    JpegError error;
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = onJpegError;
    error.manager.output_message = ignoreMessage;
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&info);
        delete out;
        out = nullptr;
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    if (info.output_width == 0 || info.output_height == 0 || info.output_width > kMaxSide ||
        info.output_height > kMaxSide || info.output_components != 3) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    out = new Canvas(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
    JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                                info.output_width * 3, 1);
    while (info.output_scanline < info.output_height) {
        const int y = static_cast<int>(info.output_scanline);
        jpeg_read_scanlines(&info, row, 1);
        for (JDIMENSION x = 0; x < info.output_width; ++x) {
            const JSAMPLE* px = row[0] + 3 * x;
            out->set(static_cast<int>(x), y,
                     static_cast<Pixel>(px[0]) << 16 | static_cast<Pixel>(px[1]) << 8 | px[2]);
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

}  // namespace

std::optional<Canvas> decodeJpeg(const std::string& bytes) {
    if (bytes.size() < 4) return std::nullopt;
    Canvas* picture = nullptr;
    if (!decodeInto(bytes, picture) || !picture) return std::nullopt;
    std::optional<Canvas> result(std::move(*picture));
    delete picture;
    return result;
}

}  // namespace minamori
