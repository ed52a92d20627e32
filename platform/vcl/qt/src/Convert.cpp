#include "Convert.h"

#include <QPalette>
#include <QWidget>
#include <algorithm>
#include <cstdlib>

namespace vcl::qt {

QColor ToQColor(TColor color) {
    return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

QString ToQString(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToStdString(const QString& text) {
    return text.toUtf8().toStdString();
}

QFont ToQFont(const TFont& font) {
    QFont result(ToQString(font.Name));
    result.setPixelSize(std::max(1, std::abs(font.Height())));
    result.setBold(font.Bold());
    result.setItalic(font.Style().contains(fsItalic));
    result.setUnderline(font.Underline());
    result.setStrikeOut(font.Style().contains(fsStrikeOut));
    return result;
}

void InstallFontSubstitutions() {
    // fontconfig would answer these names with a Latin face and take only the Japanese glyphs
    // from a fallback; substituting keeps both scripts in one face.
    QFont::insertSubstitutions(QString::fromUtf8("ＭＳ ゴシック"),
                               {"IPAGothic", "Noto Sans Mono CJK JP"});
    QFont::insertSubstitutions(QString::fromUtf8("ＭＳ Ｐゴシック"),
                               {"IPAPGothic", "Noto Sans CJK JP"});
}

void SetBackgroundColor(QWidget& widget, QColor background) {
    QPalette palette = widget.palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
            palette.setColor(group, role, background);
        }
    }
    widget.setPalette(palette);
}

void SetTextColor(QWidget& widget, QColor text) {
    QPalette palette = widget.palette();
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
            palette.setColor(group, role, text);
        }
    }
    widget.setPalette(palette);
}

void ApplyControlLook(QWidget& widget, const TControl& control) {
    SetBackgroundColor(widget, ToQColor(control.EffectiveColor()));
    SetTextColor(widget, ToQColor(control.EffectiveFont().Color));
    widget.setFont(ToQFont(control.EffectiveFont()));
}

}  // namespace vcl::qt
