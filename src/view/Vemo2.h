#pragma once
// The view window: the current picture at its natural size above a two-panel status bar.
#include <QWidget>

class PictureBox;
class QLabel;
struct EditorState;

class TViewFrm : public QWidget {
    Q_OBJECT
public:
    explicit TViewFrm(EditorState &state, QWidget *parent = nullptr);

    PictureBox *Image1 = nullptr;

    // Sets the text of status bar panel 0 (mouse position) or 1 (picture kind and size).
    void SetStatusPanel(int panel, const QString &text);
    QString StatusPanel(int panel) const;

    // Resizes the window so its client area holds exactly the picture above the status bar.
    void FitToPicture();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    EditorState &state_;
    QWidget *statusBar_ = nullptr;
    QLabel *panels_[2] = {nullptr, nullptr};
};
