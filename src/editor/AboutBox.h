#pragma once
// The about box: the program's emblem, title, version and the libraries it stands on.
#include <QDialog>

class QPushButton;

class AboutBox : public QDialog {
    Q_OBJECT
public:
    // Laid out for a screen of logicalDpi pixels per inch.
    explicit AboutBox(int logicalDpi);

private:
    QPushButton *okButton = nullptr;
};
