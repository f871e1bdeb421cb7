#pragma once

#include "answertext.h"

#include <QString>

namespace testsupport {

// The keys a learner on an English keyboard types for an answer: the six accent keys of the
// answer box stand for the Spanish letters.
inline QString keysFor(QStringView answer)
{
    QString keys;
    keys.reserve(answer.size());
    for (QChar letter : answer) {
        QChar key = letter;
        for (const drill::answertext::AccentKey &accent : drill::answertext::kAccentKeys) {
            if (accent.letter == letter.unicode())
                key = QChar(accent.key);
        }
        keys += key;
    }
    return keys;
}

} // namespace testsupport
