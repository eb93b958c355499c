// The about box with the fonts this machine really has: every text shows whole at 96 and at
// 144 pixels per inch, and the version is the one the package carries.
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include "app/About.h"

namespace {

TEST(AboutBox, EveryTextShowsWholeAtEachScreenDensity)
{
    for (const int dpi : {96, 144}) {
        SCOPED_TRACE(dpi);
        TAboutFrm about(dpi);
        const QRect client = about.rect();
        QList<QWidget *> texts{about.OKButton};
        for (QLabel *label : about.findChildren<QLabel *>())
            texts << label;
        for (const QWidget *text : texts) {
            const QRect placed(text->mapTo(&about, QPoint(0, 0)), text->size());
            const auto *label = qobject_cast<const QLabel *>(text);
            SCOPED_TRACE(label ? label->text().toStdString() : "the button");
            EXPECT_GE(text->width(), text->sizeHint().width());
            EXPECT_GE(text->height(), text->sizeHint().height());
            EXPECT_TRUE(client.contains(placed));
        }
    }
}

TEST(AboutBox, ShowsTheProjectVersion)
{
    TAboutFrm about(96);
    QStringList texts;
    for (QLabel *label : about.findChildren<QLabel *>())
        texts << label->text();
    EXPECT_TRUE(texts.contains(QStringLiteral("version " VEMO_VERSION)));
}

} // namespace
