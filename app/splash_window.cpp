#include "app/splash_window.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QThread>
#include <QWindow>

namespace tavenor {
namespace {

constexpr QSize kSize(358, 268);
constexpr QPoint kPosition(50, 50);
// A window system that never exposes the window must not hold start-up back for long.
constexpr qint64 kExposeTimeoutMs = 1000;

} // namespace

SplashWindow::SplashWindow()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint)
    , m_picture(QStringLiteral(":/splash.png"))
{
    setObjectName(QStringLiteral("SplashWindow"));
    setFixedSize(kSize);
    move(kPosition);
    // Closing it must not end the program before the main window is shown.
    setAttribute(Qt::WA_QuitOnClose, false);
}

void SplashWindow::showPainted()
{
    show();
    QElapsedTimer waited;
    waited.start();
    while (!windowHandle()->isExposed() && waited.elapsed() < kExposeTimeoutMs) {
        // Only the window system's own events: the user's input waits until start-up is over.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(1);
    }
    repaint();
}

void SplashWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.drawPixmap(0, 0, m_picture);
}

} // namespace tavenor
