#pragma once

#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace fw {

// What a file dialog is asked: open or save, the default extension, the
// initial file name and the filter in the platform's "text|pattern|...||" form.
struct FileDialogRequest {
    bool open = true;
    std::string defaultExt;
    std::string fileName;
    std::string filter;
    bool fileMustExist = false;
    std::string title;
};

// Whatever shows a file dialog: the chosen path, or nothing on cancel. Tests
// replace it to choose a file without a window.
using FileDialogSink = std::function<std::optional<std::string>(const FileDialogRequest&)>;

// Installs a sink and returns the one it replaces; an empty sink restores the
// default dialog.
FileDialogSink SetFileDialogSink(FileDialogSink sink);

// Shows the dialog (or asks the sink). parent may be null.
std::optional<std::string> RunFileDialog(const FileDialogRequest& request,
                                         QWidget* parent = nullptr);

// Turns a "text|pattern|text|pattern||" filter into Qt's ";;"-separated form.
std::string ConvertFilter(const std::string& filter);

} // namespace fw
