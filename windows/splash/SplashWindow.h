// SPDX-License-Identifier: MIT
#pragma once

// The first window of the program: a picture that gives way to the main window after a few
// seconds or at the first click.

#include <QPixmap>
#include <QWidget>

class QTimer;
class Runtime;

class SplashWindow : public QWidget {
    Q_OBJECT

public:
    explicit SplashWindow(Runtime& runtime, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void onHandOverTimeout();
    void handOver();

    Runtime& m_runtime;
    QTimer* m_handOverTimer;
    QPixmap m_picture;
    bool m_handedOver = false;
    bool m_fontsRequested = false;
};
