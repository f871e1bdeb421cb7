#include "metrictwins.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace ui::platform {

void substituteMetricTwins(Twins when)
{
    using namespace Qt::Literals::StringLiterals;
    const QStringList sans{u"Liberation Sans"_s, u"DejaVu Sans"_s};
    const QStringList serif{u"Liberation Serif"_s, u"DejaVu Serif"_s};
    // "Microsoft Sans Serif" is what Windows draws the bitmap "MS Sans Serif" as.
    const std::pair<QString, QStringList> twins[] = {{u"MS Sans Serif"_s, sans},
                                                     {u"Microsoft Sans Serif"_s, sans},
                                                     {u"Arial"_s, sans},
                                                     {u"Times New Roman"_s, serif}};
    for (const auto &[family, standIns] : twins) {
        if (when == Twins::Always || !QFontDatabase::hasFamily(family))
            QFont::insertSubstitutions(family, standIns);
    }
}

} // namespace ui::platform
