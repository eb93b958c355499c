#pragma once
// The image property dialog: the picture's BORDER, the map's name and the picture's ALT text,
// read from the image line and written back into it and the map start line.
#include <QDialog>

class ClampingSpinBox;
class QLineEdit;
class StoredValueEdit;
class QPushButton;

class TImgPropFrm : public QDialog {
    Q_OBJECT
public:
    explicit TImgPropFrm(bool japanese);

    QLineEdit *ImgFile = nullptr;
    ClampingSpinBox *Border = nullptr;
    StoredValueEdit *MapName = nullptr;
    StoredValueEdit *AltValue = nullptr;
    QPushButton *BitBtn1 = nullptr; // "Set"
    QPushButton *BitBtn2 = nullptr; // "Cancel"
};
