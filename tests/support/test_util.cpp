#include "test_util.h"

#include <stdint.h>
#include <string.h>

TestCanvas::TestCanvas(int width, int height) {
    HDC screen = ::GetDC(nullptr);
    m_dc = ::CreateCompatibleDC(screen);
    m_bitmap = ::CreateCompatibleBitmap(screen, width, height);
    ::ReleaseDC(nullptr, screen);
    m_old = ::SelectObject(m_dc, m_bitmap);
    RECT all = {0, 0, width, height};
    ::FillRect(m_dc, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
}

TestCanvas::~TestCanvas() {
    ::SelectObject(m_dc, m_old);
    ::DeleteObject(m_bitmap);
    ::DeleteDC(m_dc);
}

std::string ProgramDirectory() {
    char path[MAX_PATH] = {0};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path);
    return s.substr(0, s.find_last_of('\\'));
}

std::string FlatBitmap(int width, int height, COLORREF colour) {
    const int stride = (width * 3 + 3) & ~3;
    const uint32_t pixels = static_cast<uint32_t>(stride * height);
    std::string bytes(54 + pixels, '\0');
    auto put32 = [&bytes](size_t at, uint32_t v) { memcpy(&bytes[at], &v, 4); };
    auto put16 = [&bytes](size_t at, uint16_t v) { memcpy(&bytes[at], &v, 2); };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, 54 + pixels);
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<uint32_t>(width));
    put32(22, static_cast<uint32_t>(height));
    put16(26, 1);
    put16(28, 24);
    put32(34, pixels);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            size_t at = 54 + static_cast<size_t>(y * stride + x * 3);
            bytes[at] = static_cast<char>(GetBValue(colour));
            bytes[at + 1] = static_cast<char>(GetGValue(colour));
            bytes[at + 2] = static_cast<char>(GetRValue(colour));
        }
    }
    return bytes;
}
