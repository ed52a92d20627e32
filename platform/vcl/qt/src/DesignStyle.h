#pragma once

class QStyle;

namespace vcl::qt {

// Fusion, with the narrow button margins of the designs: a 71-pixel button holds five
// 12-pixel characters.
QStyle* MakeDesignStyle();

}  // namespace vcl::qt
