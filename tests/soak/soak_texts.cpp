#include "tests/soak/soak_texts.h"

#include <QStringList>

#include <cmath>

namespace tavenor::testing {
namespace {

// Characters without a lu reading, a zero-initial one (啊) and two the table lacks (英雄).
const QString kHanzi
    = QStringLiteral("你好春眠不觉晓处闻啼鸟夜来风雨声花落知多少我爱中国歌词音乐啊英雄");
// Read lu (鲁路录陆卢炉) or lv (绿旅驴律): each one asks the question.
const QString kLuHanzi = QStringLiteral("鲁路录陆卢炉绿旅驴律");
const QString kFullWidth = QStringLiteral("，。！？、；：“”（）");
// Outside the Basic Multilingual Plane: emoji, and Extension B hanzi that GBK lacks.
const QStringList kAstral{QStringLiteral("😀"), QStringLiteral("🎵"), QStringLiteral("𠀀"),
                          QStringLiteral("𪚥")};
// A verse that asks no question, for long lyrics.
const QString kVerse = QStringLiteral("春眠不觉晓，处处闻啼鸟。夜来风雨声，花落知多少。");
const QStringList kSyllables{"ni",  "hao", "lu", "lv", "zhi",  "chuang", "shun", "jue",
                             "xu",  "yun", "a",  "er", "ying", "xiong",  "qing", "Ba",
                             " ba", "m",   "zh", "",   "你",   "😀u"};
const QStringList kLineBreaks{"\n", "\r\n", "\r"};

constexpr int kLargestPaste = 100 * 1024;

} // namespace

SoakTexts::SoakTexts(std::mt19937_64& random)
    : m_random(random)
{
}

std::size_t SoakTexts::below(std::size_t bound)
{
    return std::uniform_int_distribution<std::size_t>(0, bound - 1)(m_random);
}

QString SoakTexts::character(bool mayAsk)
{
    switch (below(10)) {
    case 0:
    case 1:
    case 2: return kHanzi.at(qsizetype(below(std::size_t(kHanzi.size()))));
    case 3:
        if (mayAsk)
            return kLuHanzi.at(qsizetype(below(std::size_t(kLuHanzi.size()))));
        return kHanzi.at(0);
    case 4:
    case 5: return QChar(u'a' + char16_t(below(26)));
    case 6: return below(2) == 0 ? QStringLiteral(",") : QStringLiteral(" ");
    case 7: return kFullWidth.at(qsizetype(below(std::size_t(kFullWidth.size()))));
    case 8: return pick(kAstral);
    default: return QChar(u'0' + char16_t(below(10)));
    }
}

QString SoakTexts::committedHanzi()
{
    QString text;
    for (std::size_t count = 1 + below(4); count > 0; --count)
        text += below(5) == 0 ? kLuHanzi.at(qsizetype(below(std::size_t(kLuHanzi.size()))))
                              : kHanzi.at(qsizetype(below(std::size_t(kHanzi.size()))));
    return text;
}

// Most pastes are a line or two; a page now and then; rarely an album.
int SoakTexts::sizeOfPaste()
{
    const std::size_t kind = below(100);
    if (kind < 70)
        return 1 + int(below(40));
    if (kind < 95)
        return 40 + int(below(2000));
    // Spread evenly over the orders of magnitude between 2,000 and 100 KB.
    const double exponent = std::uniform_real_distribution<double>(
        std::log(2000.0), std::log(double(kLargestPaste)))(m_random);
    return int(std::exp(exponent));
}

QString SoakTexts::pasted()
{
    const int size = sizeOfPaste();
    switch (below(3)) {
    case 0: return lyrics(size);
    case 1: return pinyinList(size);
    default: return mixed(size);
    }
}

QString SoakTexts::shortText() { return below(2) == 0 ? lyrics(1 + int(below(8))) : QString(); }

// Long lyrics are mostly the verse, with a few characters that ask the question: every later
// edit of the lyrics asks it again for each of them.
QString SoakTexts::lyrics(int characters)
{
    QString text;
    if (characters > 200) {
        text = kVerse.repeated(characters / kVerse.size() + 1).left(characters);
        for (int lu = 0; lu < 3; ++lu)
            text[qsizetype(below(std::size_t(text.size())))] = kLuHanzi.at(0);
        return text;
    }
    while (text.size() < characters)
        text += character(true);
    return text;
}

QString SoakTexts::pinyinList(int characters)
{
    QString text;
    while (text.size() < characters) {
        text += pick(kSyllables);
        text += below(8) == 0 ? pick(kLineBreaks) : QStringLiteral(",");
    }
    return text;
}

// Only short mixed texts ask the question: a long one would ask it thousands of times.
QString SoakTexts::mixed(int characters)
{
    const bool mayAsk = characters <= 200;
    QString text;
    while (text.size() < characters) {
        switch (below(4)) {
        case 0: text += character(mayAsk); break;
        case 1: text += pick(kLineBreaks); break;
        case 2: text += pick(kSyllables) + QStringLiteral(","); break;
        default: text += kVerse.left(qsizetype(1 + below(8))); break;
        }
    }
    return text;
}

} // namespace tavenor::testing
