// The panel button on a real form: its looks, its press and release rules and its accelerator.
#include "widgets/ButtonGlyph.h"
#include "widgets/GlyphCache.h"
#include "widgets/GlyphList.h"
#include "widgets/PanelButton.h"

#include "QtPrinters.h"

#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

const QColor kOlive(128, 128, 0);
const QColor kFace(200, 200, 200), kLight(250, 250, 250), kShadow(100, 100, 100);

// Image 0 all red, image 1 white above grey; olive in the bottom-left corner of each.
QImage TwoImageStrip()
{
    QImage strip(32, 16, QImage::Format_RGB32);
    strip.fill(Qt::red);
    for (int y = 0; y < 16; ++y)
        for (int x = 16; x < 32; ++x)
            strip.setPixelColor(x, y, y < 8 ? QColor(Qt::white) : QColor(128, 128, 128));
    strip.setPixelColor(0, 15, kOlive);
    strip.setPixelColor(16, 15, kOlive);
    return strip;
}

class PanelButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<QWidget>();
        form->setGeometry(50, 50, 200, 150);
        QPalette colours = form->palette();
        colours.setColor(QPalette::Button, kFace);
        colours.setColor(QPalette::Light, kLight);
        colours.setColor(QPalette::Dark, kShadow);
        colours.setColor(QPalette::ButtonText, Qt::black);
        form->setPalette(colours);
        button = new PanelButton(form.get());
        button->setGeometry(20, 20, 53, 46);
        button->SetCaption("Go");
        button->SetLayout(GlyphOnTop);
        button->SetGlyph(TwoImageStrip());
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        // Start with the pointer away from the button.
        QTest::mouseMove(window(), {190, 140});
    }

    QWindow *window() const { return form->windowHandle(); }
    QPoint on(QPoint local) const { return button->mapTo(form.get(), local); }

    // The top-left corner of the red of image 0 in img; (-1, -1) when there is none.
    static QPoint RedCorner(const QImage &img)
    {
        for (int i = 0; i < img.width() * img.height(); ++i)
            if (img.pixelColor(i % img.width(), i / img.width()) == QColor(Qt::red))
                return {i % img.width(), i / img.width()};
        return {-1, -1};
    }

    std::unique_ptr<QWidget> form;
    PanelButton *button = nullptr;
};

TEST_F(PanelButtonTest, PressAndReleaseFollowThePointer)
{
    enum Action { Press, RightPress, Move, Release, RightRelease };
    struct Step {
        Action action;
        QPoint at; // in the button's coordinates
        ButtonState state;
    };
    struct Row {
        const char *name;
        bool enabled;
        std::vector<Step> steps;
        int clicks;
    };
    const QPoint in(26, 23), off(26, 100), below(26, 46);
    const Row rows[] = {
        {"click", true, {{Move, in, ButtonRaised}, {Press, in, ButtonPressed}, {Release, in, ButtonRaised}}, 1},
        {"drag off", true, {{Move, in, ButtonRaised}, {Press, in, ButtonPressed}, {Move, off, ButtonFlat}, {Release, off, ButtonFlat}}, 0},
        {"drag off and back", true,
         {{Move, in, ButtonRaised}, {Press, in, ButtonPressed}, {Move, off, ButtonFlat}, {Move, in, ButtonPressed}, {Release, in, ButtonRaised}}, 1},
        {"release on the row below", true,
         {{Move, in, ButtonRaised}, {Press, in, ButtonPressed}, {Move, below, ButtonFlat}, {Release, below, ButtonFlat}}, 0},
        {"right button", true, {{Move, in, ButtonRaised}, {RightPress, in, ButtonRaised}, {RightRelease, in, ButtonRaised}}, 0},
        {"disabled", false, {{Move, in, ButtonDisabled}, {Press, in, ButtonDisabled}, {Release, in, ButtonDisabled}}, 0},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        button->setEnabled(row.enabled);
        QTest::mouseMove(window(), {190, 140});
        button->grab(); // a paint settles the disabled look
        QSignalSpy clicks(button, &PanelButton::Clicked);
        for (const Step &step : row.steps) {
            const QPoint at = on(step.at);
            switch (step.action) {
            case Press: QTest::mousePress(window(), Qt::LeftButton, {}, at); break;
            case RightPress: QTest::mousePress(window(), Qt::RightButton, {}, at); break;
            case Move: QTest::mouseMove(window(), at); break;
            case Release: QTest::mouseRelease(window(), Qt::LeftButton, {}, at); break;
            case RightRelease: QTest::mouseRelease(window(), Qt::RightButton, {}, at); break;
            }
            EXPECT_EQ(button->State(), step.state) << "after step " << &step - row.steps.data();
        }
        EXPECT_EQ(clicks.count(), row.clicks);
    }
}

TEST_F(PanelButtonTest, EachLookIsPainted)
{
    // Flat: no border, image 0 with its olive see-through.
    const QImage flat = button->grab().toImage();
    const QPoint glyph = RedCorner(flat);
    EXPECT_EQ(glyph.x(), 19);
    EXPECT_EQ(flat.pixelColor(0, 0), kFace);
    EXPECT_EQ(flat.pixelColor(52, 45), kFace);
    EXPECT_EQ(flat.pixelColor(glyph + QPoint(0, 15)), kFace);

    // Raised under the pointer: light above and left, shadow below and right.
    QTest::mouseMove(window(), on({26, 23}));
    const QImage raised = button->grab().toImage();
    EXPECT_EQ(raised.pixelColor(0, 0), kLight);
    EXPECT_EQ(raised.pixelColor(52, 45), kShadow);
    EXPECT_EQ(RedCorner(raised), glyph);

    // Sunken while held: the border turned round and the content one pixel down and right.
    QTest::mousePress(window(), Qt::LeftButton, {}, on({26, 23}));
    const QImage sunken = button->grab().toImage();
    EXPECT_EQ(sunken.pixelColor(0, 0), kShadow);
    EXPECT_EQ(sunken.pixelColor(52, 45), kLight);
    EXPECT_EQ(RedCorner(sunken), glyph + QPoint(1, 1));
    QTest::mouseRelease(window(), Qt::LeftButton, {}, on({26, 23}));

    // Disabled: no border, image 1 in the palette's colours, the caption embossed in white and grey
    // (drawn without smoothing, so that its strokes keep their exact colours).
    QFont sharp = button->font();
    sharp.setStyleStrategy(QFont::NoAntialias);
    button->setFont(sharp);
    button->setEnabled(false);
    const QImage disabled = button->grab().toImage();
    EXPECT_EQ(disabled.pixelColor(0, 0), kFace);
    EXPECT_EQ(disabled.pixelColor(52, 45), kFace);
    EXPECT_EQ(disabled.pixelColor(glyph), kLight);
    EXPECT_EQ(disabled.pixelColor(glyph + QPoint(0, 10)), kShadow);
    EXPECT_EQ(disabled.pixelColor(glyph + QPoint(0, 15)), kFace);
    bool white = false, grey = false, black = false;
    for (int y = glyph.y() + 16; y < disabled.height(); ++y)
        for (int x = 0; x < disabled.width(); ++x) {
            const QColor pixel = disabled.pixelColor(x, y);
            white |= pixel == QColor(Qt::white);
            grey |= pixel == QColor(128, 128, 128);
            black |= pixel == QColor(Qt::black);
        }
    EXPECT_TRUE(white);
    EXPECT_TRUE(grey);
    EXPECT_FALSE(black);
}

TEST_F(PanelButtonTest, RefusesMarginBelowMinusOneAndCutsNumGlyphs)
{
    button->SetMargin(-2);
    EXPECT_EQ(button->Margin(), -1);
    button->SetMargin(3);
    EXPECT_EQ(button->Margin(), 3);
    button->SetNumGlyphs(7);
    EXPECT_EQ(button->NumGlyphs(), 4);
    button->SetNumGlyphs(0);
    EXPECT_EQ(button->NumGlyphs(), 4);
}

TEST_F(PanelButtonTest, TheAcceleratorClicksAnEnabledButton)
{
    button->SetCaption("&Go");
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QSignalSpy clicks(button, &PanelButton::Clicked);
    QTest::keyClick(form.get(), Qt::Key_G, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 1);
    button->setEnabled(false);
    QTest::keyClick(form.get(), Qt::Key_G, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 1);
}

} // namespace
