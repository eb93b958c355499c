#pragma once
// Message boxes in the editor's own style: the kind sets icon and Japanese title, and the buttons
// carry Japanese captions in both languages.
#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

enum class MessageKind { Warning, Error, Information, Confirmation };

enum class MessageButton { Yes = 1, No = 2, Ok = 4, Cancel = 8 };
using MessageButtons = int; // an or-ed set of MessageButton values

// Shows a modal message box and returns the button chosen (Cancel when the box is closed otherwise).
MessageButton ShowMessageBox(QWidget *parent, MessageKind kind, const QString &text, MessageButtons buttons);

// The general error report: the failure's text followed by "." under the program's title.
void ShowErrorReport(QWidget *parent, const QString &message);

// Runs one command; whatever escapes it is shown by the general error report. What the command
// changed before the failure stays changed.
void RunGuarded(QWidget *parent, const std::function<void()> &command);

// The text of a caught failure, decoded from the system's 8-bit encoding.
QString FailureText(const std::exception &failure);
