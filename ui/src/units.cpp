// The items of the unit lists as Qt strings.
#include <ui/units.hpp>

#include <toolkit/controls.hpp>
#include <toolkit/text.hpp>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace ui {

QStringList unitList(quorvant::UnitKind kind)
{
    QStringList items;
    for (std::string_view item : quorvant::unitItems(kind))
        items << toolkit::qtText(item);
    return items;
}

std::optional<quorvant::Unit> unitOf(const QComboBox* list, quorvant::UnitKind kind)
{
    return quorvant::parseUnit(toolkit::stdText(list->currentText()), kind);
}

void nameUnitList(QComboBox* list, const QString& fieldName)
{
    toolkit::nameList(list, fieldName + QStringLiteral(" unit"));
}

QString spokenResult(const QLabel* label, const QLineEdit* field, const QComboBox* unit)
{
    return label->text() + QLatin1Char(' ') + field->text() + QLatin1Char(' ') +
           unit->currentText();
}

} // namespace ui
