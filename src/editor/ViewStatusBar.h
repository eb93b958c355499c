#pragma once
// The view's status bar: three panels (the picture position under the mouse, the picture's kind
// and size, the zoom) laid out by hand below the picture, the link and ALT of the area under the
// mouse in place of the kind and size, and a short hint shown over the panels for a few seconds.
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>

class QLabel;

class ViewStatusBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeight = 19;

    explicit ViewStatusBar(QWidget *parent);

    // Sets a panel's text. Panel 1's text is its own and comes back when the mouse leaves the
    // areas; setting it ends the showing of an area's link and ALT.
    void SetPanel(int panel, const QString &text);
    QString Panel(int panel) const;
    // Puts back the position panel's text from before the mouse was over the picture.
    void ResetPosition();

    // Places the bar at top in its parent, width wide, with the zoom panel at its right end.
    void LayOut(int top, int width);

    // What panel 1 shows for an area line under the mouse.
    void SetAreaText(std::function<QString(int line)> areaText) { areaText_ = std::move(areaText); }
    // Shows the text of the area line under the mouse in panel 1, or for -1 panel 1's own text.
    void ShowHoveredLine(int line);
    int HoveredLine() const { return hoveredLine_; }
    // As ShowHoveredLine, but asks for the text again even for the same line: the map changed.
    void RefreshHoveredLine(int line);

    void ShowHint(const QString &text);
    // The hint on show; empty when none is.
    QString Hint() const;

    // A field of a mode the view is in (the trace tolerance), kept by the bar and shown, while
    // shown is true, between panel 1 and the zoom panel.
    void SetField(QWidget *field);
    void ShowField(bool shown);

private:
    QLabel *panels_[3] = {nullptr, nullptr, nullptr};
    QLabel *hint_ = nullptr;
    QWidget *field_ = nullptr;
    int top_ = 0, width_ = 0; // where LayOut last placed the bar
    QTimer hintTimer_;
    QString pictureText_; // panel 1's own text: the picture's kind and size
    int hoveredLine_ = -1; // the area line whose link and ALT panel 1 shows
    std::function<QString(int line)> areaText_;
};
