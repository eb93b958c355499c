#pragma once
#include <QByteArray>

// Tells whether a GIF or JPEG stream ends before its picture data does. Qt decodes such
// files "as far as they go" and fills the rest, which would hand the user half a picture
// as if it were whole. Each check walks the format's block structure only; bytes that
// are not of its format, or trailing data after a complete picture, are no concern of it.
class TruncationCheck
{
public:
    // A GIF whose file ends inside a block. Ending at a block boundary without the
    // trailer byte counts as complete: some writers leave the trailer out.
    static bool GifEndsEarly(const QByteArray &bytes);

    // A JPEG whose file ends before its end-of-image marker.
    static bool JpegEndsEarly(const QByteArray &bytes);
};
