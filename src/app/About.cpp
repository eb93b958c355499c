#include "app/About.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "app/UiFonts.h"

namespace {

QFont PixelFont(const QString &family, QFont::StyleHint hint, int pixels, bool bold)
{
    QFont font = FontWithHint(family, hint);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// The emblem: a small landscape picture with a hatched rectangle and circle laid over it,
// as the editor shows regions.
QPixmap Emblem()
{
    QPixmap emblem(96, 96);
    QPainter painter(&emblem);
    QLinearGradient sky(0, 0, 0, 96);
    sky.setColorAt(0, QColor(120, 170, 230));
    sky.setColorAt(1, QColor(230, 240, 250));
    painter.fillRect(emblem.rect(), sky);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(70, 140, 70));
    painter.drawEllipse(QRect(-30, 60, 160, 80));
    painter.setBrush(QColor(250, 210, 60));
    painter.drawEllipse(QRect(62, 10, 22, 22));
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(QBrush(Qt::black, Qt::BDiagPattern));
    painter.drawRect(QRect(10, 18, 40, 30));
    painter.drawEllipse(QRect(44, 48, 38, 38));
    return emblem;
}

} // namespace

TAboutFrm::TAboutFrm()
    : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                           | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(QStringLiteral("About"));
    setFixedSize(433, 160);
    setFont(PixelFont(QStringLiteral("Times New Roman"), QFont::Serif, 16, false));

    auto *panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(24, 11, 102, 102);
    auto *emblem = new QLabel(panel);
    emblem->setGeometry(panel->contentsRect());
    emblem->setScaledContents(true);
    emblem->setPixmap(Emblem());

    auto *title = new QLabel(QStringLiteral("Vemo-Editor  HTML image map editor"), this);
    title->setGeometry(133, 16, 284, 24);
    title->setFont(PixelFont(QStringLiteral("Times New Roman"), QFont::Serif, 21, true));
    auto *version = new QLabel(QStringLiteral("version 1.10"), this);
    version->setGeometry(309, 40, 108, 22);
    version->setFont(PixelFont(QStringLiteral("Times New Roman"), QFont::Serif, 16, true));
    auto *rule = new QFrame(this);
    rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    rule->setGeometry(148, 80, 261, 2);
    auto *thanks = new QLabel(QStringLiteral("Pictures are read with Qt and GraphicsMagick."), this);
    thanks->setGeometry(149, 98, 270, 20);
    thanks->setFont(PixelFont(QStringLiteral("Arial"), QFont::SansSerif, 13, false));

    OKButton = new QPushButton(QStringLiteral("O             K"), this);
    OKButton->setGeometry(24, 128, 393, 25);
    OKButton->setFont(PixelFont(QStringLiteral("Century"), QFont::Serif, 12, true));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}
