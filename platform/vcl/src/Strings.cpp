#include <algorithm>

#include "vcl/Classes.h"

namespace vcl {

namespace {

char FoldCase(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

EStringListError IndexOutOfRange(int i) {
    return EStringListError("リストのインデックスが範囲を超えています (" + IntToStr(i) + ")");
}

}  // namespace

bool SameText(const std::string& a, const std::string& b) {
    return std::ranges::equal(a, b, [](char x, char y) { return FoldCase(x) == FoldCase(y); });
}

std::string TStrings::Get(int i) const {
    if (i < 0 || i >= Count()) return "";
    return lines_[static_cast<size_t>(i)];
}

int TStrings::Add(const std::string& s) {
    lines_.push_back(s);
    Changed();
    return Count() - 1;
}

void TStrings::Insert(int i, const std::string& s) {
    if (i < 0 || i > Count()) throw IndexOutOfRange(i);
    lines_.insert(lines_.begin() + i, s);
    Changed();
}

void TStrings::Delete(int i) {
    if (i < 0 || i >= Count()) throw IndexOutOfRange(i);
    lines_.erase(lines_.begin() + i);
    Changed();
}

void TStrings::Clear() {
    if (lines_.empty()) return;
    lines_.clear();
    Changed();
}

int TStrings::IndexOf(const std::string& s) const {
    for (int i = 0; i < Count(); ++i) {
        if (SameText(lines_[static_cast<size_t>(i)], s)) return i;
    }
    return -1;
}

std::string TStrings::Text() const {
    std::string text;
    for (const std::string& line : lines_) text += line + "\n";
    return text;
}

void TStrings::SetText(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    Assign(lines);
}

void TStrings::Assign(const std::vector<std::string>& lines) {
    if (lines_ == lines) return;
    lines_ = lines;
    Changed();
}

void TStrings::Changed() {
    if (changed_) changed_();
}

}  // namespace vcl
