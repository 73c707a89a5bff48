#include "ProgramFolder.h"

#include <QCoreApplication>

#include <clocale>
#include <filesystem>
#include <system_error>

namespace fw {

std::string GetProgramFolder() {
    std::string path;
    if (QCoreApplication::instance()) {
        path = QCoreApplication::applicationDirPath().toStdString();
    } else {
        std::error_code ec;
        auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
        if (!ec)
            path = exe.parent_path().string();
    }
    if (path.empty() || path.back() != '/')
        path += '/';
    return path;
}

void ForceCLocale() {
    std::setlocale(LC_NUMERIC, "C");
}

} // namespace fw
