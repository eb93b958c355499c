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
    QFont start = Main().ListBox1->font();
    start.setPointSize(13);
    Main().ListBox1->setFont(start);
    QFont offered;
    {
        WhenShown<QFontDialog> cancel([&](QFontDialog *dialog) {
            offered = dialog->currentFont();
            dialog->reject();
            return true;
        });
        Main().Font1Click();
    }
    EXPECT_EQ(offered.pointSize(), 13);
    EXPECT_EQ(Main().ListBox1->font(), start);

    WhenShown<QFontDialog> confirm([&](QFontDialog *dialog) {
        QFont bigger = dialog->currentFont();
        bigger.setPointSize(20);
        dialog->setCurrentFont(bigger);
        dialog->accept();
        return true;
    });
    Main().Font1Click();
    EXPECT_EQ(Main().ListBox1->font().pointSize(), 20);
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
        Main().Color1Click();
    };
    chooseColour(Qt::red);
    EXPECT_EQ(View().Shape1->PenColor(), QColor(Qt::red));
    EXPECT_EQ(View().ResizeFrame1->HandleColor(), QColor(Qt::red));
    chooseColour(QColor());
    EXPECT_EQ(View().Shape1->PenColor(), QColor(Qt::red));
    EXPECT_EQ(View().ResizeFrame1->HandleColor(), QColor(Qt::red));

    // Handles on screen take the new colour at once.
    OpenMap();
    Main().Rect1Click();
    View().ResizeFrame1->SelectControl(View().Shape1);
    chooseColour(Qt::blue);
    QWidget *handle = View().ResizeFrame1->Handles().value(0);
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(handle->grab().toImage().pixelColor(2, 2), QColor(Qt::blue));
}

TEST_F(OptionsTest, AboutBoxClosesWithItsButton)
{
    WhenShown<TAboutFrm> close([](TAboutFrm *about) {
        about->OKButton->click();
        return true;
    });
    Main().About1Click();
    EXPECT_EQ(Main().AboutBox().result(), QDialog::Accepted);
    EXPECT_EQ(Main().AboutBox().OKButton->text(), "O             K");
}

} // namespace
