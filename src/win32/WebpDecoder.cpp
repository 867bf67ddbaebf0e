// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "WebpDecoder.h"

#include <webp/decode.h>
#include <webp/demux.h>

#include <cstdint>
#include <memory>
#include <new>
#include <vector>

#include "Owned.h"

namespace {

// The first frame as the animation shows it: drawn where it lies on the canvas, transparent
// around it.
std::optional<Pixels> firstFrame(const unsigned char* data, std::size_t size) {
    WebPAnimDecoderOptions options;
    if (!WebPAnimDecoderOptionsInit(&options)) return std::nullopt;
    options.color_mode = MODE_bgrA;
    const WebPData webp{data, size};
    const Owned<WebPAnimDecoder*, WebPAnimDecoderDelete> decoder(
        WebPAnimDecoderNew(&webp, &options));
    WebPAnimInfo info;
    std::uint8_t* frame = nullptr;
    int timestamp = 0;
    if (!decoder || !WebPAnimDecoderGetInfo(decoder.get(), &info) ||
        !WebPAnimDecoderGetNext(decoder.get(), &frame, &timestamp)) {
        return std::nullopt;
    }
    const std::size_t bytes = std::size_t{info.canvas_width} * info.canvas_height * 4;
    return Pixels{static_cast<int>(info.canvas_width), static_cast<int>(info.canvas_height),
                  std::vector<unsigned char>(frame, frame + bytes)};
}

}  // namespace

std::optional<Pixels> decodeWebp(const unsigned char* data, std::size_t size, SIZE target) {
    WebPDecoderConfig config;
    if (!WebPInitDecoderConfig(&config) ||
        WebPGetFeatures(data, size, &config.input) != VP8_STATUS_OK) {
        return std::nullopt;
    }
    if (config.input.has_animation) return firstFrame(data, size);
    Pixels pixels{config.input.width, config.input.height, {}};
    // libwebp scales while it decodes; a smaller picture is stretched up when it is drawn.
    if (pixels.width > target.cx && pixels.height > target.cy) {
        config.options.use_scaling = 1;
        pixels.width = config.options.scaled_width = target.cx;
        pixels.height = config.options.scaled_height = target.cy;
    }
    pixels.bgrx.resize(static_cast<std::size_t>(pixels.width) * pixels.height * 4);
    config.output.colorspace = MODE_bgrA;
    config.output.is_external_memory = 1;
    config.output.u.RGBA = {pixels.bgrx.data(), pixels.width * 4, pixels.bgrx.size()};
    const VP8StatusCode status = WebPDecode(data, size, &config);
    if (status == VP8_STATUS_OUT_OF_MEMORY) throw std::bad_alloc();
    if (status != VP8_STATUS_OK) return std::nullopt;
    return pixels;
}
