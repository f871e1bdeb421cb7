#include "answertext.h"

namespace drill::answertext {
namespace {

constexpr char16_t kBlank = u' ';

} // namespace

char16_t convertAccentKey(char16_t key)
{
    for (const AccentKey &accent : kAccentKeys) {
        if (accent.key == key)
            return accent.letter;
    }
    return key;
}

QString collapseBlanks(QStringView text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == kBlank && i > 0 && text[i - 1] == kBlank)
            continue;
        result.append(text[i]);
    }
    return result;
}

QStringView chopLeadingBlanks(QStringView text)
{
    qsizetype begin = 0;
    while (begin < text.size() && text[begin] == kBlank)
        ++begin;
    return text.sliced(begin);
}

QStringView chopTrailingBlanks(QStringView text)
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == kBlank)
        --end;
    return text.first(end);
}

QStringView trimBlanks(QStringView text)
{
    return chopTrailingBlanks(chopLeadingBlanks(text));
}

bool isSentenceInitial(QStringView textBefore)
{
    const QStringView trimmed = trimBlanks(textBefore);
    return trimmed.isEmpty() || trimmed == u"¡" || trimmed == u"¿";
}

bool upperCaseFirstLetter(QString &text)
{
    if (text.isEmpty())
        return false;
    const bool pair = text.size() > 1 && text[0].isHighSurrogate() && text[1].isLowSurrogate();
    const char32_t first = pair ? QChar::surrogateToUcs4(text[0], text[1]) : text[0].unicode();
    // The one-to-one mapping: a letter without a single upper-case letter (such as ß) stays.
    const char32_t upper = QChar::toUpper(first);
    if (upper == first)
        return false;
    text.replace(0, pair ? 2 : 1, QString::fromUcs4(&upper, 1));
    return true;
}

QString joined(std::initializer_list<QStringView> pieces)
{
    qsizetype size = 0;
    for (QStringView piece : pieces)
        size += piece.size();
    QString result;
    result.reserve(size);
    for (QStringView piece : pieces)
        result.append(piece);
    return result;
}

QString completedSentence(QStringView textBefore, QStringView answer, QStringView textAfter)
{
    QString sentence;
    sentence.reserve(textBefore.size() + answer.size() + textAfter.size() + 2);
    sentence.append(textBefore);
    if (textAfter == u"." || textAfter == u"?" || textAfter == u"!") {
        sentence.append(kBlank).append(answer).append(textAfter);
    } else if (textBefore == u"¿" || textBefore == u"¡") {
        sentence.append(answer).append(kBlank).append(textAfter);
    } else {
        sentence.append(kBlank).append(answer).append(kBlank).append(textAfter);
    }
    sentence.append(kBlank);
    return sentence;
}

} // namespace drill::answertext
