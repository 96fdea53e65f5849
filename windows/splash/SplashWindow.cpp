// SPDX-License-Identifier: MIT
#include "windows/splash/SplashWindow.h"

#include "runtime/Runtime.h"
#include "windows/common/Form.h"

#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTimer>

namespace {

constexpr int clientWidth = 5910; // twips
constexpr int clientHeight = 4605;
constexpr QSize pictureSize(400, 310);
constexpr int handOverDelay = 3500; // ms

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

    QFont title(QStringLiteral("Liberation Sans"));
    title.setStyleHint(QFont::SansSerif);
    title.setPixelSize(44);
    title.setBold(true);
    QPainterPath text;
    text.addText(0, 0, title, QStringLiteral("Battle Tesh"));
    const QRectF bounds = text.boundingRect();
    text.translate(197 - bounds.center().x(), 52 - bounds.center().y());
    painter.setPen(QPen(QColor(30, 20, 40), 4));
    painter.setBrush(QColor(255, 214, 90));
    painter.drawPath(text);

    QFont subtitle = form::defaultFont();
    subtitle.setPointSizeF(10);
    painter.setFont(subtitle);
    painter.setPen(QColor(40, 20, 20));
    painter.drawText(QRect(0, 262, 394, 30), Qt::AlignCenter, QStringLiteral("Click to start"));
    return picture;
}

} // namespace

SplashWindow::SplashWindow(Runtime& runtime, QWidget* parent)
    // A fixed dialog border without a title bar: an empty title would otherwise show the
    // application's name.
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint),
      m_runtime(runtime), m_timer1(new QTimer(this)), m_picture(paintPicture())
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QString());
    form::setFixedClientSize(this, clientWidth, clientHeight);
    if (const QScreen* display = screen())
        move(display->availableGeometry().center() - rect().center());

    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(handOverDelay);
    connect(m_timer1, &QTimer::timeout, this, &SplashWindow::onTimer1Timeout);
    m_timer1->start();
}

void SplashWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
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

void SplashWindow::onTimer1Timeout()
{
    handOver();
}

void SplashWindow::handOver()
{
    // A click and a tick may both arrive before the closed splash is gone.
    if (m_handedOver)
        return;
    m_handedOver = true;
    m_timer1->stop();
    m_runtime.showWindow(QStringLiteral("FrmDamage"));
    m_runtime.unloadWindow(QStringLiteral("frmSplash"));
}
