// The items of the unit lists as Qt strings.
#pragma once

#include <quorvant/units.hpp>

#include <QStringList>

namespace ui {

QStringList unitList(quorvant::UnitKind kind);

} // namespace ui
