// The unit lists of the windows: their items, the unit a list names, and a result as a screen
// reader says it.
#pragma once

#include <quorvant/units.hpp>

#include <QStringList>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;

namespace ui {

QStringList unitList(quorvant::UnitKind kind);

// The unit a list's current text names; nullopt for a typed text that is none of its items.
std::optional<quorvant::Unit> unitOf(const QComboBox* list, quorvant::UnitKind kind);

// Names a unit list for screen readers after its field: "Enter Freq unit".
void nameUnitList(QComboBox* list, const QString& fieldName);

// "Cx Value 583.1 pF": a result field with its label and its unit.
QString spokenResult(const QLabel* label, const QLineEdit* field, const QComboBox* unit);

} // namespace ui
