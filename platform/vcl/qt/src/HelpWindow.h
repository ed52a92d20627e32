// The program's own help window: shows a help file, which is HTML in UTF-8.
#pragma once

#include <QTextBrowser>
#include <QWidget>
#include <string>

namespace vcl::qt {

class HelpWindow : public QWidget {
  public:
    static constexpr const char* kObjectName = "velunkaHelpWindow";
    explicit HelpWindow(const std::string& title);

    // Shows the file from its top; when it cannot be read, the window says why and this
    // returns false.
    bool ShowFile(const std::string& path);

  private:
    QTextBrowser* browser_;
};

}  // namespace vcl::qt
