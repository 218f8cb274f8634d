#include "app/message_box_lu_question.h"

#include "codec/gb18030_codec.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace tavenor {

MessageBoxLuQuestion::MessageBoxLuQuestion(QWidget* parent)
    : m_parent(parent)
{
}

bool MessageBoxLuQuestion::askIsLu(std::string_view title, std::string_view message,
                                   const LuOccurrence& lu)
{
    QString text = FromGb18030(message);
    // A label breaks lines at "\n"; a CR left in front of it would show as a stray glyph.
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(QMessageBox::Question, FromGb18030(title), text,
                    QMessageBox::Yes | QMessageBox::No, m_parent);
    box.setTextFormat(Qt::PlainText);
    // The message explains the answers as 是 and 否: the buttons carry the same words.
    box.button(QMessageBox::Yes)->setText(QStringLiteral("是(&Y)"));
    box.button(QMessageBox::No)->setText(QStringLiteral("否(&N)"));
    // Return takes the character's own reading, so accepting every default reads 绿 as lv.
    box.setDefaultButton(lu.readsLu ? QMessageBox::Yes : QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    box.exec();
    return box.clickedButton() == box.button(QMessageBox::Yes);
}

} // namespace tavenor
