#pragma once
#include <QByteArray>

// A run-length coded BMP may end its pixel stream with the end-of-bitmap code before
// the last row: the pixels it never reaches stay background, like those skipped by
// end-of-line and delta codes. GraphicsMagick refuses such a stream, so the early end
// is rewritten as one end-of-line code per row left before it is decoded.
class RunLengthBmp
{
public:
    // The file with an early end-of-bitmap completed; the file unchanged when its
    // stream ends after the last row, is malformed, or has more than maxRows rows.
    static QByteArray WithRowsCompleted(const QByteArray &bmp, int maxRows);
};
