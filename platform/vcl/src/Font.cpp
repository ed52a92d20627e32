#include "vcl/Graphics.h"

namespace vcl {

TFont::TFont(std::function<void()> changed) : changed_(std::move(changed)) {
    auto notify = [this] {
        if (changed_) changed_();
    };
    Name.OnChanged(notify);
    Height.OnChanged(notify);
    Color.OnChanged(notify);
    Style.OnChanged(notify);
    Charset.OnChanged(notify);
}

void TFont::Assign(const TFont& other) {
    const bool same = Name() == other.Name() && Height() == other.Height() &&
                      Color() == other.Color() && Style() == other.Style() &&
                      Charset() == other.Charset();
    if (same) return;
    Name.SetQuietly(other.Name());
    Height.SetQuietly(other.Height());
    Color.SetQuietly(other.Color());
    Style.SetQuietly(other.Style());
    Charset.SetQuietly(other.Charset());
    if (changed_) changed_();
}

}  // namespace vcl
