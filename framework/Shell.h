#pragma once

#include <functional>
#include <string>
#include <system_error>
#include <vector>

namespace fw {

// What the shell is asked to do: start a program detached, with its
// arguments and working folder, or open a file with the desktop's viewer.
struct ShellRequest {
    enum Kind { startProgram, openFile };
    Kind kind = startProgram;
    std::string path;
    std::vector<std::string> arguments;
    std::string workingFolder;
};

// Whatever carries a request out; an empty error code means it was done.
// Tests replace it to see what would have been started.
using ShellSink = std::function<std::error_code(const ShellRequest&)>;

// Installs a sink and returns the one it replaces; an empty sink restores
// the default (a detached process, the desktop's default viewer).
ShellSink SetShellSink(ShellSink sink);

// Starts a program as a process of its own. A program that does not exist or
// cannot run gives an error code.
std::error_code ShellStartProgram(const std::string& path,
                                  const std::vector<std::string>& arguments,
                                  const std::string& workingFolder);

// Opens a file with the desktop's default application. A missing file gives
// no_such_file_or_directory; a file nobody opens gives operation_not_supported.
std::error_code ShellOpenFile(const std::string& path);

} // namespace fw
