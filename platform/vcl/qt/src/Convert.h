// Conversions between the component layer's values and Qt's.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <string>

#include "vcl/Controls.h"

class QWidget;

namespace vcl::qt {

QColor ToQColor(TColor color);
QString ToQString(const std::string& text);
std::string ToStdString(const QString& text);
// The face at abs(Height) pixels; the design's Japanese faces resolve through the substitutions
// that InstallFontSubstitutions sets up.
QFont ToQFont(const TFont& font);
void InstallFontSubstitutions();

// Background roles (Window, Base, Button) in every colour group, so that a disabled control keeps
// its colour; text roles only while enabled, so that disabled text greys as usual.
void SetBackgroundColor(QWidget& widget, QColor background);
void SetTextColor(QWidget& widget, QColor text);
// Check and radio indicators stay white inside, as the system draws them, on any background.
void SetIndicatorColor(QWidget& widget);
// Background, text colour and font of a control as it looks on its parent.
void ApplyControlLook(QWidget& widget, const TControl& control);
// For buttons, which keep the system's face colour whatever their Color; text and font follow
// the control.
void ApplyButtonLook(QWidget& widget, const TControl& control);

}  // namespace vcl::qt
