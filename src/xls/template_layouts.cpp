// The three carried templates as data. The band row of each carries "#DBF" right of the printed table,
// and the totals sum from the heading row above the band down to the band: inserting the data rows at
// the band widens the sums, deleting the band afterwards leaves exactly the data rows.
#include "xls/template_layouts.h"

namespace velmar::xls {

namespace {

using enum CellLook;

const TemplateLayout kFisaCalcul{
    "FisaCalcul",
    {5.1, 12.1, 37.6, 10.3, 10, 9.6, 9, 8.9, 10, 10.4, 11.3},
    7,
    {
        {2, 'B', Title, "FISA DE CALCUL CONTRACT CONCESIUNE"},
        {3, 'B', Plain, "#LaData"},
        {4, 'B', Bold, "#NUME"},
        {5, 'B', Plain, "#CONTRACT"},
        {5, 'D', Plain, "Suma"},
        {5, 'E', Plain, "#RATA"},
        {5, 'F', Plain, "#MONEDA"},
        {7, 'A', HeadingUpper, "Nr."},
        {7, 'B', HeadingUpper, "Data"},
        {7, 'C', HeadingUpper, "Explicatii"},
        {7, 'D', HeadingUpper, "Adaugat"},
        {7, 'E', HeadingUpper, "Achitat"},
        {7, 'F', HeadingUpper, "Sold"},
        {7, 'G', HeadingUpper, "Zile"},
        {7, 'H', HeadingUpper, "Luni"},
        {7, 'J', HeadingUpper, "Penalitati"},
        {8, 'A', HeadingLower, "crt."},
        {8, 'B', HeadingLower, "impunerii"},
        {8, 'D', HeadingLower, "la plata"},
        {8, 'I', HeadingLower, "Adaugate"},
        {8, 'J', HeadingLower, "Achitate"},
        {8, 'K', HeadingLower, "Sold"},
        {9, 'A', BandAmount, "%NRCRT"},
        {9, 'B', BandDate, "#DATASTAB"},
        {9, 'C', BandExplanation, "#EXPLIC"},
        {9, 'D', BandAmount, "#ADDCUR"},
        {9, 'E', BandAmount, "#PLATACUR"},
        {9, 'F', BandAmount, "#SOLDCUR"},
        {9, 'G', BandAmount, "#NRZILE"},
        {9, 'H', BandAmount, "#NRLUNI"},
        {9, 'I', BandAmount, "#ADDPEN"},
        {9, 'J', BandAmount, "#PLATAPEN"},
        {9, 'K', BandAmount, "#SOLDPEN"},
        {9, 'L', Plain, "#DBF"},
    },
};

const TemplateLayout kDatorii{
    "Datorii",
    {6.1, 34.4, 18.6, 11.9, 14.6, 12.7, 12.4, 10.9, 10.4},
    5,
    {
        {2, 'D', CentredTitle, "BORDEROU DATORII"},
        {3, 'D', CentredTag, "#LADATA"},
        {5, 'A', HeadingUpper, "Nr."},
        {5, 'B', HeadingUpper, "Titular contract"},
        {5, 'C', HeadingUpper, "CNP/CUI"},
        {5, 'D', HeadingUpper, "ROL"},
        {5, 'E', HeadingUpper, "Data"},
        {5, 'F', HeadingUpper, "Curent"},
        {5, 'G', HeadingUpper, "Restanta"},
        {5, 'H', HeadingUpper, "Penalitati"},
        {5, 'I', HeadingUpper, "Total"},
        {6, 'A', HeadingLower, "crt."},
        {6, 'E', HeadingLower, "scadentei"},
        {7, 'A', BandAmount, "%NRCRT"},
        {7, 'B', BandText, "#NUME"},
        {7, 'C', BandText, "#CNP"},
        {7, 'D', BandText, "#ROL"},
        {7, 'E', BandDate, "#DATAPEN"},
        {7, 'F', BandAmount, "#CURENT"},
        {7, 'G', BandAmount, "#RESTANTA"},
        {7, 'H', BandAmount, "#PENTOTAL"},
        {7, 'I', BandAmount, "=F7+G7+H7"},
        {7, 'J', Plain, "#DBF"},
        {8, 'E', TotalLabel, "TOTAL"},
        {8, 'F', TotalAmount, "=SUM(F6:F7)"},
        {8, 'G', TotalAmount, "=SUM(G6:G7)"},
        {8, 'H', TotalAmount, "=SUM(H6:H7)"},
        {8, 'I', TotalAmount, "=SUM(I6:I7)"},
    },
};

const TemplateLayout kIncas{
    "Incasari",
    {6.1, 31.6, 17.3, 10.4, 16.9, 11.4, 12.4, 10.9, 10.9, 10.4},
    5,
    {
        {2, 'E', CentredTitle, "BORDEROU INCASARI VELMAR"},
        {3, 'E', CentredTag, "#perioada"},
        {5, 'A', HeadingUpper, "Nr."},
        {5, 'B', HeadingUpper, "Titular contract"},
        {5, 'C', HeadingUpper, "CNP/CUI"},
        {5, 'D', HeadingUpper, "ROL"},
        {5, 'E', HeadingUpper, "Document"},
        {5, 'F', HeadingUpper, "Numar"},
        {5, 'G', HeadingUpper, "Din data"},
        {5, 'H', HeadingUpper, "Rata"},
        {5, 'I', HeadingUpper, "Penalitati"},
        {5, 'J', HeadingUpper, "Total"},
        {6, 'A', HeadingLower, "crt."},
        {7, 'A', BandAmount, "%NRCRT"},
        {7, 'B', BandText, "#NUME"},
        {7, 'C', BandText, "#CNP"},
        {7, 'D', BandText, "#ROL"},
        {7, 'E', BandText, "#DOCJUS"},
        {7, 'F', BandText, "#NRCHIT"},
        {7, 'G', BandDate, "#DATACHIT"},
        {7, 'H', BandAmount, "#SUMA"},
        {7, 'I', BandAmount, "#PENAL"},
        {7, 'J', BandAmount, "=H7+I7"},
        {7, 'K', Plain, "#DBF"},
        {8, 'F', TotalLabel, "TOTAL"},
        {8, 'H', TotalAmount, "=SUM(H6:H7)"},
        {8, 'I', TotalAmount, "=SUM(I6:I7)"},
        {8, 'J', TotalAmount, "=SUM(J6:J7)"},
    },
};

}  // namespace

const TemplateLayout& carriedLayout(CarriedTemplate which)
{
    switch (which) {
    case CarriedTemplate::FisaCalcul:
        return kFisaCalcul;
    case CarriedTemplate::Datorii:
        return kDatorii;
    case CarriedTemplate::Incas:
        return kIncas;
    }
    return kFisaCalcul;
}

}  // namespace velmar::xls
