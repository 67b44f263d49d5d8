// The sample grid.
#include "sample_table.h"

#include "store/rounding.h"

namespace velmar::test {

const std::vector<GridColumn<Item>>& itemColumns()
{
    using R = const Item&;
    static const QString contract = QStringLiteral("Contract de Concesiune");
    static const QString holder = QStringLiteral("Titular");
    static const std::vector<GridColumn<Item>> columns{
        {contract, "Numarul", 6, kNumberAlignment, [](R r) { return numberText(r.number); }, Emphasis::BoldRed, nullptr,
         ValueKind::Number},
        {contract, "Din data", 10, kCentredAlignment, [](R r) { return dayText(r.day); }, Emphasis::Plain, nullptr,
         ValueKind::Date},
        {holder, "Nume si prenume", 20, kTextAlignment, [](R r) { return r.name; }},
        {holder, "CNP / CUI", 13, kTextAlignment, [](R r) { return r.code; }},
        {{},
         "Suprafata",
         6,
         kNumberAlignment,
         [](R r) { return formatNumber(r.area); },
         Emphasis::Plain,
         nullptr,
         ValueKind::Number},
    };
    return columns;
}

std::vector<Item> sampleItems()
{
    return {
        {7, 45352, QStringLiteral("Ştefănescu, \"Ţuţu\""), QStringLiteral("1800101221144"), 12.5},
        {12, 0, QStringLiteral("SC <A&B> SRL; {x}\\y"), QStringLiteral("0012"), 3},
        {130, 46367, QStringLiteral("Ana\tMaria"), QString(), -0.25},
    };
}

ShownTable sampleTable()
{
    return shownTable(QStringLiteral("  Lista Contractelor"), QDate(2026, 12, 11), itemColumns(), sampleItems());
}

}  // namespace velmar::test
