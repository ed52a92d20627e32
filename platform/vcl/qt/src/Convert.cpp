#include "Convert.h"

#include <QPalette>
#include <QWidget>
#include <algorithm>
#include <cstdlib>

namespace vcl::qt {

namespace {

void SetColorInAllGroups(QWidget& widget, std::initializer_list<QPalette::ColorRole> roles,
                         QColor color) {
    QPalette palette = widget.palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (auto role : roles) palette.setColor(group, role, color);
    }
    widget.setPalette(palette);
}

void SetColorWhileEnabled(QWidget& widget, std::initializer_list<QPalette::ColorRole> roles,
                          QColor color) {
    QPalette palette = widget.palette();
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        for (auto role : roles) palette.setColor(group, role, color);
    }
    widget.setPalette(palette);
}

void ApplyLook(QWidget& widget, TColor background, const TFont& font) {
    SetBackgroundColor(widget, ToQColor(background));
    SetTextColor(widget, ToQColor(font.Color));
    widget.setFont(ToQFont(font));
}

}  // namespace

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
    SetColorInAllGroups(widget, {QPalette::Window, QPalette::Base, QPalette::Button}, background);
}

void SetIndicatorColor(QWidget& widget) {
    SetColorInAllGroups(widget, {QPalette::Base}, ToQColor(clWindow));
    SetColorWhileEnabled(widget, {QPalette::Text}, ToQColor(clWindowText));
}

void SetTextColor(QWidget& widget, QColor text) {
    SetColorWhileEnabled(widget, {QPalette::WindowText, QPalette::Text, QPalette::ButtonText},
                         text);
}

void ApplyControlLook(QWidget& widget, const TControl& control) {
    ApplyLook(widget, control.EffectiveColor(), control.EffectiveFont());
}

void ApplyButtonLook(QWidget& widget, const TControl& control) {
    ApplyLook(widget, clBtnFace, control.EffectiveFont());
}

}  // namespace vcl::qt
