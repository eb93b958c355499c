#pragma once
// The image property dialog: the picture's BORDER, the map's name and the picture's ALT text,
// read from the image line and written back into it and the map start line.
#include <QDialog>

class ClampingSpinBox;
class QLineEdit;
class StoredValueEdit;
class QPushButton;

class ImagePropertiesDialog : public QDialog {
    Q_OBJECT
public:
    ImagePropertiesDialog();

    QLineEdit *pictureField = nullptr;
    ClampingSpinBox *borderField = nullptr;
    StoredValueEdit *mapNameField = nullptr;
    StoredValueEdit *pictureAltField = nullptr;
    QPushButton *setButton = nullptr;
    QPushButton *cancelButton = nullptr;
};
