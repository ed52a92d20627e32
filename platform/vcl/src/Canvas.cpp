#include <utility>

#include "vcl/Backend.h"
#include "vcl/Graphics.h"

namespace vcl {

TCanvas::TCanvas(Backend& backend, std::function<void(TRect)> invalidate)
    : backend_(backend), invalidate_(std::move(invalidate)) {}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    if (right == left || bottom == top) return;
    if (Brush->Style == bsSolid) image_.Fill(left, top, right, bottom, Brush->Color);
    image_.Fill(left, top, right, top + 1, Pen->Color);
    image_.Fill(left, bottom - 1, right, bottom, Pen->Color);
    image_.Fill(left, top, left + 1, bottom, Pen->Color);
    image_.Fill(right - 1, top, right, bottom, Pen->Color);
    Invalidate({left, top, right, bottom});
}

void TCanvas::FillRect(const TRect& r) {
    if (Brush->Style == bsClear) return;
    image_.Fill(r.Left, r.Top, r.Right, r.Bottom, Brush->Color);
    Invalidate(r);
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
    Invalidate(backend_.DrawText(image_, x, y, text, font_, brush_));
}

bool TCanvas::PixelAt(int x, int y, TColor& color) const {
    if (!image_.Contains(x, y)) return false;
    const std::uint32_t argb = image_.At(x, y);
    if ((argb >> 24) == 0) return false;
    color = ColorOfArgb(argb);
    return true;
}

void TCanvas::SetSize(int width, int height) {
    image_.Resize(width, height);
}

void TCanvas::Invalidate(TRect r) {
    if (invalidate_) invalidate_(r);
}

}  // namespace vcl
