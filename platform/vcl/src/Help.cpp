#include "vcl/Help.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace vcl {

std::string HelpDocument::ErrorText() const {
    return "ヘルプファイルを開けません: " + File + "\n" + Problem;
}

HelpDocument ReadHelpFile(const std::string& path) {
    HelpDocument document;
    document.File = path;
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        document.Problem = "ファイルが見つかりません";
    } else if (std::filesystem::is_directory(path, error)) {
        document.Problem = "ファイルではなくフォルダです";
    } else if (std::ifstream file(path, std::ios::binary); !file) {
        document.Problem = std::string("読み込めません (") + std::strerror(errno) + ")";
    } else {
        std::ostringstream content;
        content << file.rdbuf();
        if (file.bad()) {
            document.Problem = std::string("読み込めません (") + std::strerror(errno) + ")";
        } else {
            document.Content = content.str();
        }
    }
    return document;
}

}  // namespace vcl
