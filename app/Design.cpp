#include "app/Design.h"

namespace velunka {
namespace {

void ApplyFont(vcl::TFont& font, const FontDesign& design) {
    font.Name = design.name;
    font.Height = design.height;
    font.Color = design.color;
    font.Style = design.style;
    font.Charset = design.charset;
}

template <class T>
void SetIfGiven(vcl::Property<T>& property, const std::optional<T>& value) {
    if (value) property = *value;
}

vcl::TComponent* CreateComponent(vcl::TForm& form, ComponentKind kind) {
    switch (kind) {
        case ComponentKind::Label:
            return new vcl::TLabel(&form);
        case ComponentKind::Button:
            return new vcl::TButton(&form);
        case ComponentKind::BitBtn:
            return new vcl::TBitBtn(&form);
        case ComponentKind::Panel:
            return new vcl::TPanel(&form);
        case ComponentKind::Bevel:
            return new vcl::TBevel(&form);
        case ComponentKind::Edit:
            return new vcl::TEdit(&form);
        case ComponentKind::UpDown:
            return new vcl::TUpDown(&form);
        case ComponentKind::ComboBox:
            return new vcl::TComboBox(&form);
        case ComponentKind::CheckBox:
            return new vcl::TCheckBox(&form);
        case ComponentKind::GroupBox:
            return new vcl::TGroupBox(&form);
        case ComponentKind::RadioGroup:
            return new vcl::TRadioGroup(&form);
        case ComponentKind::Memo:
            return new vcl::TMemo(&form);
        case ComponentKind::Timer:
            return new vcl::TTimer(&form);
        case ComponentKind::MainMenu:
            return new vcl::TMainMenu(&form);
        case ComponentKind::MenuItem:
            return new vcl::TMenuItem(&form);
    }
    throw std::logic_error("unknown component kind");
}

void PlaceControl(vcl::TForm& form, vcl::TControl& control, const ComponentDesign& design) {
    vcl::TWinControl* parent = &form;
    if (!design.parent.empty()) parent = DesignedComponent<vcl::TWinControl>(form, design.parent);
    control.SetParent(parent);
    control.SetBounds(design.bounds.left, design.bounds.top, design.bounds.width,
                      design.bounds.height);
    bool isEdit = dynamic_cast<vcl::TEdit*>(&control) != nullptr;
    if (!design.caption.empty() && !isEdit) control.Caption = design.caption;
    SetIfGiven(control.Color, design.color);
    if (design.font) ApplyFont(*control.Font, *design.font);
    control.Visible = design.visible;
    control.Enabled = design.enabled;
    SetIfGiven(control.Cursor, design.cursor);
    SetIfGiven(control.Align, design.align);
    if (auto* windowed = dynamic_cast<vcl::TWinControl*>(&control)) {
        SetIfGiven(windowed->TabOrder, design.tabOrder);
    }
}

void ApplyKindProperties(vcl::TForm& form, vcl::TComponent& component,
                         const ComponentDesign& design) {
    if (auto* label = dynamic_cast<vcl::TLabel*>(&component)) {
        SetIfGiven(label->Alignment, design.alignment);
        SetIfGiven(label->AutoSize, design.autoSize);
    }
    if (auto* panel = dynamic_cast<vcl::TPanel*>(&component)) {
        SetIfGiven(panel->BevelInner, design.bevelInner);
        SetIfGiven(panel->BevelOuter, design.bevelOuter);
        SetIfGiven(panel->BorderStyle, design.borderStyle);
    }
    if (auto* bevel = dynamic_cast<vcl::TBevel*>(&component)) {
        SetIfGiven(bevel->Shape, design.shape);
    }
    if (auto* button = dynamic_cast<vcl::TButton*>(&component)) {
        if (auto* bitBtn = dynamic_cast<vcl::TBitBtn*>(button); bitBtn && design.bitBtnKind) {
            bitBtn->SetKind(*design.bitBtnKind);
        }
        if (design.isDefault) button->Default = true;
        if (design.isCancel) button->Cancel = true;
        SetIfGiven(button->ModalResult, design.modalResult);
    }
    if (auto* edit = dynamic_cast<vcl::TEdit*>(&component)) {
        SetIfGiven(edit->ImeMode, design.imeMode);
        if (!design.caption.empty()) edit->Text = design.caption;
    }
    if (auto* memo = dynamic_cast<vcl::TMemo*>(&component)) {
        SetIfGiven(memo->ImeMode, design.imeMode);
    }
    if (auto* combo = dynamic_cast<vcl::TComboBox*>(&component)) {
        SetIfGiven(combo->Style, design.comboStyle);
        SetIfGiven(combo->ImeMode, design.imeMode);
        SetIfGiven(combo->ItemHeight, design.itemHeight);
        combo->Items->Assign(design.items);
        SetIfGiven(combo->ItemIndex, design.itemIndex);
    }
    if (auto* radio = dynamic_cast<vcl::TRadioGroup*>(&component)) {
        radio->Items->Assign(design.items);
        SetIfGiven(radio->ItemIndex, design.itemIndex);
    }
    if (auto* upDown = dynamic_cast<vcl::TUpDown*>(&component)) {
        SetIfGiven(upDown->Min, design.min);
        SetIfGiven(upDown->Max, design.max);
        SetIfGiven(upDown->Increment, design.increment);
        SetIfGiven(upDown->Thousands, design.thousands);
        SetIfGiven(upDown->Wrap, design.wrap);
        SetIfGiven(upDown->Position, design.position);
        if (!design.associate.empty()) {
            upDown->SetAssociate(DesignedComponent<vcl::TEdit>(form, design.associate));
        }
    }
    if (auto* timer = dynamic_cast<vcl::TTimer*>(&component)) {
        SetIfGiven(timer->Interval, design.interval);
    }
}

void AddMenuItem(vcl::TForm& form, vcl::TMenuItem& item, const ComponentDesign& design) {
    item.Caption = design.caption;
    item.Enabled = design.enabled;
    item.Visible = design.visible;
    if (auto* menu = form.Find<vcl::TMainMenu>(design.parent)) {
        menu->Items->Add(&item);
    } else {
        DesignedComponent<vcl::TMenuItem>(form, design.parent)->Add(&item);
    }
}

}  // namespace

void LoadDesign(vcl::TForm& form, const FormDesign& design) {
    form.Name = design.name;
    form.Caption = design.caption;
    form.SetBounds(design.bounds.left, design.bounds.top, design.bounds.width,
                   design.bounds.height);
    form.SetClientSize(design.clientWidth, design.clientHeight);
    form.Color = design.color;
    ApplyFont(*form.Font, design.font);

    for (const ComponentDesign& component : design.components) {
        vcl::TComponent* created = CreateComponent(form, component.kind);
        created->Name = component.name;
        if (auto* control = dynamic_cast<vcl::TControl*>(created)) {
            PlaceControl(form, *control, component);
        }
        if (auto* item = dynamic_cast<vcl::TMenuItem*>(created)) {
            AddMenuItem(form, *item, component);
        }
        ApplyKindProperties(form, *created, component);
    }

    if (!design.menu.empty()) form.SetMenu(DesignedComponent<vcl::TMainMenu>(form, design.menu));
}

}  // namespace velunka
