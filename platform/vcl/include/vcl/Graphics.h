// Fonts, pens, brushes and the retained canvas of a form.
#pragma once

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "vcl/Property.h"
#include "vcl/System.h"

namespace vcl {

enum class TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using enum TFontStyle;
using TFontStyles = std::set<TFontStyle>;

enum class TFontCharset { DEFAULT_CHARSET, SHIFTJIS_CHARSET };
using enum TFontCharset;

class TFont {
  public:
    explicit TFont(std::function<void()> changed = {});
    TFont(const TFont&) = delete;
    TFont& operator=(const TFont&) = delete;
    void Assign(const TFont& other);

    Property<std::string> Name{"ＭＳ Ｐゴシック"};
    // Character height in pixels.
    Property<int> Height{12};
    Property<TColor> Color{clWindowText};
    Property<TFontStyles> Style{};
    Property<TFontCharset> Charset{DEFAULT_CHARSET};

    bool Bold() const { return Style().contains(fsBold); }
    bool Underline() const { return Style().contains(fsUnderline); }

  private:
    std::function<void()> changed_;
};

class TPen {
  public:
    Property<TColor> Color{clBlack};
};

enum class TBrushStyle { bsSolid, bsClear };
using enum TBrushStyle;

class TBrush {
  public:
    Property<TColor> Color{clWhite};
    Property<TBrushStyle> Style{bsSolid};
};

constexpr std::uint32_t ArgbOf(TColor c) {
    return 0xFF000000u | (static_cast<std::uint32_t>(RedOf(c)) << 16) |
           (static_cast<std::uint32_t>(GreenOf(c)) << 8) | static_cast<std::uint32_t>(BlueOf(c));
}
constexpr TColor ColorOfArgb(std::uint32_t argb) {
    return RGB(static_cast<int>((argb >> 16) & 0xFF), static_cast<int>((argb >> 8) & 0xFF),
               static_cast<int>(argb & 0xFF));
}

// Pixels as 0xAARRGGBB; alpha 0 where nothing has been drawn (the form's own colour shows).
struct Image {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint32_t> Pixels;

    void Resize(int width, int height);  // keeps what lies inside both sizes
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < Width && y < Height; }
    std::uint32_t At(int x, int y) const { return Pixels[static_cast<size_t>(y * Width + x)]; }
    void Put(int x, int y, TColor c);
    void Fill(int left, int top, int right, int bottom, TColor c);  // right, bottom exclusive
};

struct TRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

class Backend;

// Draws on a retained image of the form's client area, so what is drawn survives repaints.
class TCanvas {
  public:
    TCanvas(Backend& backend, std::function<void(TRect)> invalidate);
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    TPen* const Pen = &pen_;
    TBrush* const Brush = &brush_;
    TFont* const Font = &font_;

    // Outline in the pen colour, inside filled with the brush unless it is bsClear;
    // right and bottom exclusive.
    void Rectangle(int left, int top, int right, int bottom);
    void FillRect(const TRect& r);
    // Text with the canvas font; its cell is filled with the brush unless it is bsClear.
    void TextOut(int x, int y, const std::string& text);

    // What has been drawn at (x, y), or false where nothing has been.
    bool PixelAt(int x, int y, TColor& color) const;
    const Image& Picture() const { return image_; }
    void SetSize(int width, int height);

  private:
    void Invalidate(TRect r);
    Backend& backend_;
    std::function<void(TRect)> invalidate_;
    TPen pen_;
    TBrush brush_;
    TFont font_;
    Image image_;
};

}  // namespace vcl
