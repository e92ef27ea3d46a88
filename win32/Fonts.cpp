#include "win32/Fonts.h"

#include "platform/win32/WideText.h"

#include <cmath>
#include <span>
#include <string_view>

namespace zol::win32 {

namespace {

constexpr int kPointsPerInch = 72;

// Stand-ins, best first: the faces of Windows 10 and 11 (Japanese fonts
// are an optional feature elsewhere), then the IPA fonts.
constexpr const wchar_t* kGothicStandIns[] = {L"Yu Gothic UI", L"Meiryo UI", L"MS Gothic", L"IPAPGothic"};
constexpr const wchar_t* kMinchoStandIns[] = {L"Yu Mincho", L"MS Mincho", L"IPAPMincho"};

bool installed(const std::wstring& face) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    face.copy(wanted.lfFaceName, LF_FACESIZE - 1);
    bool found = false;
    const HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(
        screen, &wanted,
        [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) -> int {
            *reinterpret_cast<bool*>(found) = true;
            return 0;
        },
        reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

} // namespace

std::wstring faceFor(const char* family) {
    const std::wstring designed = wide(family);
    if (installed(designed)) return designed;
    const bool mincho = std::string_view(family).find("明朝") != std::string_view::npos;
    const std::span<const wchar_t* const> standIns = mincho ? std::span<const wchar_t* const>(kMinchoStandIns)
                                                            : std::span<const wchar_t* const>(kGothicStandIns);
    for (const wchar_t* standIn : standIns)
        if (installed(standIn)) return standIn;
    return designed;  // the font mapper picks a Japanese face by the character set
}

Fonts::~Fonts() {
    for (auto& [key, font] : made_) DeleteObject(font);
}

HFONT Fonts::font(const play::Font& design, int dpi, bool underline) {
    const std::wstring key = wide(design.family) + L"|" + std::to_wstring(design.points) + L"|" +
                             std::to_wstring(design.bold) + std::to_wstring(design.italic) +
                             std::to_wstring(underline) + L"|" + std::to_wstring(dpi);
    if (const auto it = made_.find(key); it != made_.end()) return it->second;
    LOGFONTW look{};
    look.lfHeight = -static_cast<LONG>(std::lround(design.points * dpi / kPointsPerInch));
    look.lfWeight = design.bold ? FW_BOLD : FW_NORMAL;
    look.lfItalic = design.italic;
    look.lfUnderline = underline;
    look.lfCharSet = SHIFTJIS_CHARSET;
    look.lfQuality = DEFAULT_QUALITY;
    faceFor(design.family).copy(look.lfFaceName, LF_FACESIZE - 1);
    const HFONT font = CreateFontIndirectW(&look);
    made_.emplace(key, font);
    return font;
}

} // namespace zol::win32
