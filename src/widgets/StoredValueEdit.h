#pragma once
// A line edit showing an attribute value read from a map line. While its text is still the
// text shown, it gives back the value's very bytes, so a value the user did not change is
// never re-encoded: Shift-JIS, bytes that do not decode and the user's own entities all stay.
// A changed text is stored in the map's encoding by the attribute rule.
#include <QLineEdit>

#include <string>

#include "desktop/TextCodec.h"

class StoredValueEdit : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

    // Shows stored (empty for a new value), held in codec's encoding.
    void ShowStored(const std::string &stored, const TextCodec &codec);
    // Takes over other's text, value and encoding, as when one dialog hands over to another.
    void TakeOver(const StoredValueEdit &other);
    // The bytes that go between the attribute's quotes.
    std::string Stored() const;

private:
    TextCodec codec_;
    std::string stored_;
    // What the field showed for stored_; the field may have shortened it (its length limit).
    QString shown_;
};
