// SPDX-License-Identifier: MIT
#include "windows/splash/SplashWindow.h"

#include "runtime/WindowId.h"
#include "windows/common/Form.h"

#include <QImage>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include <string_view>

namespace {

constexpr int clientWidth = 5910; // twips
constexpr int clientHeight = 4605;
constexpr QSize pictureSize(400, 310);
constexpr int handOverDelay = 3500; // ms

// Capitals of five by seven dots, in the manner of the handheld games' own lettering. The title
// needs no font this way, so the picture is ready before the font database has loaded.
struct Glyph {
    char letter;
    const char* dots; // seven rows of five, '#' for a dot
};

constexpr int glyphColumns = 5;
constexpr int glyphRows = 7;

// clang-format off
constexpr Glyph glyphs[] = {
    {'A', ".###." "#...#" "#...#" "#####" "#...#" "#...#" "#...#"},
    {'B', "####." "#...#" "#...#" "####." "#...#" "#...#" "####."},
    {'C', ".###." "#...#" "#...." "#...." "#...." "#...#" ".###."},
    {'E', "#####" "#...." "#...." "####." "#...." "#...." "#####"},
    {'H', "#...#" "#...#" "#...#" "#####" "#...#" "#...#" "#...#"},
    {'I', ".###." "..#.." "..#.." "..#.." "..#.." "..#.." ".###."},
    {'K', "#...#" "#..#." "#.#.." "##..." "#.#.." "#..#." "#...#"},
    {'L', "#...." "#...." "#...." "#...." "#...." "#...." "#####"},
    {'O', ".###." "#...#" "#...#" "#...#" "#...#" "#...#" ".###."},
    {'R', "####." "#...#" "#...#" "####." "#.#.." "#..#." "#...#"},
    {'S', ".####" "#...." "#...." ".###." "....#" "....#" "####."},
    {'T', "#####" "..#.." "..#.." "..#.." "..#.." "..#.." "..#.."},
};
// clang-format on

const Glyph* glyphOf(char letter)
{
    for (const Glyph& glyph : glyphs) {
        if (glyph.letter == letter)
            return &glyph;
    }
    return nullptr; // a blank
}

// Letters `dot` pixels to a dot, centred on `centreX`; `grow` widens every dot on all sides.
void drawLettering(QPainter& painter, std::string_view text, int centreX, int top, int dot,
                   int grow, const QColor& colour)
{
    const int advance = (glyphColumns + 1) * dot;
    int left = centreX - (static_cast<int>(text.size()) * advance - dot) / 2;
    for (const char letter : text) {
        if (const Glyph* glyph = glyphOf(letter)) {
            for (int index = 0; index < glyphColumns * glyphRows; ++index) {
                if (glyph->dots[index] == '#')
                    painter.fillRect(left + index % glyphColumns * dot - grow,
                                     top + index / glyphColumns * dot - grow, dot + 2 * grow,
                                     dot + 2 * grow, colour);
            }
        }
        left += advance;
    }
}

// A title over two facing swords in a ring, on a dusk sky: painted once, no image files needed.
QPixmap paintPicture()
{
    QPixmap picture(pictureSize);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, pictureSize.height());
    sky.setColorAt(0, QColor(24, 32, 80));
    sky.setColorAt(0.6, QColor(150, 60, 90));
    sky.setColorAt(1, QColor(240, 160, 70));
    painter.fillRect(picture.rect(), sky);

    const QPointF centre(197, 170);
    painter.setPen(QPen(QColor(255, 236, 170), 6));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, 78, 78);

    // Two blades crossing at the ring's centre.
    painter.setPen(QPen(QColor(230, 230, 240), 8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre + QPointF(-55, 55), centre + QPointF(55, -55));
    painter.drawLine(centre + QPointF(55, 55), centre + QPointF(-55, -55));
    painter.setPen(QPen(QColor(120, 70, 30), 10, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre + QPointF(-62, 62), centre + QPointF(-45, 45));
    painter.drawLine(centre + QPointF(62, 62), centre + QPointF(45, 45));

    painter.setRenderHint(QPainter::Antialiasing, false);
    drawLettering(painter, "BATTLE TESH", 197, 32, 5, 2, QColor(30, 20, 40));
    drawLettering(painter, "BATTLE TESH", 197, 32, 5, 0, QColor(255, 214, 90));
    drawLettering(painter, "CLICK TO START", 197, 270, 2, 0, QColor(40, 20, 20));
    return picture;
}

// Loads the font database and the faces every other window uses, plain and bold, and draws
// their glyphs once at each quarter-pixel offset text can land on, so that the first paint of
// the main window finds them ready.
void loadFonts()
{
    QString glyphs = QStringLiteral("é");
    for (char letter = ' '; letter <= '~'; ++letter)
        glyphs += QLatin1Char(letter);
    QImage scratch(8 * glyphs.size(), 16, QImage::Format_RGB32);
    QPainter painter(&scratch);
    QFont font = form::defaultFont();
    for (const bool bold : {false, true}) {
        font.setBold(bold);
        painter.setFont(font);
        for (const qreal offset : {0.0, 0.25, 0.5, 0.75})
            painter.drawText(QPointF(offset, 12), glyphs);
    }
}

} // namespace

SplashWindow::SplashWindow(QWidget* parent)
    // A fixed dialog border without a title bar: an empty title would otherwise show the
    // application's name.
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint),
      m_handOverTimer(new QTimer(this)), m_picture(paintPicture())
{
    setObjectName(objectNameOf(WindowId::Splash));
    setWindowTitle(QString());
    form::setFixedClientSize(this, clientWidth, clientHeight);
    if (const QScreen* display = screen())
        move(display->availableGeometry().center() - rect().center());

    m_handOverTimer->setObjectName(QStringLiteral("Timer1"));
    m_handOverTimer->setInterval(handOverDelay);
    connect(m_handOverTimer, &QTimer::timeout, this, &SplashWindow::onHandOverTimeout);
    m_handOverTimer->start();
}

void SplashWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
    // With the picture up, load the fonts while the user looks, not when the main window opens.
    if (!m_fontsRequested) {
        m_fontsRequested = true;
        QTimer::singleShot(0, this, [this] {
            emit pictureShown();
            loadFonts();
        });
    }
}

void SplashWindow::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    handOver();
}

void SplashWindow::keyPressEvent(QKeyEvent* event)
{
    // Keys never end the splash early.
    event->accept();
}

void SplashWindow::onHandOverTimeout()
{
    handOver();
}

void SplashWindow::handOver()
{
    // A click and a tick may both arrive before the closed splash is gone.
    if (m_handedOver)
        return;
    m_handedOver = true;
    m_handOverTimer->stop();
    emit finished();
}
