#include "create/new_create_pictures.h"

namespace {

const COLORREF kTransparent = RGB(255, 0, 255);

SIZE PictureSize(HBITMAP picture) {
    BITMAP info;
    SIZE size = {0, 0};
    if (picture && ::GetObjectA(picture, sizeof info, &info)) {
        size.cx = info.bmWidth;
        size.cy = info.bmHeight;
    }
    return size;
}

std::wstring CurrentDirectory() {
    // Any length: a host started deep in a folder tree still finds \bmp. The
    // narrow call stops at MAX_PATH, the wide one does not.
    std::wstring directory(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = ::GetCurrentDirectoryW(static_cast<DWORD>(directory.size()), &directory[0]);
        if (n == 0) return std::wstring();
        if (n < directory.size()) {
            directory.resize(n);
            return directory;
        }
        directory.resize(n);
    }
}

}  // namespace

HBITMAP LoadPictureFile(const std::wstring& path) {
    if (path.empty()) return nullptr;
    const UINT flags = LR_LOADFROMFILE | LR_CREATEDIBSECTION;
    std::wstring wide = path;
    HBITMAP picture = static_cast<HBITMAP>(::LoadImageW(nullptr, wide.c_str(), IMAGE_BITMAP, 0, 0, flags));
    if (picture || wide.size() < MAX_PATH) return picture;
    // The loader stops at MAX_PATH; the short form of a long path fits, and
    // the form with no length limit lets the system find it.
    if (wide.size() > 2 && wide[1] == L':' && wide[2] == L'\\') wide = L"\\\\?\\" + wide;
    DWORD size = ::GetShortPathNameW(wide.c_str(), nullptr, 0);
    if (!size) return nullptr;
    std::wstring shortPath(size, L'\0');
    size = ::GetShortPathNameW(wide.c_str(), &shortPath[0], size);
    if (!size || size >= shortPath.size()) return nullptr;
    shortPath.resize(size);
    return static_cast<HBITMAP>(::LoadImageW(nullptr, shortPath.c_str(), IMAGE_BITMAP, 0, 0, flags));
}

void CopyPicture(CDC& dc, HBITMAP picture, int x, int y) {
    SIZE size = PictureSize(picture);
    if (!size.cx || !size.cy) return;
    CMemoryDC source(dc);
    SelectGuard select(source, picture);
    dc.BitBlt(x, y, size.cx, size.cy, source, 0, 0, SRCCOPY);
}

void NewCreatePictures::BuildPaths() {
    std::wstring directory = CurrentDirectory();
    m_paths.clear();
    for (int i = 0; i < kNewCreatePictureCount; ++i) m_paths.push_back(NewCreatePicturePath(directory, i));
}

const std::wstring& NewCreatePictures::Path(int index) const {
    static const std::wstring kNone;
    return index >= 0 && static_cast<size_t>(index) < m_paths.size() ? m_paths[static_cast<size_t>(index)] : kNone;
}

void NewCreatePictures::LoadKept() {
    m_background.Attach(LoadPictureFile(Path(kPicBackground)));
    m_page.Attach(LoadPictureFile(Path(kPicPage)));
    m_leftTile.Attach(LoadPictureFile(Path(kPicLeftTile)));
    m_rightTile.Attach(LoadPictureFile(Path(kPicRightTile)));
    m_bottomTile.Attach(LoadPictureFile(Path(kPicBottomTile)));
    for (int d = 0; d < 10; ++d) m_digits[d].Attach(LoadPictureFile(Path(kPicDigit0 + d)));
}

void NewCreatePictures::UseAlternativePage() { m_page.Attach(LoadPictureFile(Path(kPicAlternativePage))); }

void NewCreatePictures::Release() {
    m_background.DeleteObject();
    m_page.DeleteObject();
    m_leftTile.DeleteObject();
    m_rightTile.DeleteObject();
    m_bottomTile.DeleteObject();
    for (CBitmap& digit : m_digits) digit.DeleteObject();
}

void NewCreatePictures::PaintBackground(CDC& dc) const { CopyPicture(dc, m_background, 1, 1); }

void NewCreatePictures::PaintPage(CDC& dc) const { CopyPicture(dc, m_page, 4, 22); }

void NewCreatePictures::PaintFrame(CDC& dc) const {
    for (int y = 19; y < 523; y += 63) {
        CopyPicture(dc, m_leftTile, 0, y);
        CopyPicture(dc, m_rightTile, 235, y);
    }
    for (int x = 0; x < 328; x += 41) CopyPicture(dc, m_bottomTile, x, 418);
}

void NewCreatePictures::PaintDigits(CDC& dc, const DigitCell* cells, size_t count, int y, HBITMAP patch) const {
    CMemoryDC source(dc);
    for (size_t i = 0; i < count; ++i) {
        const DigitCell& cell = cells[i];
        if (patch) {
            SelectGuard select(source, patch);
            dc.BitBlt(cell.x, y, kDigitWidth, kDigitHeight, source, 0, 0, SRCCOPY);
        }
        HBITMAP digit = m_digits[cell.digit];
        SIZE size = PictureSize(digit);
        if (!size.cx || !size.cy) continue;
        SelectGuard select(source, digit);
        ::TransparentBlt(dc, cell.x, y, kDigitWidth, kDigitHeight, source, 0, 0, size.cx, size.cy, kTransparent);
    }
}

void NewCreatePictures::PaintTableNumber(CDC& dc, int32_t number) const {
    DigitCell cells[3];
    size_t count = TableNumberCells(number, cells);
    CBitmap patch(LoadPictureFile(Path(kPicTablePatch)));
    PaintDigits(dc, cells, count, kTableNumberY, patch);
}

void NewCreatePictures::PaintSetting(CDC& dc, int32_t value, int y) const {
    DigitCell cells[2];
    size_t count = SettingCells(value, cells);
    CBitmap patch(LoadPictureFile(Path(kPicNumberPatch)));
    PaintDigits(dc, cells, count, y, patch);
}

void NewCreatePictures::PaintScore(CDC& dc, int32_t score) const {
    CBitmap patch(LoadPictureFile(Path(kPicNumberPatch)));
    if (patch) {
        CMemoryDC source(dc);
        SelectGuard select(source, patch);
        for (int i = 0; i < kScoreAreaPatches; ++i) {
            dc.BitBlt(kScoreAreaLeft + i, kScoreY, kDigitWidth, kDigitHeight, source, 0, 0, SRCCOPY);
        }
    }
    DigitCell cells[4];
    size_t count = ScoreCells(score, cells);
    PaintDigits(dc, cells, count, kScoreY, patch);
}
