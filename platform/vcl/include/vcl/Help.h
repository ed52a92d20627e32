// A help file as read from disk: the document for the help window, or why it cannot be shown.
#pragma once

#include <string>

namespace vcl {

struct HelpDocument {
    std::string File;
    std::string Content;  // UTF-8 HTML
    std::string Problem;  // empty when the file was read

    bool Readable() const { return Problem.empty(); }
    // What the help window shows in place of a file it could not read.
    std::string ErrorText() const;
};

HelpDocument ReadHelpFile(const std::string& path);

}  // namespace vcl
