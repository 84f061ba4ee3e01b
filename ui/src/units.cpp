// The unit lists, their items as Qt strings.
#include <ui/units.hpp>

#include <toolkit/text.hpp>

namespace ui {

namespace {
QStringList itemsOf(quorvant::UnitKind kind)
{
    QStringList items;
    for (std::string_view item : quorvant::unitItems(kind))
        items << toolkit::qtText(item);
    return items;
}
} // namespace

UnitList::UnitList(QWidget* parent, quorvant::UnitKind kind, toolkit::ListInput input)
    : ComboBox(parent, itemsOf(kind), input), kind_(kind)
{
}

std::optional<quorvant::Unit> UnitList::unit() const
{
    return quorvant::parseUnit(toolkit::stdText(currentText()), kind_);
}

void UnitList::nameAfter(const QString& fieldName)
{
    toolkit::nameList(this, fieldName + QStringLiteral(" unit"));
}

QString spokenResult(const QLabel* label, const QLineEdit* field, const QComboBox* unit)
{
    return label->text() + QLatin1Char(' ') + field->text() + QLatin1Char(' ') +
           unit->currentText();
}

} // namespace ui
