// Basic types of the component layer: colours, enums, the exception family, integer conversion.
#pragma once

#include <cstdint>
#include <functional>
#include <set>
#include <stdexcept>
#include <string>

namespace vcl {

// 0x00BBGGRR, red in the lowest byte.
using TColor = std::uint32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
// System colours: resolved to fixed values by this layer.
constexpr TColor clBtnFace = 0xF0F0F0;
constexpr TColor clWindow = 0xFFFFFF;
constexpr TColor clWindowText = 0x000000;

constexpr int RedOf(TColor c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(TColor c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(TColor c) {
    return static_cast<int>((c >> 16) & 0xFF);
}
constexpr TColor RGB(int r, int g, int b) {
    return static_cast<TColor>(r) | (static_cast<TColor>(g) << 8) | (static_cast<TColor>(b) << 16);
}

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
using enum TMouseButton;

enum class TShiftFlag { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using enum TShiftFlag;
using TShiftState = std::set<TShiftFlag>;

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;

class TObject {
  public:
    virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* Sender)>;

// The class library's exception family. Event dispatch catches these and hands them to the
// application's default handler; anything else propagates.
class Exception : public std::runtime_error {
  public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

class EConvertError : public Exception {
  public:
    using Exception::Exception;
};

// Strict decimal conversion: leading blanks, an optional sign, digits, within the 32-bit range.
// Anything else raises EConvertError "'<text>' は整数ではありません".
int StrToInt(const std::string& text);
std::string IntToStr(int value);

}  // namespace vcl
