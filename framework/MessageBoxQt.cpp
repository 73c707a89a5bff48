// The modal message box of the windowing layer. Loading this library makes it
// the default shower of every message, in place of the line on stderr.
#include "MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

#include <cstdio>

namespace fw {

namespace {

int ShowQt(const MessageRequest& req) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        std::fprintf(stderr, "%s: %s\n", req.caption.c_str(), req.text.c_str());
        return FirstMessageButton(req.type);
    }
    QMessageBox box;
    box.setWindowTitle(QString::fromStdString(req.caption));
    box.setText(QString::fromStdString(req.text));
    switch (req.type & mb::IconMask) {
    case mb::IconStop:
        box.setIcon(QMessageBox::Critical);
        break;
    case mb::IconQuestion:
        box.setIcon(QMessageBox::Question);
        break;
    case mb::IconExclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case mb::IconInformation:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        break;
    }
    switch (req.type & mb::ButtonMask) {
    case mb::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case mb::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case mb::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Cancel:
        return mb::IdCancel;
    case QMessageBox::Yes:
        return mb::IdYes;
    case QMessageBox::No:
        return mb::IdNo;
    default:
        return mb::IdOk;
    }
}

const bool installed = (SetDefaultMessageShower(&ShowQt), true);

} // namespace

} // namespace fw
