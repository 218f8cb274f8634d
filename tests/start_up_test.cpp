#include "app/application_setup.h"
#include "app/main_window.h"
#include "app/run_tavenor.h"
#include "table/syllable_table.h"
#include "tests/window_support/window_test_support.h"

#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

namespace tavenor {
namespace {

// What became of the splash window, seen from outside through the application's events.
class SplashRecorder : public QObject {
public:
    bool shown = false;
    bool painted = false;
    // The first paint came before the window was closed: it was drawn before the half-second
    // wait that blocks all drawing, not only by the grab below.
    bool paintedBeforeClose = false;
    qint64 closedAfterMs = -1;
    QRect geometry;
    Qt::WindowFlags flags;
    bool modal = true;
    bool hasParent = true;
    QImage shownPicture;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget == nullptr || widget->objectName() != "SplashWindow")
            return false;
        switch (event->type()) {
        case QEvent::Show:
            shown = true;
            m_sinceShown.start();
            geometry = widget->geometry();
            flags = widget->windowFlags();
            modal = widget->isModal();
            hasParent = widget->parentWidget() != nullptr;
            break;
        case QEvent::Paint:
            // Only the first paint counts: grabbing the picture at the end paints again.
            if (!painted)
                paintedBeforeClose = closedAfterMs < 0;
            painted = true;
            break;
        case QEvent::Close:
            closedAfterMs = m_sinceShown.elapsed();
            shownPicture = widget->grab().toImage();
            break;
        default: break;
        }
        return false;
    }

private:
    QElapsedTimer m_sinceShown;
};

} // namespace

class StartUpTest : public QObject {
    Q_OBJECT

private slots:
    void startUpShowsTheSplashThenLoadsTheTable()
    {
        SyllableTable table;
        testing::ScriptedProvider provider;
        MainWindow window(table, provider);
        QCOMPARE(table.size(), 0U);

        SplashRecorder splash;
        qApp->installEventFilter(&splash);
        window.runStartUpSequence();
        qApp->removeEventFilter(&splash);

        QVERIFY(splash.shown);
        QVERIFY(splash.painted);
        QVERIFY(splash.paintedBeforeClose);
        QCOMPARE(splash.geometry, QRect(50, 50, 358, 268));
        const QImage picture(":/splash.png");
        QCOMPARE(picture.size(), QSize(358, 268));
        QCOMPARE(splash.shownPicture.convertToFormat(QImage::Format_RGB32),
                 picture.convertToFormat(QImage::Format_RGB32));
        QVERIFY(splash.flags.testFlag(Qt::FramelessWindowHint));
        QVERIFY(!splash.modal);
        QVERIFY(!splash.hasParent);
        QVERIFY(splash.closedAfterMs >= 500);
        QCOMPARE(table.size(), 409U);
        QCOMPARE(table[0].phonemes, "a[a]");
    }

    // The whole life of the program: start-up, one edit, closing the window.
    void closingTheWindowEndsTheProgramWithCodeZero()
    {
        const testing::ScriptedProvider provider = testing::LyricsProvider();
        QString finalText;
        bool windowWasShown = false;
        // Waits for the window: the splash pumps the window system's events, timers included.
        QTimer poll;
        QElapsedTimer waited;
        waited.start();
        QObject::connect(&poll, &QTimer::timeout, [&] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (window->objectName() != "MainWindow" || !window->isVisible())
                    continue;
                poll.stop();
                windowWasShown = true;
                QTest::keyClicks(window->findChild<QLineEdit*>("编辑框2"), "ni,");
                finalText = window->findChild<QPlainTextEdit*>("编辑框6")->toPlainText();
                window->close();
            }
            // Never leave the test hanging on a window that does not come.
            if (waited.elapsed() > 10000)
                QApplication::closeAllWindows();
        });
        poll.start(10);
        QCOMPARE(RunTavenor(provider), 0);
        QVERIFY(windowWasShown);
        // The table was complete while the window ran.
        QCOMPARE(finalText, "ni[J i]\n");
        // Shutdown left no window behind.
        QCOMPARE(QApplication::topLevelWidgets().size(), 0);
    }
};

} // namespace tavenor

QTEST_MAIN(tavenor::StartUpTest)

#include "start_up_test.moc"
