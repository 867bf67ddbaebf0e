#pragma once

#include <cstddef>

// True when a JPEG stream runs from its start marker to its end marker; false when it is cut off.
// Decoders fill the missing tail of a cut-off JPEG with grey and report success, so the loader
// checks this first.
bool isCompleteJpeg(const unsigned char* data, std::size_t size);
