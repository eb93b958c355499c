#include "view/Vemo2.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/MessageDialogs.h"
#include "map/EditorState.h"
#include "map/Vemo1.h"
#include "widgets/PictureBox.h"

namespace {
constexpr int kStatusBarHeight = 19;
constexpr int kPositionPanelWidth = 90;
} // namespace

TViewFrm::TViewFrm(EditorState &state, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint
                          | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      state_(state)
{
    Image1 = new PictureBox(this);
    statusBar_ = new QWidget(this);
    statusBar_->setFixedHeight(kStatusBarHeight);
    QFont statusFont(QStringLiteral("Times New Roman"));
    statusFont.setStyleHint(QFont::Serif);
    statusFont.setPixelSize(12);
    statusFont.setBold(true);
    statusBar_->setFont(statusFont);

    auto *statusLayout = new QHBoxLayout(statusBar_);
    statusLayout->setContentsMargins(2, 0, 2, 0);
    for (QLabel *&panel : panels_) {
        panel = new QLabel(statusBar_);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        statusLayout->addWidget(panel);
    }
    panels_[0]->setFixedWidth(kPositionPanelWidth);
    statusLayout->setStretch(1, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Image1, 0, Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(statusBar_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TViewFrm::SetStatusPanel(int panel, const QString &text)
{
    panels_[panel]->setText(text);
}

QString TViewFrm::StatusPanel(int panel) const
{
    return panels_[panel]->text();
}

void TViewFrm::FitToPicture()
{
    layout()->activate();
    adjustSize();
}

void TViewFrm::closeEvent(QCloseEvent *event)
{
    // Closing the view closes the map; the window only hides when the user did not cancel.
    bool closed = false;
    RunGuarded(this, [&] { closed = state_.MainFrm && state_.MainFrm->CloseMap(); });
    if (closed)
        event->accept();
    else
        event->ignore();
}
