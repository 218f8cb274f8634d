#pragma once

#include "tests/support/scripted_pinyin.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>

namespace tavenor::testing {

// 你 nǐ, 好 hǎo, 鲁 lǔ, 绿 lǜ, 𠀀 hē (outside GBK), as GB18030 readings.
inline ScriptedProvider windowProvider()
{
    ScriptedProvider provider;
    provider.readings = {{"\xC4\xE3", "n\xA8\xAB"},
                         {"\xBA\xC3", "h\xA8\xA3o"},
                         {"\xC2\xB3", "l\xA8\xB3"},
                         {"\xC2\xCC", "l\xA8\xB8"},
                         {"\x95\x32\x82\x36", "h\xA8\xA5"}};
    return provider;
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
