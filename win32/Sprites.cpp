#include "win32/Sprites.h"

#include "assets/Pictures.h"
#include "assets/XpmImage.h"

#include <cstdint>
#include <cstring>

namespace zol::win32 {

namespace {

constexpr int kMeteoriteKey = 100;
constexpr int kTitleIconKey = 101;

// A top-down 32-bit bitmap, alpha premultiplied as AlphaBlend wants it,
// each device pixel taking the picture's pixel it falls on.
HBITMAP scaledBitmap(const XpmImage& picture, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) return nullptr;
    auto* pixels = static_cast<std::uint32_t*>(bits);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::uint32_t argb = picture.at(x * picture.widthPx / width, y * picture.heightPx / height);
            pixels[y * width + x] = (argb >> 24) ? argb : 0;  // opaque, or nothing at all
        }
    return bitmap;
}

} // namespace

Sprites::Sprites() : source_(CreateCompatibleDC(nullptr)), sourceDefault_(GetCurrentObject(source_, OBJ_BITMAP)) {}

Sprites::~Sprites() {
    SelectObject(source_, sourceDefault_);
    DeleteDC(source_);
    for (auto& [key, bitmap] : made_) DeleteObject(bitmap);
}

void Sprites::draw(HDC target, int key, const char* const* xpm, const RECT& where) {
    const int width = where.right - where.left, height = where.bottom - where.top;
    if (width <= 0 || height <= 0) return;
    HBITMAP& bitmap = made_[{key, width, height}];
    if (!bitmap) bitmap = scaledBitmap(readXpm(xpm), width, height);
    SelectObject(source_, bitmap);
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(target, where.left, where.top, width, height, source_, 0, 0, width, height, blend);
}

void Sprites::drawMeteorite(HDC target, const RECT& where) { draw(target, kMeteoriteKey, meteoriteXpm(), where); }

void Sprites::drawWalker(HDC target, int frame, const RECT& where) { draw(target, frame, walkerXpm(frame), where); }

void Sprites::drawTitleIcon(HDC target, const RECT& where) { draw(target, kTitleIconKey, titleIconXpm(), where); }

} // namespace zol::win32
