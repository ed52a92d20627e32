#pragma once

class QStyle;

namespace vcl::qt {

// Fusion, as the designs need it: narrow button margins (a 71-pixel button holds five
// 12-pixel characters) and group box captions on the frame line.
QStyle* MakeDesignStyle();

}  // namespace vcl::qt
