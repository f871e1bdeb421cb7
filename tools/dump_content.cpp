// Prints every exercise item as tab-separated values, for proofreading in a spreadsheet.
#include "catalogue.h"

#include <cstdio>

int main()
{
    std::fputs("window\tindex\ttextBefore\tinfinitive\tanswer\ttextAfter\tperson\n", stdout);
    for (const content::ExerciseGroup &group : content::exerciseGroups()) {
        const QByteArray window = group.window.toUtf8();
        for (std::size_t k = 0; k < group.items.size(); ++k) {
            const content::DrillItem &item = group.items[k];
            std::printf("%s\t%zu\t%s\t%s\t%s\t%s\t%s\n", window.constData(), k,
                        item.textBefore.toUtf8().constData(), item.infinitive.toUtf8().constData(),
                        item.answer.toUtf8().constData(), item.textAfter.toUtf8().constData(),
                        item.person.toUtf8().constData());
        }
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
