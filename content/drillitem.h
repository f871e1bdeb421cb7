#pragma once

#include <QStringView>

namespace content {

// One exercise sentence with a gap where the conjugated verb belongs.
struct DrillItem
{
    QStringView textBefore;
    QStringView infinitive;
    QStringView answer;
    QStringView textAfter;
    QStringView person;
};

} // namespace content
