#include <cstdint>
#include <limits>

#include "vcl/System.h"

namespace vcl {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

int StrToInt(const std::string& text) {
    const EConvertError notAnInteger("'" + text + "' は整数ではありません");
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size()) throw notAnInteger;
    const std::int64_t limit = negative
                                   ? -static_cast<std::int64_t>(std::numeric_limits<int>::min())
                                   : std::numeric_limits<int>::max();
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        if (!IsDigit(text[i])) throw notAnInteger;
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > limit) throw notAnInteger;
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}

std::string IntToStr(int value) {
    return std::to_string(value);
}

}  // namespace vcl
