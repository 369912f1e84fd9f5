// Renders a paint routine into an enhanced metafile and reads back what it
// drew: texts with their position and colour, pictures with their
// destination rectangles, solid fills. This is how tests see what a dialog
// painted without comparing screenshots.
#ifndef LOBBYUI_TESTS_METAFILE_RECORDER_H
#define LOBBYUI_TESTS_METAFILE_RECORDER_H

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include <lobbyui/geometry.h>

struct DrawnText {
    std::string text;  // in the ANSI code page (GBK under the test runner)
    CPoint at;
    COLORREF colour;
};

struct DrawnPicture {
    DWORD recordType;  // EMR_BITBLT, EMR_STRETCHBLT, EMR_STRETCHDIBITS, EMR_TRANSPARENTBLT, ...
    CRect dest;
};

struct DrawnFill {
    CRect rect;
    COLORREF colour;
};

struct MetafileRecording {
    std::vector<DrawnText> texts;
    std::vector<DrawnPicture> pictures;
    std::vector<DrawnFill> fills;

    // Renders paint into a width x height metafile and parses the records.
    static MetafileRecording Render(int width, int height, const std::function<void(HDC)>& paint);
    // Renders a window's client area through WM_PRINTCLIENT.
    static MetafileRecording RenderWindow(HWND window);

    const DrawnText* FindText(const std::string& text) const;
};

#endif
