#pragma once

#include "vcl/Vcl.h"

// Runs the program on an application made with its backend; returns the exit status.
int VelunkaEntry(vcl::TApplication& application);
