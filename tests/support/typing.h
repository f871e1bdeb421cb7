#pragma once

#include <QString>

namespace testsupport {

// The keys a learner on an English keyboard types for an answer: the six accent keys of the
// answer box stand for the Spanish letters.
inline QString keysFor(QStringView answer)
{
    QString keys;
    keys.reserve(answer.size());
    for (QChar letter : answer) {
        switch (letter.unicode()) {
        case u'á':
            keys += u'\'';
            break;
        case u'é':
            keys += u';';
            break;
        case u'í':
            keys += u'`';
            break;
        case u'ó':
            keys += u'\\';
            break;
        case u'ú':
            keys += u'/';
            break;
        case u'ñ':
            keys += u'[';
            break;
        default:
            keys += letter;
        }
    }
    return keys;
}

} // namespace testsupport
