#include "editor/AboutBox.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

#include "core/SettingsValues.h"
#include "desktop/UiFonts.h"

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

AboutBox::AboutBox(int logicalDpi)
    : QDialog(nullptr,
              Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                  | Qt::WindowStaysOnTopHint)
{
    // Laid out at 96 pixels per inch; places and type sizes grow with the screen's DPI.
    const auto scaled = [logicalDpi](int designed) { return vemo::ScaleForDpi(designed, logicalDpi); };
    setWindowTitle(tr("About"));
    setFont(PixelFont(QStringLiteral("Times New Roman"), QFont::Serif, scaled(16), false));

    auto *panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(scaled(24), scaled(11), scaled(102), scaled(102));
    auto *emblem = new QLabel(panel);
    emblem->setGeometry(panel->contentsRect());
    emblem->setScaledContents(true);
    emblem->setPixmap(Emblem());

    // Each text takes the room its font needs, so a fallback font wider than the designed one
    // never cuts it off; the box widens to the widest text.
    auto *title = new QLabel(tr("Vemo-Editor  HTML image map editor"), this);
    title->setFont(PixelFont(QStringLiteral("Times New Roman"), QFont::Serif, scaled(21), true));
    title->setGeometry(QRect(QPoint(scaled(133), scaled(16)), title->sizeHint()));
    auto *thanks = new QLabel(tr("Pictures are read with Qt and GraphicsMagick."), this);
    thanks->setFont(PixelFont(QStringLiteral("Arial"), QFont::SansSerif, scaled(13), false));
    thanks->setGeometry(QRect(QPoint(scaled(149), scaled(98)), thanks->sizeHint()));
    const int right = std::max({scaled(417), title->geometry().right() + 1, thanks->geometry().right() + 1});

    auto *version = new QLabel(tr("version %1").arg(QStringLiteral(VEMO_VERSION)), this);
    version->setFont(PixelFont(QStringLiteral("Times New Roman"), QFont::Serif, scaled(16), true));
    const QSize versionSize = version->sizeHint();
    version->setGeometry(right - versionSize.width(), std::max(scaled(40), title->geometry().bottom() + 1),
                         versionSize.width(), versionSize.height());
    auto *rule = new QFrame(this);
    rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    rule->setGeometry(scaled(148), scaled(80), right - scaled(156), scaled(2));

    okButton = new QPushButton(QStringLiteral("O             K"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setFont(PixelFont(QStringLiteral("Century"), QFont::Serif, scaled(12), true));
    okButton->setGeometry(scaled(24), scaled(128), right - scaled(24),
                          std::max(scaled(25), okButton->sizeHint().height()));
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    setFixedSize(right + scaled(16), okButton->geometry().bottom() + 1 + scaled(7));
}
