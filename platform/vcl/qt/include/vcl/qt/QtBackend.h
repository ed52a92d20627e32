// The backend that shows real windows with Qt 6 Widgets.
#pragma once

#include <memory>
#include <string>

#include "vcl/Backend.h"

namespace vcl::qt {

// The backend, or nullptr with a one-line reason in `error` when no display can be opened
// (so that the program can say so instead of aborting).
std::unique_ptr<Backend> CreateBackend(int& argc, char** argv, std::string& error);

// Renders a form's window (menu bar included) to a PNG file; works offscreen too.
bool SaveScreenshot(TForm& form, const std::string& path);
// Renders the help window, if one is open, to a PNG file.
bool SaveHelpWindowScreenshot(const std::string& path);

}  // namespace vcl::qt
