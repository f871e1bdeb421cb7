#include "fonts.h"

#include <QFont>
#include <QStringList>

namespace ui {

void registerFontSubstitutions()
{
    using namespace Qt::Literals::StringLiterals;
    QFont::insertSubstitutions(u"MS Sans Serif"_s, {u"Liberation Sans"_s, u"DejaVu Sans"_s});
    QFont::insertSubstitutions(u"Arial"_s, {u"Liberation Sans"_s, u"DejaVu Sans"_s});
    QFont::insertSubstitutions(u"Times New Roman"_s, {u"Liberation Serif"_s, u"DejaVu Serif"_s});
}

} // namespace ui
