#pragma once
// What the area dialogs share: the link, ALT, title and target fields with the link chooser, the Set and Cancel
// buttons (and for a rectangle or circle the switch to the other kind), and the way a dialog
// takes the place of the window it stands in for. Each dialog adds its coordinate fields and the
// AREA line they make. The fields show the area under edit and typing changes it; the map hears
// of a dialog only through its signals.
#include <QDialog>

#include <initializer_list>
#include <string>

#include "core/AreaGeometry.h"
#include "core/MapLines.h"
#include "desktop/TextCodec.h"
#include "editor/EditedArea.h"
#include "widgets/StoredValueEdit.h"

class MapDocument;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class ViewWindow;

class AreaDialog : public QDialog {
    Q_OBJECT
public:
    // The link chooser's filter, in the chooser's "Name|patterns|..." form.
    static constexpr const char *kLinkFilter =
        "HTML (*.HTM,*.HTML)|*.HTM*;.HTML|Picture (*.GIF,*.JPG)|*.GIF;*JPG|"
        "Sound (*.WAV,*.AU,*.AIFF)|*.WAV;*.AU;*.AIFF|All Files (*.*)|*.*";

    // Set: when the values make an area, closes the dialog and reports the AREA line; false when
    // the dialog told the user why the values make no area, and stays.
    bool Set();
    // Hands the link, ALT, title and target values over to other, and shows it in this dialog's place.
    void SwitchTo(AreaDialog &other);
    // Cancel: lets the shape go and reports that nothing is to be set.
    void Cancel();
    // Browse: picks the link target and writes it relative to the picture's folder.
    void BrowseForLink();

    // Shows the HREF, ALT, TITLE and TARGET values read from a line (empty for a new area); codec
    // is the map's encoding and style, in which the line this dialog makes is written.
    void ShowAreaTexts(const vemo::AreaTexts &texts, const TextCodec &codec);
    // Writes the area under edit into the coordinate fields, as numbers.
    virtual void ShowRegion() {}
    // Shows or takes away the note that the typed region reaches outside the picture, which is
    // allowed: the user may mean it.
    void ShowOutsideNote(bool outside, int pictureWidth, int pictureHeight);
    // Where the dialog stands, frame included, once shown: at the window it stands in for.
    QRect PlaceWhenShown() const;

signals:
    // The dialog was set and closed: line is the AREA line its fields make.
    void AreaSet(const std::string &line);
    // The dialog was cancelled and closed.
    void Cancelled();
    // The switch button asks for the region as the other kind of area, in the other dialog.
    void KindSwitchRequested();

protected:
    // standIn is the window this dialog takes the place of while it is shown. Without a switch
    // caption the dialog has no switch button.
    AreaDialog(EditedArea &area, ViewWindow &view, MapDocument &document, QWidget &standIn, const QString &caption,
               const QString &switchCaption);

    // A coordinate field at x in a group, found by name; typing into it moves the shape.
    QLineEdit *NewCoordinateField(QGroupBox *group, const char *label, int x, const char *name);
    // Typing into field moves the shape.
    void FollowTyping(QLineEdit *field);
    // The AREA line the fields make, in the map's style: the link, ALT, title and target values
    // as read while unchanged, every typed text by the attribute rule.
    virtual std::string AreaLine() const = 0;
    // The link, ALT, title and target values as they go into the line.
    vemo::AreaTexts Texts() const;
    // Whether the typed values make an area; when not, the dialog has told the user why (or raises
    // the error that the command reports) and stays.
    virtual bool ReadyToSet() { return true; }
    // A coordinate field's text as it goes into the line.
    std::string CoordinateValue(const QLineEdit *field) const;
    // Raises the number reader's ConvertError for the first field that holds no whole number,
    // with the focus put on that field.
    void RequireWholeNumbers(std::initializer_list<QLineEdit *> fields);
    // Changes the area under edit to the typed coordinates.
    virtual void TakeTypedRegion() {}
    void setVisible(bool visible) override;
    void hideEvent(QHideEvent *event) override;
    void reject() override;

    EditedArea &area_;
    MapDocument &document_;

private:
    void Guarded(void (AreaDialog::*handler)());
    void FollowTypedCoordinates();

    StoredValueEdit *linkField = nullptr;
    StoredValueEdit *altField = nullptr;
    StoredValueEdit *titleField = nullptr;
    QComboBox *targetField = nullptr; // the usual window names to choose from, or any frame's name typed
    // The target value the field was filled from, and the text it showed for it.
    std::string storedTarget_;
    QString shownTarget_;
    QPushButton *browseButton = nullptr;
    QPushButton *setButton = nullptr;
    QPushButton *cancelButton = nullptr;
    QPushButton *switchButton = nullptr; // switch to the other kind of area; none where there is no other
    ViewWindow &view_;
    QWidget &standIn_;
    QLabel *outsideNote_ = nullptr;
    // The map's encoding, for the coordinates.
    TextCodec codec_;
};
