// How input and timer events reach the program's handlers.
#pragma once

#include <functional>

namespace vcl {

class TForm;

// Through the application's dispatcher, or directly while there is no application.
void DispatchEvent(const std::function<void()>& handler);
// No modal form is open, or the form is the topmost one.
bool FormTakesInput(const TForm* form);

}  // namespace vcl
