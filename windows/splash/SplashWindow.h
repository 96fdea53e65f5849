// SPDX-License-Identifier: MIT
#pragma once

// The first window of the program: a picture that gives way to the main window after a few
// seconds or at the first click.

#include <QPixmap>
#include <QWidget>

class QTimer;

class SplashWindow : public QWidget {
    Q_OBJECT

public:
    explicit SplashWindow(QWidget* parent = nullptr);

signals:
    // Once, after a few seconds or at the first click: the main window takes over.
    void finished();
    // Once, just after the picture was first painted: for work that must not delay it.
    void pictureShown();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void onHandOverTimeout();
    void handOver();

    QTimer* m_handOverTimer;
    QPixmap m_picture;
    bool m_handedOver = false;
    bool m_fontsRequested = false;
};
