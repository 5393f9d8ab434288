#include "ui/Font.h"

#include <cstddef>

namespace ui {
namespace {

// Windows XP refuses SPI_GETNONCLIENTMETRICS for the larger structure of Vista's headers (with
// iPaddedBorderWidth); the XP size works on every later Windows too.
static_assert(sizeof(NONCLIENTMETRICSW) ==
                  offsetof(NONCLIENTMETRICSW, lfMessageFont) + sizeof(LOGFONTW),
              "NONCLIENTMETRICSW must have Windows XP's size: build with WINVER 0x0501");

// "ＭＳ Ｐゴシック", by its Unicode name so that it is found on any language of Windows.
constexpr const wchar_t* kFace = L"\uFF2D\uFF33 \uFF30\u30B4\u30B7\u30C3\u30AF";

// True when the font has glyphs for Latin letters, which every caption of the program uses.
bool DrawsLatin(HFONT font) {
    const HDC dc = CreateCompatibleDC(nullptr);
    if (dc == nullptr)
        return true;
    const HGDIOBJ previous = SelectObject(dc, font);
    WORD glyphs[2]{};
    const bool found = GetGlyphIndicesW(dc, L"Aa", 2, glyphs, GGI_MARK_NONEXISTING_GLYPHS) == 2 &&
                       glyphs[0] != 0xFFFF && glyphs[1] != 0xFFFF;
    SelectObject(dc, previous);
    DeleteDC(dc);
    return found;
}

}  // namespace

HFONT CreateProgramFont(int pixels) {
    const HFONT font = CreateFontW(-pixels, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                   SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                   DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, kFace);
    if (font != nullptr && DrawsLatin(font))
        return font;
    if (font != nullptr)
        DeleteObject(font);

    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    LOGFONTW fallback{};
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        fallback = metrics.lfMessageFont;
    } else {
        lstrcpyW(fallback.lfFaceName, L"MS Shell Dlg");
        fallback.lfCharSet = DEFAULT_CHARSET;
    }
    fallback.lfHeight = -pixels;
    fallback.lfWidth = 0;
    return CreateFontIndirectW(&fallback);
}

}  // namespace ui
