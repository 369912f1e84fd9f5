#include "metafile_recorder.h"

namespace {

std::string FromWide(const wchar_t* text, int count) {
    int n = ::WideCharToMultiByte(CP_ACP, 0, text, count, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n > 0 ? n : 0), '\0');
    if (n > 0) ::WideCharToMultiByte(CP_ACP, 0, text, count, &out[0], n, nullptr, nullptr);
    return out;
}

CRect DestRect(LONG x, LONG y, LONG cx, LONG cy) {
    return CRect(static_cast<int32_t>(x), static_cast<int32_t>(y), static_cast<int32_t>(x + cx), static_cast<int32_t>(y + cy));
}

void Parse(const std::vector<BYTE>& bits, MetafileRecording* out) {
    COLORREF textColour = RGB(0, 0, 0);
    COLORREF backColour = RGB(255, 255, 255);
    size_t offset = 0;
    while (offset + sizeof(EMR) <= bits.size()) {
        const EMR* record = reinterpret_cast<const EMR*>(&bits[offset]);
        if (record->nSize < sizeof(EMR) || offset + record->nSize > bits.size()) break;
        switch (record->iType) {
        case EMR_SETTEXTCOLOR:
            textColour = reinterpret_cast<const EMRSETTEXTCOLOR*>(record)->crColor;
            break;
        case EMR_SETBKCOLOR:
            backColour = reinterpret_cast<const EMRSETBKCOLOR*>(record)->crColor;
            break;
        case EMR_EXTTEXTOUTW:
        case EMR_EXTTEXTOUTA: {
            const EMREXTTEXTOUTW* t = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
            const BYTE* base = reinterpret_cast<const BYTE*>(record);
            int chars = static_cast<int>(t->emrtext.nChars);
            if (chars == 0) {
                if (t->emrtext.fOptions & ETO_OPAQUE) {
                    const RECTL& r = t->emrtext.rcl;
                    out->fills.push_back({CRect(r.left, r.top, r.right, r.bottom), backColour});
                }
                break;
            }
            std::string text;
            if (record->iType == EMR_EXTTEXTOUTW) {
                text = FromWide(reinterpret_cast<const wchar_t*>(base + t->emrtext.offString), chars);
            } else {
                text.assign(reinterpret_cast<const char*>(base + t->emrtext.offString), static_cast<size_t>(chars));
            }
            out->texts.push_back({text, CPoint(t->emrtext.ptlReference.x, t->emrtext.ptlReference.y), textColour});
            break;
        }
        case EMR_BITBLT: {
            const EMRBITBLT* b = reinterpret_cast<const EMRBITBLT*>(record);
            out->pictures.push_back({record->iType, DestRect(b->xDest, b->yDest, b->cxDest, b->cyDest)});
            break;
        }
        case EMR_STRETCHBLT: {
            const EMRSTRETCHBLT* b = reinterpret_cast<const EMRSTRETCHBLT*>(record);
            out->pictures.push_back({record->iType, DestRect(b->xDest, b->yDest, b->cxDest, b->cyDest)});
            break;
        }
        case EMR_STRETCHDIBITS: {
            const EMRSTRETCHDIBITS* b = reinterpret_cast<const EMRSTRETCHDIBITS*>(record);
            out->pictures.push_back({record->iType, DestRect(b->xDest, b->yDest, b->cxDest, b->cyDest)});
            break;
        }
        case EMR_TRANSPARENTBLT: {
            const EMRTRANSPARENTBLT* b = reinterpret_cast<const EMRTRANSPARENTBLT*>(record);
            out->pictures.push_back({record->iType, DestRect(b->xDest, b->yDest, b->cxDest, b->cyDest)});
            break;
        }
        case EMR_ALPHABLEND: {
            const EMRALPHABLEND* b = reinterpret_cast<const EMRALPHABLEND*>(record);
            out->pictures.push_back({record->iType, DestRect(b->xDest, b->yDest, b->cxDest, b->cyDest)});
            break;
        }
        default:
            break;
        }
        offset += record->nSize;
    }
}

}  // namespace

MetafileRecording MetafileRecording::Render(int width, int height, const std::function<void(HDC)>& paint) {
    HDC screen = ::GetDC(nullptr);
    // The frame is in .01 mm; derive it from the screen so one unit is one pixel.
    int mmW = ::GetDeviceCaps(screen, HORZSIZE), pxW = ::GetDeviceCaps(screen, HORZRES);
    int mmH = ::GetDeviceCaps(screen, VERTSIZE), pxH = ::GetDeviceCaps(screen, VERTRES);
    RECT frame = {0, 0, width * mmW * 100 / pxW, height * mmH * 100 / pxH};
    HDC dc = ::CreateEnhMetaFileA(screen, nullptr, &frame, nullptr);
    ::ReleaseDC(nullptr, screen);
    paint(dc);
    HENHMETAFILE emf = ::CloseEnhMetaFile(dc);
    MetafileRecording recording;
    UINT size = ::GetEnhMetaFileBits(emf, 0, nullptr);
    std::vector<BYTE> bits(size);
    ::GetEnhMetaFileBits(emf, size, bits.data());
    ::DeleteEnhMetaFile(emf);
    Parse(bits, &recording);
    return recording;
}

MetafileRecording MetafileRecording::RenderWindow(HWND window) {
    RECT client;
    ::GetClientRect(window, &client);
    return Render(client.right, client.bottom, [window](HDC dc) {
        ::SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
    });
}

const DrawnText* MetafileRecording::FindText(const std::string& text) const {
    for (const DrawnText& t : texts) {
        if (t.text == text) return &t;
    }
    return nullptr;
}
