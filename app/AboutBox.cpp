#include "app/AboutBox.h"

#include "app/Design.h"
#include "app/MainWindowDesign.h"

namespace {

using namespace velunka;
using enum ComponentKind;

FormDesign AboutBoxDesign() {
    return FormDesign{
        .name = "AboutBox",
        .caption = "Velunkaについて",
        .bounds = {200, 107, 244, 200},
        .clientWidth = 236,
        .clientHeight = 173,
        .color = vcl::clAqua,
        .font = PGothic(12, vcl::clWindowText),
        .components =
            {
                {.kind = Label,
                 .name = "Label1",
                 .bounds = {41, 16, 159, 15},
                 .caption = kProgramCaption,
                 .font = Gothic(15)},
                {.kind = Bevel,
                 .name = "Bevel1",
                 .bounds = {8, 3, 217, 113},
                 .shape = vcl::bsFrame},
                {.kind = BitBtn,
                 .name = "BitBtn1",
                 .bounds = {80, 136, 75, 25},
                 .tabOrder = 0,
                 .bitBtnKind = vcl::bkOK},
            },
    };
}

}  // namespace

TAboutBox::TAboutBox(vcl::TComponent* AOwner) : vcl::TForm(AOwner) {
    LoadDesign(*this, AboutBoxDesign());
    Bind(*this, Label1, "Label1");
    Bind(*this, Bevel1, "Bevel1");
    Bind(*this, BitBtn1, "BitBtn1");
}
