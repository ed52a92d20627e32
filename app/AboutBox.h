#pragma once

#include "vcl/Vcl.h"

class TAboutBox : public vcl::TForm {
  public:
    explicit TAboutBox(vcl::TComponent* AOwner);

    vcl::TLabel* Label1 = nullptr;
    vcl::TBevel* Bevel1 = nullptr;
    vcl::TBitBtn* BitBtn1 = nullptr;
};
