// Text on a form's retained canvas image, in the same faces as the widgets.
#pragma once

#include <string>

#include "vcl/Graphics.h"

namespace vcl::qt {

TRect DrawTextOnImage(Image& image, int x, int y, const std::string& text, const TFont& font,
                      const TBrush& brush);

}  // namespace vcl::qt
