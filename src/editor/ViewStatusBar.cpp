#include "editor/ViewStatusBar.h"

#include <QFont>
#include <QLabel>

#include <algorithm>

namespace {

constexpr int kPositionPanelWidth = 100;
constexpr int kZoomPanelWidth = 50;
constexpr int kFieldWidth = 110;
constexpr int kHintMilliseconds = 5000;
// The position panel's text until the mouse moves over the picture.
constexpr char kPositionDesignText[] = "(640,480)";

QLabel *NewPanel(QWidget *bar, QFrame::Shadow bevel, const QString &designText)
{
    auto *panel = new QLabel(designText, bar);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(bevel);
    panel->setAlignment(Qt::AlignCenter);
    return panel;
}

} // namespace

ViewStatusBar::ViewStatusBar(QWidget *parent)
    : QWidget(parent)
{
    QFont statusFont(QStringLiteral("Times New Roman"));
    statusFont.setStyleHint(QFont::Serif);
    statusFont.setPixelSize(12);
    statusFont.setBold(true);
    setFont(statusFont);
    panels_[0] = NewPanel(this, QFrame::Raised, QString::fromUtf8(kPositionDesignText));
    panels_[1] = NewPanel(this, QFrame::Sunken, QStringLiteral("GIF 640x400"));
    panels_[2] = NewPanel(this, QFrame::Sunken, QStringLiteral("100 %"));

    hint_ = new QLabel(this);
    hint_->setAutoFillBackground(true);
    hint_->hide();
    hintTimer_.setSingleShot(true);
    hintTimer_.setInterval(kHintMilliseconds);
    connect(&hintTimer_, &QTimer::timeout, hint_, &QWidget::hide);
}

void ViewStatusBar::SetPanel(int panel, const QString &text)
{
    if (panel == 1) {
        // Shown at once; an area's link and ALT take the panel again when the mouse moves.
        pictureText_ = text;
        hoveredLine_ = -1;
    }
    panels_[panel]->setText(text);
}

QString ViewStatusBar::Panel(int panel) const
{
    return panels_[panel]->text();
}

void ViewStatusBar::ResetPosition()
{
    SetPanel(0, QString::fromUtf8(kPositionDesignText));
}

void ViewStatusBar::LayOut(int top, int width)
{
    top_ = top;
    width_ = width;
    setGeometry(0, top, width, kHeight);
    panels_[0]->setGeometry(0, 0, kPositionPanelWidth, kHeight);
    // The kind panel reaches to the field, or the zoom panel, which ends at the right end of the bar.
    const int zoomLeft = std::max(kPositionPanelWidth, width - kZoomPanelWidth);
    const int fieldLeft = field_ && !field_->isHidden() ? std::max(kPositionPanelWidth, zoomLeft - kFieldWidth) : zoomLeft;
    if (field_)
        field_->setGeometry(fieldLeft, 0, zoomLeft - fieldLeft, kHeight);
    panels_[1]->setGeometry(kPositionPanelWidth, 0, fieldLeft - kPositionPanelWidth, kHeight);
    panels_[2]->setGeometry(zoomLeft, 0, std::max(0, width - zoomLeft), kHeight);
}

void ViewStatusBar::ShowHoveredLine(int line)
{
    if (line != hoveredLine_)
        RefreshHoveredLine(line);
}

void ViewStatusBar::RefreshHoveredLine(int line)
{
    hoveredLine_ = line;
    panels_[1]->setText(line >= 0 && areaText_ ? areaText_(line) : pictureText_);
}

void ViewStatusBar::ShowHint(const QString &text)
{
    hint_->setText(text);
    hint_->setGeometry(0, 0, width(), height());
    hint_->show();
    hint_->raise();
    hintTimer_.start();
}

QString ViewStatusBar::Hint() const
{
    return hint_->isVisible() ? hint_->text() : QString();
}

void ViewStatusBar::SetField(QWidget *field)
{
    field_ = field;
    field_->setParent(this);
    field_->hide();
}

void ViewStatusBar::ShowField(bool shown)
{
    field_->setVisible(shown);
    LayOut(top_, width_);
}
