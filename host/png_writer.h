// A PNG writer with nothing behind it but the C++ library: 8-bit RGB, each
// row filtered the cheapest way, compressed with fixed-Huffman deflate whose
// only matches are runs (distance 1 or one pixel back). Screenshots of
// dialogs are mostly flat colour, which this compresses well; it keeps the
// demo free of GDI+ and of any codec Wine may or may not offer.
#ifndef LOBBYUI_HOST_PNG_WRITER_H
#define LOBBYUI_HOST_PNG_WRITER_H

#include <stdint.h>

#include <string>
#include <vector>

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;  // rows top to bottom, 3 bytes a pixel

    // Number of different colours, counted up to `enough` (a blank picture has 1).
    size_t CountColours(size_t enough) const;
};

// The bytes of a PNG file holding the image.
std::vector<uint8_t> EncodePng(const RgbImage& image);
bool WritePng(const std::string& path, const RgbImage& image);

#endif
