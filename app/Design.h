// A window's design as data: the form's own properties and one record per component, in
// creation order. LoadDesign creates the components on the form and sets what each record
// gives; anything a record leaves unset keeps the component's own default (for colour and font:
// the parent's).
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "vcl/Vcl.h"

namespace velunka {

enum class ComponentKind {
    Label,
    Button,
    BitBtn,
    Panel,
    Bevel,
    Edit,
    UpDown,
    ComboBox,
    CheckBox,
    GroupBox,
    RadioGroup,
    Memo,
    Timer,
    MainMenu,
    MenuItem,
};

inline constexpr const char* kGothic = "ＭＳ ゴシック";
inline constexpr const char* kPGothic = "ＭＳ Ｐゴシック";

struct FontDesign {
    std::string name{};
    int height = 12;
    vcl::TColor color = vcl::clBlack;
    vcl::TFontStyles style{};
    vcl::TFontCharset charset = vcl::SHIFTJIS_CHARSET;
};

inline FontDesign Gothic(int height, vcl::TColor color = vcl::clBlack,
                         vcl::TFontStyles style = {}) {
    return {kGothic, height, color, style};
}
inline FontDesign PGothic(int height, vcl::TColor color = vcl::clBlack,
                          vcl::TFontStyles style = {}) {
    return {kPGothic, height, color, style};
}

struct Bounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Every member has an initializer, so that a record names only what it sets.
struct ComponentDesign {
    ComponentKind kind{};
    std::string name{};
    // Empty: the form. For a menu item: its main menu or the item it belongs to.
    std::string parent{};
    Bounds bounds{};
    // The caption; for an edit its text. Empty leaves the component's own.
    std::string caption{};
    std::optional<vcl::TColor> color{};
    std::optional<FontDesign> font{};
    std::optional<int> tabOrder{};
    bool visible = true;
    bool enabled = true;
    std::optional<vcl::TAlign> align{};
    std::optional<vcl::TCursor> cursor{};
    std::optional<vcl::TImeMode> imeMode{};

    // Labels.
    std::optional<vcl::TAlignment> alignment{};
    std::optional<bool> autoSize{};
    // Panels.
    std::optional<vcl::TPanelBevel> bevelInner{};
    std::optional<vcl::TPanelBevel> bevelOuter{};
    std::optional<vcl::TBorderStyle> borderStyle{};
    // Bevels.
    std::optional<vcl::TBevelShape> shape{};
    // Buttons.
    std::optional<vcl::TBitBtnKind> bitBtnKind{};
    bool isDefault = false;
    bool isCancel = false;
    std::optional<vcl::TModalResult> modalResult{};
    // Combo boxes and radio groups.
    std::vector<std::string> items{};
    std::optional<int> itemIndex{};
    std::optional<vcl::TComboBoxStyle> comboStyle{};
    std::optional<int> itemHeight{};
    // Up-downs.
    std::string associate{};
    std::optional<int> min{};
    std::optional<int> max{};
    std::optional<int> increment{};
    std::optional<int> position{};
    std::optional<bool> thousands{};
    std::optional<bool> wrap{};
    // Timers.
    std::optional<int> interval{};
};

struct FormDesign {
    std::string name{};
    std::string caption{};
    Bounds bounds{};  // place on the screen and outer size
    int clientWidth = 0;
    int clientHeight = 0;
    vcl::TColor color = vcl::clBtnFace;
    FontDesign font{};
    std::string menu{};  // name of the main menu among the components; empty for none
    std::vector<ComponentDesign> components{};
};

// Creates every component of the design, owned by the form, and sets the form's properties.
// A record naming an unknown parent, associate or menu is a fault in the design and throws
// std::logic_error.
void LoadDesign(vcl::TForm& form, const FormDesign& design);

// The component of that name and type on the form; a missing one is a fault in the design.
template <class T>
T* DesignedComponent(const vcl::TComponent& owner, const std::string& name) {
    T* component = owner.Find<T>(name);
    if (component == nullptr) {
        throw std::logic_error("the design has no component " + name + " of the expected kind");
    }
    return component;
}

template <class T>
void Bind(const vcl::TComponent& owner, T*& member, const std::string& name) {
    member = DesignedComponent<T>(owner, name);
}

}  // namespace velunka
