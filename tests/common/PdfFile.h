#pragma once

// What the printing tests read of a PDF a print job wrote, through the
// poppler tools: its page count and its text.

#include <QProcess>
#include <QString>
#include <QStringList>

#include <string>

namespace tvtest {

// The page count as pdfinfo reads it: -1 when the file cannot be read (a
// job that never ended leaves no readable file).
inline int PdfPages(const std::string& path) {
    QProcess p;
    p.start("pdfinfo", {QString::fromStdString(path)});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return -1;
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split('\n')) {
        if (line.startsWith("Pages:"))
            return line.mid(6).trimmed().toInt();
    }
    return -1;
}

// The text of pages first to last (last 0: to the end) in its layout.
inline std::string PdfText(const std::string& path, int first = 1, int last = 0) {
    QStringList args{"-layout", "-f", QString::number(first)};
    if (last > 0)
        args << "-l" << QString::number(last);
    args << QString::fromStdString(path) << "-";
    QProcess p;
    p.start("pdftotext", args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput()).toStdString();
}

} // namespace tvtest
