// Everything program code uses of the component layer.
#pragma once

#include "vcl/Classes.h"
#include "vcl/Controls.h"
#include "vcl/ExtCtrls.h"
#include "vcl/Forms.h"
#include "vcl/Graphics.h"
#include "vcl/Menus.h"
#include "vcl/Property.h"
#include "vcl/System.h"
