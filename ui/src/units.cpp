// The items of the unit lists as Qt strings.
#include <ui/units.hpp>

#include <toolkit/text.hpp>

namespace ui {

QStringList unitList(quorvant::UnitKind kind)
{
    QStringList items;
    for (std::string_view item : quorvant::unitItems(kind))
        items << toolkit::qtText(item);
    return items;
}

} // namespace ui
