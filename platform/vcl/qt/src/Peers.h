// The peers of the standard controls; each makes its widget as a child of `parent`.
#pragma once

#include <QWidget>
#include <memory>

#include "WidgetPeer.h"
#include "vcl/Controls.h"

namespace vcl::qt {

std::unique_ptr<WidgetPeer> MakeLabelPeer(TLabel& label, QWidget& parent);
std::unique_ptr<WidgetPeer> MakeButtonPeer(TButton& button, QWidget& parent);
std::unique_ptr<WidgetPeer> MakePanelPeer(TPanel& panel, QWidget& parent);
std::unique_ptr<WidgetPeer> MakeBevelPeer(TBevel& bevel, QWidget& parent);
std::unique_ptr<WidgetPeer> MakeEditPeer(TEdit& edit, QWidget& parent);
std::unique_ptr<WidgetPeer> MakeUpDownPeer(TUpDown& upDown, QWidget& parent);
std::unique_ptr<WidgetPeer> MakeComboBoxPeer(TComboBox& comboBox, QWidget& parent);
std::unique_ptr<WidgetPeer> MakeCheckBoxPeer(TCheckBox& checkBox, QWidget& parent);
std::unique_ptr<WidgetPeer> MakeGroupBoxPeer(TGroupBox& groupBox, QWidget& parent);
std::unique_ptr<WidgetPeer> MakeRadioGroupPeer(TRadioGroup& radioGroup, QWidget& parent);
std::unique_ptr<WidgetPeer> MakeMemoPeer(TMemo& memo, QWidget& parent);
// Any other windowed control: a plain area in its colour.
std::unique_ptr<WidgetPeer> MakeContainerPeer(TWinControl& control, QWidget& parent);

}  // namespace vcl::qt
