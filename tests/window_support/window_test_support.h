#pragma once

#include "app/main_window.h"
#include "tests/support/scripted_pinyin.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <memory>

namespace tavenor::testing {

// The main window over the built-in table, made afresh for each test function (open() from
// init(), close() from cleanup()), with its controls found by their control names.
class WindowFixture {
public:
    explicit WindowFixture(const PinyinProvider& provider)
        : m_provider(provider)
    {
        LoadSyllableTable(m_table);
    }

    // Shows a new window; false when it never became active.
    bool open()
    {
        m_window = std::make_unique<MainWindow>(m_table, m_provider);
        m_window->show();
        return QTest::qWaitForWindowActive(m_window.get());
    }

    void close() { m_window.reset(); }

    MainWindow* window() const { return m_window.get(); }
    const SyllableTable& table() const { return m_table; }

    template <typename Widget> Widget* control(const QString& name) const
    {
        auto* widget = m_window->findChild<Widget*>(name);
        if (widget == nullptr)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }

    QString boxText(const QString& name) const
    {
        if (auto* line = m_window->findChild<QLineEdit*>(name))
            return line->text();
        return control<QPlainTextEdit>(name)->toPlainText();
    }

private:
    SyllableTable m_table;
    const PinyinProvider& m_provider;
    std::unique_ptr<MainWindow> m_window;
};

// Pastes text over the whole content of a box, as a user does with Ctrl+V.
inline void Paste(QLineEdit* box, const QString& text)
{
    QApplication::clipboard()->setText(text);
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

// QTest::keyClicks() aborts on text outside Latin-1: send each character as the text of a key.
inline void typeText(QWidget* widget, const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text.at(i).isHighSurrogate() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text.mid(i, length),
                            Qt::NoModifier);
        i += length - 1;
    }
}

// What a modal message box showed before the test answered it.
struct AnsweredBox {
    bool seen = false;
    QString title;
    QString text;
    QStringList buttons;
};

// Answers the next modal message box from inside its event loop: by a button, or by `key`
// (Escape), or by closing it when neither is given.
inline void answerNextMessageBox(AnsweredBox& seen, QMessageBox::StandardButton button,
                                 Qt::Key key = Qt::Key_unknown)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, &seen, button, key] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        poll->stop();
        poll->deleteLater();
        seen = {true, box->windowTitle(), box->text(), {}};
        for (const QAbstractButton* shown : box->buttons())
            seen.buttons << shown->text();
        if (button != QMessageBox::NoButton)
            box->button(button)->click();
        else if (key != Qt::Key_unknown)
            QTest::keyClick(box, key);
        else
            box->close();
    });
    poll->start(5);
}

} // namespace tavenor::testing
