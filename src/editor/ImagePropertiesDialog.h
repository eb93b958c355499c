#pragma once
// The image property dialog: the picture's BORDER, the map's name and the picture's ALT text,
// read from the image line and written back into it and the map start line.
#include <QDialog>

#include <string>

#include "core/MapLines.h"
#include "desktop/TextCodec.h"

class ClampingSpinBox;
class QLineEdit;
class StoredValueEdit;
class QPushButton;

class ImagePropertiesDialog : public QDialog {
    Q_OBJECT
public:
    ImagePropertiesDialog();

    // Shows the picture's path and the values read from its image line; codec is the map's
    // encoding, in which the values were read and go back.
    void ShowProperties(const QString &picturePath, const vemo::ImageLineValues &values, const TextCodec &codec);
    // The border as a number, and as its field shows it.
    int Border() const;
    QString BorderText() const;
    // The map name and the ALT text as they go into the lines: as read while unchanged.
    std::string MapNameValue() const;
    std::string AltValue() const;
    // The map name as the field shows it.
    QString MapNameText() const;

private:
    QLineEdit *pictureField = nullptr;
    ClampingSpinBox *borderField = nullptr;
    StoredValueEdit *mapNameField = nullptr;
    StoredValueEdit *pictureAltField = nullptr;
    QPushButton *setButton = nullptr;
    QPushButton *cancelButton = nullptr;
};
