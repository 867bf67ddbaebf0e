#include "JpegCompleteness.h"

#include "MemoryBytes.h"

bool isCompleteJpeg(const unsigned char* data, std::size_t size) {
    MemoryBytes in(data, size);
    return isCompleteJpegStream(in);
}
