#pragma once
// Writes canvases as PNG files (8-bit RGB), without any image library.
#include <cstdint>
#include <string>
#include <vector>

namespace tw {

class Canvas;

// The PNG bytes of a canvas.
std::vector<uint8_t> encodePng(const Canvas& canvas);

// Writes the PNG beside the target and renames it over the target, so a failed write leaves any old file
// as it was. Returns false with a message in error when the file cannot be written.
bool writePng(const std::string& path, const Canvas& canvas, std::string* error = nullptr);

// Checksums used by the format, exposed for tests.
uint32_t crc32(const uint8_t* data, size_t size, uint32_t crc = 0);
uint32_t adler32(const uint8_t* data, size_t size, uint32_t adler = 1);

}  // namespace tw
