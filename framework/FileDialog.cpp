#include "FileDialog.h"

#include <QFileDialog>
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

namespace fw {

namespace {

FileDialogSink& Sink() {
    static FileDialogSink sink;
    return sink;
}

std::optional<std::string> ShowDefault(const FileDialogRequest& req, QWidget* parent) {
    QFileDialog dialog(parent, QString::fromStdString(req.title));
    dialog.setAcceptMode(req.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(req.open && req.fileMustExist ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
    QString filters = QString::fromStdString(ConvertFilter(req.filter));
    if (!filters.isEmpty())
        dialog.setNameFilters(filters.split(QStringLiteral(";;")));
    std::string ext = req.defaultExt;
    if (!ext.empty() && ext.front() == '.')
        ext.erase(0, 1);
    // A wildcard default extension ("*.tv2") is no suffix to add.
    if (!ext.empty() && ext.find('*') == std::string::npos)
        dialog.setDefaultSuffix(QString::fromStdString(ext));
    // The name box starts with the initial name, a pattern ("*.tv2") too.
    if (!req.fileName.empty())
        dialog.selectFile(QString::fromStdString(req.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

} // namespace

FileDialogSink SetFileDialogSink(FileDialogSink sink) {
    return std::exchange(Sink(), std::move(sink));
}

std::optional<std::string> RunFileDialog(const FileDialogRequest& request, QWidget* parent) {
    if (Sink())
        return Sink()(request);
    return ShowDefault(request, parent);
}

std::string ConvertFilter(const std::string& filter) {
    // "A (*.a)|*.a|B (*.b)|*.b||": the texts already name their patterns, so
    // only the texts are kept; a text without a pattern in brackets gets it.
    std::vector<std::string> parts;
    std::string piece;
    for (char c : filter) {
        if (c == '|') {
            parts.push_back(piece);
            piece.clear();
        } else {
            piece += c;
        }
    }
    if (!piece.empty())
        parts.push_back(piece);
    std::string out;
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].empty())
            break;
        std::string text = parts[i];
        if (text.find('(') == std::string::npos)
            text += " (" + parts[i + 1] + ")";
        else {
            // Qt reads the patterns from the brackets, separated by blanks.
            std::string patterns = parts[i + 1];
            for (char& c : patterns)
                if (c == ';')
                    c = ' ';
            text = text.substr(0, text.find('(')) + "(" + patterns + ")";
        }
        if (!out.empty())
            out += ";;";
        out += text;
    }
    return out;
}

} // namespace fw
