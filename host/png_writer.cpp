#include "png_writer.h"

#include <stdio.h>
#include <stdlib.h>

#include <set>

namespace {

uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc = 0) {
    static uint32_t table[256];
    static bool ready = false;
    if (!ready) {
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table[n] = c;
        }
        ready = true;
    }
    crc = ~crc;
    for (size_t i = 0; i < size; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

uint32_t Adler32(const std::vector<uint8_t>& data) {
    uint32_t a = 1, b = 0;
    for (uint8_t byte : data) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

// Deflate bits go out least significant first; Huffman codes most significant first.
class BitWriter {
public:
    explicit BitWriter(std::vector<uint8_t>& out) : m_out(out) {}
    void Bits(uint32_t value, int count) {
        for (int i = 0; i < count; ++i) Bit((value >> i) & 1);
    }
    void Code(uint32_t code, int length) {
        for (int i = length - 1; i >= 0; --i) Bit((code >> i) & 1);
    }
    void Flush() {
        if (m_used) m_out.push_back(m_byte);
        m_byte = 0;
        m_used = 0;
    }

private:
    void Bit(uint32_t bit) {
        m_byte = static_cast<uint8_t>(m_byte | (bit << m_used));
        if (++m_used == 8) Flush();
    }
    std::vector<uint8_t>& m_out;
    uint8_t m_byte = 0;
    int m_used = 0;
};

void Literal(BitWriter& bits, int symbol) {
    if (symbol < 144) bits.Code(0x30 + symbol, 8);
    else if (symbol < 256) bits.Code(0x190 + symbol - 144, 9);
    else if (symbol < 280) bits.Code(symbol - 256, 7);
    else bits.Code(0xC0 + symbol - 280, 8);
}

void Length(BitWriter& bits, int length) {
    static const int kBase[] = {3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15, 17, 19, 23, 27, 31,
                                35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
    static const int kExtra[] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2,
                                 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
    int code = 28;
    while (kBase[code] > length) --code;
    Literal(bits, 257 + code);
    bits.Bits(static_cast<uint32_t>(length - kBase[code]), kExtra[code]);
}

void Distance(BitWriter& bits, int distance) {
    // Only the two distances the runs use: 1 (code 0) and 3 (code 2).
    bits.Code(distance == 1 ? 0 : 2, 5);
}

// A run of `distance`-periodic bytes starting at i, at most 258 long.
int RunLength(const std::vector<uint8_t>& data, size_t i, int distance) {
    if (i < static_cast<size_t>(distance)) return 0;
    int n = 0;
    while (i + n < data.size() && n < 258 && data[i + n] == data[i + n - distance]) ++n;
    return n;
}

std::vector<uint8_t> Deflate(const std::vector<uint8_t>& data) {
    std::vector<uint8_t> out = {0x78, 0x01};
    BitWriter bits(out);
    bits.Bits(1, 1);  // the only block
    bits.Bits(1, 2);  // fixed Huffman codes
    for (size_t i = 0; i < data.size();) {
        int byteRun = RunLength(data, i, 1);
        int pixelRun = RunLength(data, i, 3);
        int distance = byteRun >= pixelRun ? 1 : 3;
        int run = byteRun >= pixelRun ? byteRun : pixelRun;
        if (run >= 3) {
            Length(bits, run);
            Distance(bits, distance);
            i += static_cast<size_t>(run);
        } else {
            Literal(bits, data[i]);
            ++i;
        }
    }
    Literal(bits, 256);
    bits.Flush();
    uint32_t adler = Adler32(data);
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(adler >> shift));
    return out;
}

uint8_t Paeth(int a, int b, int c) {
    int p = a + b - c;
    int pa = abs(p - a), pb = abs(p - b), pc = abs(p - c);
    if (pa <= pb && pa <= pc) return static_cast<uint8_t>(a);
    return static_cast<uint8_t>(pb <= pc ? b : c);
}

// Each row with the filter whose output has the smallest sum of magnitudes.
std::vector<uint8_t> Filter(const RgbImage& image) {
    const size_t stride = static_cast<size_t>(image.width) * 3;
    std::vector<uint8_t> out;
    out.reserve((stride + 1) * static_cast<size_t>(image.height));
    std::vector<uint8_t> zero(stride, 0), candidate(stride);
    for (int y = 0; y < image.height; ++y) {
        const uint8_t* row = &image.rgb[static_cast<size_t>(y) * stride];
        const uint8_t* up = y ? row - stride : zero.data();
        std::vector<uint8_t> best;
        uint8_t bestType = 0;
        uint64_t bestCost = UINT64_MAX;
        for (uint8_t type = 0; type < 5; ++type) {
            uint64_t cost = 0;
            for (size_t x = 0; x < stride; ++x) {
                int a = x >= 3 ? row[x - 3] : 0, b = up[x], c = x >= 3 ? up[x - 3] : 0;
                int predicted = 0;
                switch (type) {
                case 1: predicted = a; break;
                case 2: predicted = b; break;
                case 3: predicted = (a + b) / 2; break;
                case 4: predicted = Paeth(a, b, c); break;
                default: break;
                }
                candidate[x] = static_cast<uint8_t>(row[x] - predicted);
                cost += candidate[x] < 128 ? candidate[x] : 256 - candidate[x];
            }
            if (cost < bestCost) {
                bestCost = cost;
                bestType = type;
                best = candidate;
            }
        }
        out.push_back(bestType);
        out.insert(out.end(), best.begin(), best.end());
    }
    return out;
}

void Chunk(std::vector<uint8_t>& file, const char* type, const std::vector<uint8_t>& data) {
    uint32_t size = static_cast<uint32_t>(data.size());
    for (int shift = 24; shift >= 0; shift -= 8) file.push_back(static_cast<uint8_t>(size >> shift));
    size_t start = file.size();
    file.insert(file.end(), type, type + 4);
    file.insert(file.end(), data.begin(), data.end());
    uint32_t crc = Crc32(&file[start], file.size() - start);
    for (int shift = 24; shift >= 0; shift -= 8) file.push_back(static_cast<uint8_t>(crc >> shift));
}

void Put32(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

}  // namespace

size_t RgbImage::CountColours(size_t enough) const {
    std::set<uint32_t> seen;
    for (size_t i = 0; i + 2 < rgb.size() && seen.size() < enough; i += 3) {
        seen.insert(static_cast<uint32_t>(rgb[i]) << 16 | static_cast<uint32_t>(rgb[i + 1]) << 8 | rgb[i + 2]);
    }
    return seen.size();
}

std::vector<uint8_t> EncodePng(const RgbImage& image) {
    std::vector<uint8_t> file = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    std::vector<uint8_t> header;
    Put32(header, static_cast<uint32_t>(image.width));
    Put32(header, static_cast<uint32_t>(image.height));
    header.insert(header.end(), {8, 2, 0, 0, 0});  // 8-bit RGB, deflate, adaptive filters, no interlace
    Chunk(file, "IHDR", header);
    Chunk(file, "IDAT", Deflate(Filter(image)));
    Chunk(file, "IEND", {});
    return file;
}

bool WritePng(const std::string& path, const RgbImage& image) {
    if (image.width <= 0 || image.height <= 0) return false;
    std::vector<uint8_t> bytes = EncodePng(image);
    FILE* f = fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return fclose(f) == 0 && ok;
}
