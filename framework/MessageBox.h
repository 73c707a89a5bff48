#pragma once

#include <functional>
#include <string>

namespace fw {

// Button sets, icons and answers of a message box, numbered as the stored
// settings and the callers of the original program expect them.
namespace mb {
constexpr unsigned Ok = 0x00;
constexpr unsigned OkCancel = 0x01;
constexpr unsigned YesNoCancel = 0x03;
constexpr unsigned YesNo = 0x04;
constexpr unsigned IconStop = 0x10;
constexpr unsigned IconQuestion = 0x20;
constexpr unsigned IconExclamation = 0x30;
constexpr unsigned IconInformation = 0x40;
constexpr unsigned ButtonMask = 0x0F;
constexpr unsigned IconMask = 0xF0;

constexpr int IdOk = 1;
constexpr int IdCancel = 2;
constexpr int IdYes = 6;
constexpr int IdNo = 7;
} // namespace mb

struct MessageRequest {
    std::string text;
    std::string caption;
    unsigned type = mb::Ok;
};

// Whatever shows a message and returns the answer. Tests replace it to read
// and answer what would have been shown.
using MessageSink = std::function<int(const MessageRequest&)>;

// Installs a sink and returns the one it replaces. An empty sink restores the
// default: a modal box when a widget application runs, else a line on stderr
// answered with the first button.
MessageSink SetMessageSink(MessageSink sink);

// The shower used when no sink is installed; the widgets layer sets a modal
// box here when it loads. An empty shower writes to stderr.
void SetDefaultMessageShower(MessageSink shower);

// The answer of a box that nobody can see: its first button.
int FirstMessageButton(unsigned type);

// Shows a message with a caption; returns the button pressed (mb::Id...).
int MessageBox(const std::string& text, const std::string& caption, unsigned type);

// The application's message box: the application title as caption.
int AppMessageBox(const std::string& text, unsigned type = mb::Ok);

// The application title used as the caption of AppMessageBox.
void SetAppTitle(const std::string& title);
std::string AppTitle();

} // namespace fw
