#pragma once

#include <QString>
#include <QStringView>
#include <initializer_list>

// The text rules of the answer check, free of any window state.
namespace drill::answertext {

struct AccentKey
{
    char16_t key;
    char16_t letter;
};

// The six keys of the answer box that become Spanish letters, in the order they are tested.
inline constexpr AccentKey kAccentKeys[] = {
    {u';', u'é'}, {u'\'', u'á'}, {u'`', u'í'}, {u'[', u'ñ'}, {u'/', u'ú'}, {u'\\', u'ó'},
};

// Every other key is returned as it is.
char16_t convertAccentKey(char16_t key);

// Every run of blanks shrinks to one blank, as repeatedly replacing the first pair of blanks does.
QString collapseBlanks(QStringView text);

// Blanks are spaces (code 32) only; tabs and other white space are kept.
QStringView trimBlanks(QStringView text);
QStringView chopLeadingBlanks(QStringView text);
QStringView chopTrailingBlanks(QStringView text);

// The gap opens the sentence: the text before it, trimmed, is empty or only an opening mark.
bool isSentenceInitial(QStringView textBefore);

// Upper-cases the first code point in place; returns whether it changed.
bool upperCaseFirstLetter(QString &text);

// The pieces joined without separators.
QString joined(std::initializer_list<QStringView> pieces);

// The completed sentence as it is appended to the running text, trailing blank included.
QString completedSentence(QStringView textBefore, QStringView answer, QStringView textAfter);

} // namespace drill::answertext
