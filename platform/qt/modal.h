#pragma once

#include <functional>

class QDialog;

// Every modal step of the user interface (message boxes, question boxes,
// file and other dialogs) runs through one runner, so GUI tests can answer
// it. The default runner is QDialog::exec().
using ModalLaeufer = std::function<int(QDialog&)>;

// An empty runner restores exec(). Answers the runner it replaced.
ModalLaeufer SetModalLaeufer(ModalLaeufer laeufer);
int ModalAusfuehren(QDialog& dialog);
