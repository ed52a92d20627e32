#include <memory>

#include "app/AboutBox.h"
#include "app/VelunkaMain.h"

void TFormMain::MenuHelpHelpClick(vcl::TObject*) {
    vcl::Application->HelpCommand(vcl::HELP_CONTENTS, 0);
}

void TFormMain::MenuHelpAboutClick(vcl::TObject*) {
    auto aboutBox = std::make_unique<TAboutBox>(this);
    aboutBox->ShowModal();
}
