// The new create-table dialog's pictures: the 37 files under \bmp of the
// current directory, the ones the dialog keeps loaded, and the routines that
// paint its frame and numbers from them into a given DC.
#ifndef LOBBYUI_CREATE_NEW_CREATE_PICTURES_H
#define LOBBYUI_CREATE_NEW_CREATE_PICTURES_H

#include <windows.h>

#include <string>
#include <vector>

#include <lobbyui/gdi.h>

#include "create/table_create_new_rules.h"
#include "win/dc.h"

// A picture file as a DIB section at its stored size; null when the file is
// missing or not a bitmap.
HBITMAP LoadPictureFile(const std::wstring& path);

class NewCreatePictures {
public:
    NewCreatePictures() = default;
    NewCreatePictures(const NewCreatePictures&) = delete;
    NewCreatePictures& operator=(const NewCreatePictures&) = delete;

    // Full paths below the process's current directory as it is now.
    void BuildPaths();
    // The full path of a picture; empty before BuildPaths or outside the table.
    const std::wstring& Path(int index) const;

    // Loads what the dialog keeps: background, page, frame tiles and digits.
    void LoadKept();
    // The page of a score lobby gives way to the alternative page.
    void UseAlternativePage();
    void Release();

    // Background at 1, 1 and the page at 4, 22, each at its own size.
    void PaintBackground(CDC& dc) const;
    void PaintPage(CDC& dc) const;
    // Left and right tiles down the sides, bottom tiles along the foot.
    void PaintFrame(CDC& dc) const;
    void PaintTableNumber(CDC& dc, int32_t number) const;
    void PaintSetting(CDC& dc, int32_t value, int y) const;
    // Clears the whole score area with its patch, then draws the digits.
    void PaintScore(CDC& dc, int32_t score) const;

private:
    void PaintDigits(CDC& dc, const DigitCell* cells, size_t count, int y, HBITMAP patch) const;

    std::vector<std::wstring> m_paths;
    CBitmap m_background;
    CBitmap m_page;
    CBitmap m_leftTile;
    CBitmap m_rightTile;
    CBitmap m_bottomTile;
    CBitmap m_digits[10];
};

// Copies a whole picture to (x, y) at its own size; nothing for no picture.
void CopyPicture(CDC& dc, HBITMAP picture, int x, int y);

#endif
