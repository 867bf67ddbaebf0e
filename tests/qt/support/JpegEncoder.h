#pragma once

#include <jpeglib.h>

#include <QByteArray>
#include <QImage>
#include <cstdlib>

// Writes JPEGs of the kinds Qt's own writer cannot make: other chroma sampling, restart markers,
// progressive or arithmetic coding, RGB without conversion, and an EXIF orientation.
struct JpegEncoding {
    int chromaWide = 2;  // luma blocks per chroma block across and down
    int chromaHigh = 2;
    int restartInterval = 0;  // in MCUs
    bool grey = false;
    bool progressive = false;
    bool arithmetic = false;
    bool rgb = false;
    int exifOrientation = 0;
};

inline QByteArray encodeJpeg(const QImage& source, const JpegEncoding& encoding) {
    const QImage image = source.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(image.width());
    info.image_height = static_cast<JDIMENSION>(image.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 90, TRUE);
    if (encoding.grey) jpeg_set_colorspace(&info, JCS_GRAYSCALE);
    if (encoding.rgb) jpeg_set_colorspace(&info, JCS_RGB);
    if (!encoding.grey && !encoding.rgb) {
        info.comp_info[0].h_samp_factor = encoding.chromaWide;
        info.comp_info[0].v_samp_factor = encoding.chromaHigh;
    }
    info.restart_interval = static_cast<unsigned int>(encoding.restartInterval);
    info.arith_code = encoding.arithmetic ? TRUE : FALSE;
    if (encoding.progressive) jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    if (encoding.exifOrientation != 0) {
        // "Exif", then a big-endian TIFF header and one directory with one entry: the orientation.
        const unsigned char exif[] = {'E',  'x',
                                      'i',  'f',
                                      0,    0,
                                      'M',  'M',
                                      0,    42,
                                      0,    0,
                                      0,    8,
                                      0,    1,
                                      0x01, 0x12,
                                      0,    3,
                                      0,    0,
                                      0,    1,
                                      0,    static_cast<unsigned char>(encoding.exifOrientation),
                                      0,    0,
                                      0,    0,
                                      0,    0};
        jpeg_write_marker(&info, JPEG_APP0 + 1, exif, sizeof exif);
    }
    while (info.next_scanline < info.image_height) {
        auto* row = const_cast<JSAMPROW>(image.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray bytes(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    return bytes;
}
