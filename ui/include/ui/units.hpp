// The unit lists of the windows: a list that knows the kind of unit it holds, and a result as a
// screen reader says it.
#pragma once

#include <quorvant/units.hpp>
#include <toolkit/controls.hpp>

#include <optional>

namespace ui {

// A list of the units of one kind, in list order ("Hz" "KHz" "MHz", …).
class UnitList : public toolkit::ComboBox {
    Q_OBJECT
    Q_DISABLE_COPY(UnitList)

public:
    UnitList(QWidget* parent, quorvant::UnitKind kind,
             toolkit::ListInput input = toolkit::ListInput::ChooseOnly);

    // The unit the current text names; nullopt for a typed text that is none of the items.
    std::optional<quorvant::Unit> unit() const;

    // Names the list for screen readers after its field: "Enter Freq unit".
    void nameAfter(const QString& fieldName);

private:
    quorvant::UnitKind kind_;
};

// "Cx Value 583.1 pF": a result field with its label and its unit.
QString spokenResult(const QLabel* label, const QLineEdit* field, const QComboBox* unit);

} // namespace ui
