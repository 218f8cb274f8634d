#pragma once

#include <QPixmap>
#include <QWidget>

namespace tavenor {

// The borderless picture shown while the syllable table loads. Ownerless and not modal.
class SplashWindow final : public QWidget {
public:
    SplashWindow();

    // Returns once the window system shows the window with its picture painted, so that the
    // blocking wait that follows does not leave an empty frame on screen.
    void showPainted();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
};

} // namespace tavenor
