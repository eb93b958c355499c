// The cover over windowed and windowless controls, and the not-xor outline.
#include "FrameTestForm.h"

#include <QApplication>
#include <QFocusEvent>
#include <QImage>
#include <QPainter>

namespace {

// A windowed control that counts the focus changes it is told about.
class FocusCountingEdit : public QWidget {
public:
    using QWidget::QWidget;
    int focusEvents = 0;

protected:
    void focusInEvent(QFocusEvent *) override { ++focusEvents; }
    void focusOutEvent(QFocusEvent *) override { ++focusEvents; }
};

TEST_F(FrameTest, AWindowlessControlIsCoveredByASiblingAbove)
{
    frame->AttachControl(shapeA);
    CoverControl *cover = frame->Covers()[0];
    EXPECT_EQ(cover->parentWidget(), form.get());
    EXPECT_EQ(cover->geometry(), shapeA->geometry());
    EXPECT_EQ(form->childAt(30, 30), cover);
    EXPECT_EQ(cover->AttachedParent(), form.get());
}

TEST_F(FrameTest, AWindowedControlIsEnabledAndSilencedWhileCovered)
{
    auto *edit = new FocusCountingEdit(form.get());
    edit->setGeometry(300, 100, 60, 20);
    edit->setFocusPolicy(Qt::StrongFocus);
    edit->setEnabled(false);
    edit->show();
    frame->AttachControl(edit);
    CoverControl *cover = frame->Covers()[0];
    EXPECT_EQ(cover->parentWidget(), edit);
    EXPECT_EQ(cover->geometry(), QRect(0, 0, 60, 20));
    EXPECT_TRUE(edit->isEnabled());

    // A press takes the focus through the control to the key catcher.
    click(at(edit, {5, 5}));
    EXPECT_EQ(frame->GetSelectedControls(), QList<QWidget *>{edit});
    EXPECT_TRUE(qobject_cast<KeyCatcher *>(QApplication::focusWidget()));
    edit->setFocus();
    EXPECT_EQ(edit->focusEvents, 0);

    frame->DetachAll();
    EXPECT_FALSE(edit->isEnabled());
    edit->setEnabled(true);
    form->setFocus();
    edit->setFocus();
    EXPECT_GE(edit->focusEvents, 1);
}

TEST_F(FrameTest, DestroyingACoveredWindowedControlIsSafe)
{
    frame->AttachControl(button);
    delete button;
    EXPECT_TRUE(frame->Covers().isEmpty());
    frame->DetachAll();
}

TEST_F(FrameTest, AControlWithoutAParentIsNotAttached)
{
    Shape loose;
    loose.setGeometry(10, 10, 20, 20);
    frame->AttachControl(&loose);
    EXPECT_TRUE(frame->Covers().isEmpty());
}

TEST_F(FrameTest, SeveralSelectedCoversMarkTheirCorners)
{
    frame->SetHandleColor(Qt::red);
    AttachFormControls();
    frame->SelectControls({shapeA, shapeB});
    const QImage image = form->grab().toImage();
    const QRgb red = qRgb(255, 0, 0);
    EXPECT_EQ(image.pixel(20, 20), red);
    EXPECT_EQ(image.pixel(69, 69), red);
    EXPECT_EQ(image.pixel(20 + 4, 69 - 4), red);
    EXPECT_NE(image.pixel(20 + 5, 20 + 5), red);
    EXPECT_EQ(image.pixel(139, 20), red);
}

// A picture with a different value in every pixel, so no change goes unseen.
QImage Gradient(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 4 % 256, y * 4 % 256, (x + y) % 256));
    }
    return image;
}

int ChangedPixelsInColumn(const QImage &a, const QImage &b, int x, int fromY = 0, int toY = -1)
{
    int changed = 0;
    for (int y = fromY; y < (toY < 0 ? a.height() : toY); ++y)
        changed += a.pixel(x, y) != b.pixel(x, y);
    return changed;
}

bool SamePixels(const QImage &a, const QImage &b)
{
    return a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

void Draw(QImage &image, const EdgeRect &outline, const OutlinePen &pen, const QRect &clip = QRect())
{
    QPainter painter(&image);
    if (clip.isValid())
        painter.setClipRect(clip);
    OutlineOverlay::PaintNotXor(painter, outline, pen);
}

TEST(NotXorOutline, DrawingTwiceRestoresEveryPixel)
{
    const QImage original = Gradient(60, 50);
    for (const OutlinePen &pen : {OutlinePen{QColor(192, 192, 192), Qt::SolidLine, 2},
                                  OutlinePen{Qt::blue, Qt::SolidLine, 5}, OutlinePen{Qt::black, Qt::DashDotLine, 3}}) {
        QImage image = original;
        Draw(image, {5, 6, 40, 30}, pen);
        EXPECT_NE(image, original);
        Draw(image, {5, 6, 40, 30}, pen);
        EXPECT_EQ(image, original);
    }
}

TEST(NotXorOutline, EachPixelBecomesTheInverseOfPenXorGround)
{
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(qRgb(0x10, 0x80, 0xF0));
    Draw(image, {2, 2, 12, 12}, {QColor(192, 192, 192), Qt::SolidLine, 1});
    EXPECT_EQ(image.pixel(2, 7), qRgb(~(0x10 ^ 192) & 0xFF, ~(0x80 ^ 192) & 0xFF, ~(0xF0 ^ 192) & 0xFF));
    EXPECT_EQ(image.pixel(7, 7), qRgb(0x10, 0x80, 0xF0));
}

TEST(NotXorOutline, AStyledOutlineIsOnePixelWideButInsetByHalfTheLineWidth)
{
    const QImage original = Gradient(60, 60);
    QImage image = original;
    Draw(image, {10, 10, 40, 40}, {Qt::black, Qt::DotLine, 4});
    // Between the top and bottom sides, only the columns of the path at 12 and 38 change.
    for (int x = 0; x < 60; ++x) {
        const bool onPath = x == 12 || x == 38;
        EXPECT_EQ(ChangedPixelsInColumn(original, image, x, 14, 37) > 0, onPath) << "column " << x;
    }
}

TEST(NotXorOutline, ASolidOutlineWithWidthTwoCoversTheRectanglesBorder)
{
    const QImage original = Gradient(60, 60);
    QImage image = original;
    Draw(image, {10, 10, 40, 40}, {Qt::black, Qt::SolidLine, 2});
    // The path runs at 11 and 39; a 2-pixel pen covers 10..11 and 38..39.
    EXPECT_EQ(ChangedPixelsInColumn(original, image, 9), 0);
    EXPECT_EQ(ChangedPixelsInColumn(original, image, 10), 30);
    EXPECT_EQ(ChangedPixelsInColumn(original, image, 39), 30);
    EXPECT_EQ(ChangedPixelsInColumn(original, image, 40), 0);
}

TEST(NotXorOutline, TheClipStopsTheOutlineAtTheEdge)
{
    const QImage original = Gradient(80, 60);
    QImage image = original;
    const QRect clip(0, 0, 50, 60);
    Draw(image, {20, 10, 70, 40}, {Qt::black, Qt::SolidLine, 2}, clip);
    for (int x = 50; x < 80; ++x)
        EXPECT_EQ(ChangedPixelsInColumn(original, image, x), 0) << "column " << x;
    EXPECT_GT(ChangedPixelsInColumn(original, image, 49), 0);
}

// A parent that paints a gradient, as a picture would.
class PictureWidget : public QWidget {
public:
    explicit PictureWidget(QWidget *parent) : QWidget(parent), picture_(Gradient(200, 100)) {}

protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).drawImage(0, 0, picture_); }

private:
    QImage picture_;
};

TEST_F(FrameTest, TheOverlayShowsTheOutlineOverTheParentAndIsClippedToIt)
{
    auto *picture = new PictureWidget(form.get());
    picture->setGeometry(100, 150, 200, 100);
    auto *shape = new Shape(picture);
    shape->setGeometry(150, 40, 40, 40);
    picture->show();
    frame->AttachControl(shape);
    click(at(shape, {5, 5}));
    const QImage before = form->grab().toImage();

    press(at(shape, {5, 5}));
    move(at(shape, {25, 5}));
    // The outline now runs from x = 170 to 210 in the picture, past its edge at 200.
    const QImage during = form->grab().toImage();
    const QImage pictureBefore = before.copy(QRect(100, 150, 200, 100));
    const QImage pictureDuring = during.copy(QRect(100, 150, 200, 100));
    EXPECT_GT(ChangedPixelsInColumn(pictureBefore, pictureDuring, 170), 30);
    EXPECT_TRUE(SamePixels(before.copy(300, 0, 100, 300), during.copy(300, 0, 100, 300)));

    move(at(shape, {5, 5}));
    release(at(shape, {5, 5}));
    EXPECT_TRUE(SamePixels(form->grab().toImage(), before));
}

TEST_F(FrameTest, AnOutlineStepRepaintsOnlyTheOutlinesBands)
{
    class RecordingPicture : public PictureWidget {
    public:
        using PictureWidget::PictureWidget;
        QRegion painted;

    protected:
        void paintEvent(QPaintEvent *event) override
        {
            painted += event->region();
            PictureWidget::paintEvent(event);
        }
    };
    auto *picture = new RecordingPicture(form.get());
    picture->setGeometry(100, 150, 200, 100);
    auto *shape = new Shape(picture);
    shape->setGeometry(20, 20, 40, 40);
    picture->show();
    frame->AttachControl(shape);
    press(at(shape, {5, 5}));
    QCoreApplication::processEvents();
    picture->painted = QRegion();

    move(at(shape, {15, 8}));
    QCoreApplication::processEvents();
    const OutlinePen pen{frame->LineColor(), Qt::SolidLine, frame->LineWidth()};
    const QRegion bands = OutlineOverlay::Band({20, 20, 60, 60}, pen) + OutlineOverlay::Band({30, 23, 70, 63}, pen);
    EXPECT_FALSE(picture->painted.isEmpty());
    EXPECT_EQ(picture->painted.subtracted(bands), QRegion());
    EXPECT_FALSE(picture->painted.contains(QPoint(45, 40)));
    release(at(shape, {15, 8}));
}

} // namespace
