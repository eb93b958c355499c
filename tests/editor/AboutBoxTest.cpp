// The about box with the fonts this machine really has: every text shows whole at 96 and at
// 144 pixels per inch, and the version is the one the package carries.
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include "WidgetLookup.h"
#include "editor/AboutBox.h"

namespace {

TEST(AboutBox, EveryTextShowsWholeAtEachScreenDensityWithTheProjectVersion)
{
    for (const int dpi : {96, 144}) {
        SCOPED_TRACE(dpi);
        AboutBox about(dpi);
        QList<QWidget *> texts{Button(about, "okButton")};
        QStringList labels;
        for (QLabel *label : about.findChildren<QLabel *>()) {
            texts << label;
            labels << label->text();
        }
        EXPECT_TRUE(labels.contains(QStringLiteral("version " VEMO_VERSION)));
        for (const QWidget *text : texts) {
            SCOPED_TRACE(text->property("text").toString().toStdString());
            EXPECT_GE(text->width(), text->sizeHint().width());
            EXPECT_GE(text->height(), text->sizeHint().height());
            EXPECT_TRUE(about.rect().contains(QRect(text->mapTo(&about, QPoint(0, 0)), text->size())));
        }
    }
}

} // namespace
