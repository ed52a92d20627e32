// Visual controls: the common base, windowed controls with children, and the standard controls.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "vcl/Classes.h"
#include "vcl/Graphics.h"
#include "vcl/Property.h"
#include "vcl/System.h"

namespace vcl {

class TWinControl;
class TForm;
class ControlPeer;

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
using enum TAlign;

enum class TCursor { crDefault, crArrow, crUpArrow, crHandPoint, crIBeam };
using enum TCursor;

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
using enum TAlignment;

enum class TImeMode { imDontCare, imDisable, imClose, imOpen };
using enum TImeMode;

// What a backend must mirror after a change of state.
enum class Change {
    Geometry,
    Visible,
    Enabled,
    Color,
    Font,
    Caption,
    Text,
    Lines,
    Items,
    ItemIndex,
    Checked,
    Position,
    Cursor,
    Style,
    Menu,
    Canvas,
};

using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;

class TControl : public TComponent {
  public:
    explicit TControl(TComponent* AOwner);
    ~TControl() override;

    TWinControl* Parent() const { return parent_; }
    void SetParent(TWinControl* parent);
    TForm* Form() const;  // the form this control lies on (itself for a form)

    Property<int> Left{0, [this] { Changed(Change::Geometry); }};
    Property<int> Top{0, [this] { Changed(Change::Geometry); }};
    Property<int> Width{0, [this] { Changed(Change::Geometry); }};
    Property<int> Height{0, [this] { Changed(Change::Geometry); }};
    Property<bool> Visible{true, [this] { Changed(Change::Visible); }};
    Property<bool> Enabled{true, [this] { Changed(Change::Enabled); }};
    Property<std::string> Caption{"", [this] { Changed(Change::Caption); }};
    Property<TCursor> Cursor{crDefault, [this] { Changed(Change::Cursor); }};
    Property<TAlign> Align{alNone, [this] { AlignChanged(); }};

    // Assigning Color or a font property clears ParentColor or ParentFont, as in a design.
    Property<TColor> Color{clBtnFace, [this] { ColorChanged(); }};
    Property<bool> ParentColor{true, [this] { LookChanged(Change::Color); }};
    TFont* const Font = &font_;
    Property<bool> ParentFont{true, [this] { LookChanged(Change::Font); }};
    TColor EffectiveColor() const;
    const TFont& EffectiveFont() const;

    void SetBounds(int left, int top, int width, int height);
    bool IsShowing() const;       // visible, and so are all parents
    bool IsInputEnabled() const;  // enabled, and so are all parents, on a form that takes input

    TNotifyEvent OnClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;

    // Input as the backends (and headless tests) deliver it; each runs through the
    // application's dispatcher and is ignored while the control takes no input.
    virtual void Click();
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y);

    ControlPeer* Peer() const { return peer_.get(); }
    void SetPeer(std::unique_ptr<ControlPeer> peer);
    void Changed(Change what);

  protected:
    virtual void DoClick();
    bool InputAllowed() const;
    void Dispatch(const std::function<void()>& handler);
    // The effective colour or font changed: tells the peer (and, for windowed controls, the
    // children that inherit it).
    virtual void LookChanged(Change what);
    // Asks the backend for peers for this control and everything on it, parents first.
    void CreatePeers();
    void ReleasePeers();
    bool PeersCreated() const { return peersCreated_; }

  private:
    friend class TWinControl;
    void AlignChanged();
    void ColorChanged();
    void FontChanged();
    void LookChangedFromParent(Change what);
    bool InheritsLook(Change what) const;
    bool ParentHasPeers() const;
    TWinControl* parent_ = nullptr;
    TFont font_;
    std::unique_ptr<ControlPeer> peer_;
    bool peersCreated_ = false;
};

class TWinControl : public TControl {
  public:
    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;

    Property<int> TabOrder{-1, [this] { Changed(Change::Geometry); }};
    Property<bool> TabStop{true};

    // Children in creation order; a later child lies in front of an earlier one.
    const std::vector<TControl*>& Controls() const { return controls_; }
    virtual int ClientWidth() const { return Width; }
    virtual int ClientHeight() const { return Height; }
    // Places the aligned children again after a change of size.
    void Realign();

  protected:
    void LookChanged(Change what) override;

  private:
    friend class TControl;
    std::vector<TControl*> controls_;
};

class TLabel : public TControl {
  public:
    explicit TLabel(TComponent* AOwner);
    Property<TAlignment> Alignment{taLeftJustify, [this] { Changed(Change::Style); }};
    Property<bool> AutoSize{true};
    // A label shows its Color behind the text unless it is transparent.
    Property<bool> Transparent{false, [this] { Changed(Change::Color); }};
};

class TButton : public TWinControl {
  public:
    explicit TButton(TComponent* AOwner);
    Property<bool> Default{false, [this] { Changed(Change::Style); }};
    Property<bool> Cancel{false, [this] { Changed(Change::Style); }};
    // Given to the form before OnClick runs, which ends a modal loop.
    Property<TModalResult> ModalResult{mrNone};

  protected:
    void DoClick() override;
};

enum class TBitBtnKind { bkCustom, bkOK, bkCancel };
using enum TBitBtnKind;

class TBitBtn : public TButton {
  public:
    explicit TBitBtn(TComponent* AOwner);
    // bkOK gives the caption "OK", the check-mark glyph, Default and mrOk.
    void SetKind(TBitBtnKind kind);
    TBitBtnKind Kind() const { return kind_; }

  private:
    TBitBtnKind kind_ = bkCustom;
};

enum class TPanelBevel { bvNone, bvLowered, bvRaised };
using enum TPanelBevel;

enum class TBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog };
using enum TBorderStyle;

class TPanel : public TWinControl {
  public:
    explicit TPanel(TComponent* AOwner);
    Property<TPanelBevel> BevelInner{bvNone, [this] { Changed(Change::Style); }};
    Property<TPanelBevel> BevelOuter{bvRaised, [this] { Changed(Change::Style); }};
    Property<TBorderStyle> BorderStyle{bsNone, [this] { Changed(Change::Style); }};
    Property<TAlignment> Alignment{taCenter, [this] { Changed(Change::Style); }};
};

enum class TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine };
using enum TBevelShape;
enum class TBevelStyle { bsLowered, bsRaised };
using enum TBevelStyle;

class TBevel : public TControl {
  public:
    explicit TBevel(TComponent* AOwner);
    Property<TBevelShape> Shape{bsBox, [this] { Changed(Change::Style); }};
    Property<TBevelStyle> Style{bsLowered, [this] { Changed(Change::Style); }};
};

class TEdit : public TWinControl {
  public:
    explicit TEdit(TComponent* AOwner);
    ~TEdit() override;
    Property<std::string> Text{"", [this] { TextChanged(); }};
    Property<TImeMode> ImeMode{imDontCare};
    Property<bool> ReadOnly{false, [this] { Changed(Change::Style); }};
    TNotifyEvent OnChange;
    // Arrow keys in an edit step the up-down associated with it.
    class TUpDown* AssociatedUpDown = nullptr;

    void UserEdited(const std::string& text);  // what the user typed
    void UserArrowKey(bool up);

  private:
    void TextChanged();
};

enum class TUDBtnType { btNext, btPrev };
using enum TUDBtnType;
using TUDClickEvent = std::function<void(TObject* Sender, TUDBtnType Button)>;

class TUpDown : public TWinControl {
  public:
    explicit TUpDown(TComponent* AOwner);
    ~TUpDown() override;
    void SetAssociate(TEdit* edit);
    TEdit* Associate() const { return associate_; }
    // A change of range pulls Position back inside it.
    Property<int> Min{0, [this] { ClampPosition(); }};
    Property<int> Max{100, [this] { ClampPosition(); }};
    Property<int> Increment{1};
    Property<bool> Thousands{true};
    Property<bool> Wrap{false};
    // Setting it writes the number into the associated edit; no OnClick.
    Property<int> Position{0, [this] { PositionChanged(); }};
    TUDClickEvent OnClick;

    // An arrow pressed by the user: steps by Increment within Min..Max, and when the
    // position changed, writes the edit and runs OnClick.
    void UserStep(TUDBtnType button);

  private:
    void PositionChanged();
    void ClampPosition();
    void WriteAssociate();
    TEdit* associate_ = nullptr;
};

enum class TComboBoxStyle { csDropDown, csDropDownList };
using enum TComboBoxStyle;

class TComboBox : public TWinControl {
  public:
    explicit TComboBox(TComponent* AOwner);
    TStrings* const Items = &items_;
    Property<int> ItemIndex{-1, [this] { ItemIndexChanged(); }};
    Property<TComboBoxStyle> Style{csDropDown, [this] { Changed(Change::Style); }};
    Property<TImeMode> ImeMode{imDontCare};
    Property<int> ItemHeight{16};
    // The selected item's text (empty with no selection).
    std::string Text() const;
    TNotifyEvent OnChange;

    void UserSelect(int index);

  private:
    void ItemIndexChanged();
    TStrings items_;
};

class TCheckBox : public TWinControl {
  public:
    explicit TCheckBox(TComponent* AOwner);
    Property<bool> Checked{false, [this] { Changed(Change::Checked); }};

  protected:
    void DoClick() override;  // toggles Checked, then OnClick
};

class TGroupBox : public TWinControl {
  public:
    explicit TGroupBox(TComponent* AOwner);
};

class TRadioGroup : public TGroupBox {
  public:
    explicit TRadioGroup(TComponent* AOwner);
    TStrings* const Items = &items_;
    Property<int> ItemIndex{-1, [this] { Changed(Change::ItemIndex); }};
    Property<int> Columns{1, [this] { Changed(Change::Items); }};
    // Selects an item as a click of the user does, then runs OnClick.
    void UserSelect(int index);

  private:
    TStrings items_;
};

class TMemo : public TWinControl {
  public:
    explicit TMemo(TComponent* AOwner);
    TStrings* const Lines = &lines_;
    Property<TImeMode> ImeMode{imDontCare};
    Property<bool> ReadOnly{false, [this] { Changed(Change::Style); }};

  private:
    TStrings lines_;
};

// The backend's side of one control: it re-reads the control's state when told what changed.
class ControlPeer {
  public:
    virtual ~ControlPeer() = default;
    virtual void Changed(Change what) = 0;
};

}  // namespace vcl
