#pragma once

#include <QString>
#include <QStringList>

#include <random>

namespace tavenor::testing {

// The texts a user types and pastes over a long session, drawn from one seeded generator.
class SoakTexts {
public:
    explicit SoakTexts(std::mt19937_64& random);

    // One character a user types: a hanzi (now and then one read lu or lv), a letter, a digit,
    // a comma, a blank, full-width punctuation, an emoji or a character outside GBK.
    QString typedCharacter() { return character(true); }
    // A few hanzi, as an input method commits them.
    QString committedHanzi();
    // What a user pastes: mostly a line or two, sometimes a page, rarely a whole album (up to
    // 100 KB): lyrics, pinyin lists with line breaks, or a mix of every script.
    QString pasted();
    // A short text, to replace a long one with.
    QString shortText();

private:
    // mayAsk: now and then a hanzi read lu or lv.
    QString character(bool mayAsk);
    QString lyrics(int characters);
    QString pinyinList(int characters);
    QString mixed(int characters);
    int sizeOfPaste();
    QString pick(const QStringList& list)
    {
        return list.at(qsizetype(below(std::size_t(list.size()))));
    }
    std::size_t below(std::size_t bound);

    std::mt19937_64& m_random;
};

} // namespace tavenor::testing
