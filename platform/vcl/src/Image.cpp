#include <algorithm>

#include "vcl/Graphics.h"

namespace vcl {

void Image::Resize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    std::vector<std::uint32_t> resized(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
    const int keptWidth = std::min(width, Width);
    const int keptHeight = std::min(height, Height);
    for (int y = 0; y < keptHeight; ++y) {
        for (int x = 0; x < keptWidth; ++x) resized[static_cast<size_t>(y * width + x)] = At(x, y);
    }
    Width = width;
    Height = height;
    Pixels = std::move(resized);
}

void Image::Put(int x, int y, TColor c) {
    if (Contains(x, y)) Pixels[static_cast<size_t>(y * Width + x)] = ArgbOf(c);
}

void Image::Fill(int left, int top, int right, int bottom, TColor c) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, Width);
    bottom = std::min(bottom, Height);
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) Pixels[static_cast<size_t>(y * Width + x)] = ArgbOf(c);
    }
}

}  // namespace vcl
