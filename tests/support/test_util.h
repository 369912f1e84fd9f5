// Small helpers the Win32 tests share.
#ifndef LOBBYUI_TESTS_TEST_UTIL_H
#define LOBBYUI_TESTS_TEST_UTIL_H

#include <windows.h>

#include <string>

// A white memory canvas to paint into and read pixels back from.
class TestCanvas {
public:
    TestCanvas(int width, int height);
    ~TestCanvas();
    TestCanvas(const TestCanvas&) = delete;
    TestCanvas& operator=(const TestCanvas&) = delete;

    HDC dc() const { return m_dc; }
    COLORREF At(int x, int y) const { return ::GetPixel(m_dc, x, y); }

private:
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_old;
};

// The folder of the running test program, where the fixtures and samples lie.
std::string ProgramDirectory();

// The bytes of a 24-bit BMP file of one colour.
std::string FlatBitmap(int width, int height, COLORREF colour);

#endif
