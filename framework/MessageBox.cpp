#include "MessageBox.h"

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
    case mb::YesNoCancel:
        return mb::IdYes;
    default:
        return mb::IdOk;
    }
}

MessageSink& DefaultShower() {
    static MessageSink shower;
    return shower;
}

// Without a windowing layer a message goes to stderr, answered with the
// first button, so that tools and model tests never block.
int ShowDefault(const MessageRequest& req) {
    if (DefaultShower())
        return DefaultShower()(req);
    std::fprintf(stderr, "%s: %s\n", req.caption.c_str(), req.text.c_str());
    return FirstButton(req.type);
}

} // namespace

void SetDefaultMessageShower(MessageSink shower) {
    DefaultShower() = std::move(shower);
}

int FirstMessageButton(unsigned type) {
    return FirstButton(type);
}

MessageSink SetMessageSink(MessageSink sink) {
    return std::exchange(Sink(), std::move(sink));
}

int MessageBox(const std::string& text, const std::string& caption, unsigned type) {
    MessageRequest req{text, caption, type};
    if (Sink())
        return Sink()(req);
    return ShowDefault(req);
}

int AppMessageBox(const std::string& text, unsigned type) {
    return MessageBox(text, AppTitle(), type);
}

void SetAppTitle(const std::string& title) {
    Title() = title;
}

std::string AppTitle() {
    return Title();
}

} // namespace fw
