#include <algorithm>
#include <functional>
#include <stdexcept>

#include "Events.h"
#include "vcl/Backend.h"
#include "vcl/Forms.h"

namespace vcl {

namespace {

// The first button on the control (searched depth first) that is marked and takes input.
TButton* FindButton(const TWinControl& parent, const std::function<bool(const TButton&)>& marked) {
    for (TControl* child : parent.Controls()) {
        auto* button = dynamic_cast<TButton*>(child);
        if (button != nullptr && marked(*button) && button->IsShowing() &&
            button->IsInputEnabled()) {
            return button;
        }
        if (auto* windowed = dynamic_cast<TWinControl*>(child)) {
            if (TButton* found = FindButton(*windowed, marked)) return found;
        }
    }
    return nullptr;
}

}  // namespace

TForm::TForm(TComponent* AOwner) : TWinControl(AOwner) {
    Visible.SetQuietly(false);
    ParentColor.SetQuietly(false);
    ParentFont.SetQuietly(false);
}

TForm::~TForm() {
    if (menu_ != nullptr) menu_->OnChange = nullptr;
    ReleasePeers();
    if (Application != nullptr) {
        if (Application->mainForm_ == this) Application->mainForm_ = nullptr;
        Application->RemoveModal(this);
    }
}

void TForm::SetClientSize(int width, int height) {
    if (width == clientWidth_ && height == clientHeight_) return;
    clientWidth_ = width;
    clientHeight_ = height;
    if (canvas_) canvas_->SetSize(width, height);
    Changed(Change::Geometry);
    Realign();
}

void TForm::SetMenu(TMainMenu* menu) {
    if (menu_ != nullptr) menu_->OnChange = nullptr;
    menu_ = menu;
    if (menu_ != nullptr) menu_->OnChange = [this] { Changed(Change::Menu); };
    Changed(Change::Menu);
}

TCanvas* TForm::Canvas() {
    if (!canvas_) {
        if (Application == nullptr) throw std::logic_error("a canvas needs the application");
        canvas_ = std::make_unique<TCanvas>(Application->GetBackend(),
                                            [this](TRect) { Changed(Change::Canvas); });
        canvas_->SetSize(clientWidth_, clientHeight_);
        canvas_->Font->Assign(EffectiveFont());
    }
    return canvas_.get();
}

void TForm::Show() {
    Visible = true;
    if (!PeersCreated()) CreatePeers();
}

TModalResult TForm::ShowModal() {
    if (Application == nullptr) throw std::logic_error("a modal form needs the application");
    ModalResult = mrNone;
    modal_ = true;
    Application->PushModal(this);
    struct EndModal {
        TForm& form;
        ~EndModal() {
            form.Visible = false;
            Application->RemoveModal(&form);
            form.modal_ = false;
        }
    } endModal{*this};
    Show();
    Application->GetBackend().RunModal(*this);
    return ModalResult;
}

void TForm::Close() {
    if (modal_) {
        ModalResult = mrCancel;
    } else if (Application != nullptr && Application->MainForm() == this) {
        Application->Terminate();
    } else {
        Visible = false;
    }
}

void TForm::PressReturn() {
    if (TButton* button = FindButton(*this, [](const TButton& b) { return b.Default(); })) {
        button->Click();
    }
}

void TForm::PressEscape() {
    if (TButton* button = FindButton(*this, [](const TButton& b) { return b.Cancel(); })) {
        button->Click();
    }
}

void TForm::CloseRequested() {
    // The close box of a window behind a modal form does nothing.
    if (!FormTakesInput(this)) return;
    Close();
}

void TForm::UserResized(int clientWidth, int clientHeight) {
    SetClientSize(clientWidth, clientHeight);
}

}  // namespace vcl
