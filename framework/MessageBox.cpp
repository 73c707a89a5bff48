#include "MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

#include <cstdio>
#include <utility>

namespace fw {

namespace {

MessageSink& Sink() {
    static MessageSink sink;
    return sink;
}

std::string& Title() {
    static std::string title;
    return title;
}

int FirstButton(unsigned type) {
    switch (type & mb::ButtonMask) {
    case mb::YesNo:
    case mb::YesNoCancel: return mb::IdYes;
    default: return mb::IdOk;
    }
}

int ShowDefault(const MessageRequest& req) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        std::fprintf(stderr, "%s: %s\n", req.caption.c_str(), req.text.c_str());
        return FirstButton(req.type);
    }
    QMessageBox box;
    box.setWindowTitle(QString::fromStdString(req.caption));
    box.setText(QString::fromStdString(req.text));
    switch (req.type & mb::IconMask) {
    case mb::IconStop: box.setIcon(QMessageBox::Critical); break;
    case mb::IconQuestion: box.setIcon(QMessageBox::Question); break;
    case mb::IconExclamation: box.setIcon(QMessageBox::Warning); break;
    case mb::IconInformation: box.setIcon(QMessageBox::Information); break;
    default: break;
    }
    switch (req.type & mb::ButtonMask) {
    case mb::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case mb::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case mb::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    default: box.setStandardButtons(QMessageBox::Ok); break;
    }
    switch (box.exec()) {
    case QMessageBox::Cancel: return mb::IdCancel;
    case QMessageBox::Yes: return mb::IdYes;
    case QMessageBox::No: return mb::IdNo;
    default: return mb::IdOk;
    }
}

} // namespace

MessageSink SetMessageSink(MessageSink sink) { return std::exchange(Sink(), std::move(sink)); }

int MessageBox(const std::string& text, const std::string& caption, unsigned type) {
    MessageRequest req{text, caption, type};
    if (Sink())
        return Sink()(req);
    return ShowDefault(req);
}

int AppMessageBox(const std::string& text, unsigned type) {
    return MessageBox(text, AppTitle(), type);
}

void SetAppTitle(const std::string& title) { Title() = title; }

std::string AppTitle() { return Title(); }

} // namespace fw
