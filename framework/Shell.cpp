#include "Shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <utility>

namespace fw {

namespace {

ShellSink& Sink() {
    static ShellSink sink;
    return sink;
}

std::error_code RunDefault(const ShellRequest& req) {
    QString path = QString::fromStdString(req.path);
    QFileInfo info(path);
    if (!info.exists())
        return std::make_error_code(std::errc::no_such_file_or_directory);
    if (req.kind == ShellRequest::openFile) {
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath())))
            return std::make_error_code(std::errc::operation_not_supported);
        return {};
    }
    if (!info.isExecutable())
        return std::make_error_code(std::errc::permission_denied);
    QStringList args;
    for (const std::string& a : req.arguments)
        args << QString::fromStdString(a);
    if (!QProcess::startDetached(path, args, QString::fromStdString(req.workingFolder)))
        return std::make_error_code(std::errc::no_such_process);
    return {};
}

std::error_code Run(const ShellRequest& req) {
    if (Sink())
        return Sink()(req);
    return RunDefault(req);
}

} // namespace

ShellSink SetShellSink(ShellSink sink) {
    return std::exchange(Sink(), std::move(sink));
}

std::error_code ShellStartProgram(const std::string& path,
                                  const std::vector<std::string>& arguments,
                                  const std::string& workingFolder) {
    return Run({ShellRequest::startProgram, path, arguments, workingFolder});
}

std::error_code ShellOpenFile(const std::string& path) {
    return Run({ShellRequest::openFile, path, {}, {}});
}

} // namespace fw
