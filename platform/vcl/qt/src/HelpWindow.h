// The program's own help window: shows a help file, which is HTML in UTF-8.
#pragma once

#include <QTextBrowser>
#include <QWidget>
#include <string>

#include "vcl/Help.h"

namespace vcl::qt {

class HelpWindow : public QWidget {
  public:
    static constexpr const char* kObjectName = "velunkaHelpWindow";
    explicit HelpWindow(const std::string& title);

    // Shows the document from its top, or why it could not be read.
    void Show(const HelpDocument& document);

  private:
    QTextBrowser* browser_;
};

}  // namespace vcl::qt
