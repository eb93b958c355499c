// The list font, the shape colour and the about box.
#include <QColorDialog>
#include <QFontDialog>
#include <QPushButton>

#include "AreaEditingFixture.h"
#include "WhenShown.h"
#include "editor/AboutBox.h"

namespace {

class OptionsTest : public AreaEditingFixture {};

TEST_F(OptionsTest, FontDialogStartsWithTheListFontAndCancelKeepsIt)
{
    QFont start = List()->font();
    start.setPointSize(13);
    List()->setFont(start);
    QFont offered;
    {
        WhenShown<QFontDialog> cancel([&](QFontDialog *dialog) {
            offered = dialog->currentFont();
            dialog->reject();
            return true;
        });
        Main().ChooseListFont();
    }
    EXPECT_EQ(offered.pointSize(), 13);
    EXPECT_EQ(List()->font(), start);

    WhenShown<QFontDialog> confirm([&](QFontDialog *dialog) {
        QFont bigger = dialog->currentFont();
        bigger.setPointSize(20);
        dialog->setCurrentFont(bigger);
        dialog->accept();
        return true;
    });
    Main().ChooseListFont();
    EXPECT_EQ(List()->font().pointSize(), 20);
}

TEST_F(OptionsTest, ColourGoesToShapeAndHandlesTogetherAndCancelKeepsIt)
{
    // No picture needs to be open: the hidden shape keeps the colour for later.
    const auto chooseColour = [this](const QColor &colour) {
        WhenShown<QColorDialog> answer([&](QColorDialog *dialog) {
            if (colour.isValid()) {
                dialog->setCurrentColor(colour);
                dialog->accept();
            } else {
                dialog->reject();
            }
            return true;
        });
        Main().ChooseShapeColour();
    };
    chooseColour(Qt::red);
    EXPECT_EQ(ViewShape()->PenColor(), QColor(Qt::red));
    EXPECT_EQ(ViewFrame()->HandleColor(), QColor(Qt::red));
    chooseColour(QColor());
    EXPECT_EQ(ViewShape()->PenColor(), QColor(Qt::red));
    EXPECT_EQ(ViewFrame()->HandleColor(), QColor(Qt::red));

    // Handles on screen take the new colour at once.
    OpenMap();
    Main().NewRectangle();
    ViewFrame()->SelectControl(ViewShape());
    chooseColour(Qt::blue);
    QWidget *handle = ViewFrame()->Handles().value(0);
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(handle->grab().toImage().pixelColor(2, 2), QColor(Qt::blue));
}

TEST_F(OptionsTest, AboutBoxClosesWithItsButton)
{
    WhenShown<AboutBox> close([](AboutBox *about) {
        Button(*about, "okButton")->click();
        return true;
    });
    Main().ShowAbout();
    EXPECT_EQ(Main().About().result(), QDialog::Accepted);
    EXPECT_EQ(Button(Main().About(), "okButton")->text(), "O             K");
}

} // namespace
