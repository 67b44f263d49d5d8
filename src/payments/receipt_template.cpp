// The carried receipt form, written as RTF tables: the identity lines, the payer block, the seven amount
// rows with their total, the date and the collector block; the form twice, a cut line between.
#include "payments/receipt_template.h"

#include <QStringList>
#include <vector>

namespace velmar {

namespace {

// Twips: an A4 page with 1.5 cm left and 1 cm other margins.
constexpr int kWidth = 11906 - 851 - 567;

enum class Align { Left, Centre, Right };

struct Cell {
    int right;     // the cell's right edge, from the left margin
    QString text;  // RTF text
    Align align = Align::Left;
    bool shaded = false;
    enum class Merge { None, First, Continued } merge = Merge::None;
};

struct Row {
    std::vector<Cell> cells;
    int height = 0;  // at least; 0 for the text's own height
    bool framed = true;
};

const char* alignment(Align align)
{
    switch (align) {
    case Align::Left:
        return "\\ql";
    case Align::Centre:
        return "\\qc";
    case Align::Right:
        return "\\qr";
    }
    return "";
}

// One line per cell definition and one per cell's text, so that each tag stands on a line of its own.
void addRow(QStringList& lines, const Row& row)
{
    lines << QStringLiteral("\\trowd\\trgaph70\\trleft0\\trrh%1").arg(row.height);
    for (const Cell& c : row.cells) {
        QString definition;
        if (c.merge == Cell::Merge::First)
            definition += QStringLiteral("\\clvmgf");
        if (c.merge == Cell::Merge::Continued)
            definition += QStringLiteral("\\clvmrg");
        definition += QStringLiteral("\\clvertalc");
        if (row.framed)
            for (const char* side : {"t", "l", "b", "r"})
                definition += QStringLiteral("\\clbrdr%1\\brdrs\\brdrw10").arg(QLatin1String(side));
        if (c.shaded)
            definition += QStringLiteral("\\clcbpat2");
        lines << definition + QStringLiteral("\\cellx%1").arg(c.right);
    }
    for (const Cell& c : row.cells)
        lines << QStringLiteral("\\pard\\plain\\intbl\\sb30\\sa30%1\\f0\\fs17 %2\\cell")
                     .arg(QLatin1String(alignment(c.align)), c.text);
    lines << QStringLiteral("\\row");
}

void addParagraph(QStringList& lines, const QString& format, const QString& text)
{
    lines << QStringLiteral("\\pard\\plain%1\\f0 %2\\par").arg(format, text);
}

QString small(const QString& text) { return QStringLiteral("{\\fs13\\b %1}").arg(text); }
QString bold(const QString& text) { return QStringLiteral("{\\b %1}").arg(text); }

// The amount table's column edges: name, budget code, then Curente, Restante, Majorari, Total.
constexpr int kName = 3900, kCode = 5100, kCurrent = 6450, kOverdue = 7800, kPenalty = 9150;

Row amountRow(int k)
{
    // The penalty tag of the first two rows is written in capitals, as the office's form always had it.
    const QString penalty = k <= 2 ? QStringLiteral("[MAJ%1]") : QStringLiteral("[Maj%1]");
    return {{{kName, QStringLiteral("[Linia%1]").arg(k)},
             {kCode, {}},
             {kCurrent, QStringLiteral("[Curent%1]").arg(k), Align::Right},
             {kOverdue, QStringLiteral("[Rest%1]").arg(k), Align::Right},
             {kPenalty, penalty.arg(k), Align::Right},
             {kWidth, QStringLiteral("[Total%1]").arg(k), Align::Right}},
            300};
}

void addForm(QStringList& lines)
{
    addRow(lines,
           {{{6000,
              QStringLiteral("JUDETUL  ") + bold(QStringLiteral("[JUDET]")) + QStringLiteral("\\line PRIMARIA  ") +
                  bold(QStringLiteral("[COMUNA]")) +
                  QStringLiteral("\\line Cod de inregistrare fiscala (C.U.I.): ..................")},
             {kWidth, QStringLiteral("Seria ........ nr. ") + bold(QStringLiteral("[NRC]")), Align::Right}},
            0,
            false});
    addParagraph(lines, QStringLiteral("\\qc\\sb100\\fs28\\b"), QStringLiteral("CHITANTA"));
    addParagraph(lines, QStringLiteral("\\qc\\sa100\\fs17\\b"), QStringLiteral("PENTRU CREANTE ALE BUGETELOR LOCALE"));

    addRow(lines, {{{kWidth, small(QStringLiteral("ELEMENTE DE IDENTIFICARE A PLATITORULUI")), Align::Centre, true}}});
    addRow(lines,
           {{{2600,
              small(QStringLiteral("NR.DE ROL NOMINAL UNIC")) + QStringLiteral("\\line PF   ") +
                  bold(QStringLiteral("[ROL]"))},
             {kWidth,
              small(QStringLiteral("Contribuabil:")) + QStringLiteral("\\line ") + bold(QStringLiteral("[Nume]")) +
                  QStringLiteral("\\line [Adresa]")}}});
    addRow(lines,
           {{{5600, QStringLiteral("Platitor:  ") + bold(QStringLiteral("[Nume]"))},
             {kWidth,
              QStringLiteral("Cod numeric personal      ") + bold(QStringLiteral("[CNP]")) +
                  QStringLiteral("\\line Cod unic de inregistrare  ..................")}}});
    addParagraph(lines, QStringLiteral("\\fs8"), {});

    addRow(
        lines,
        {{{kName, small(QStringLiteral("DENUMIREA CREANTEI BUGETULUI LOCAL")), Align::Centre, true, Cell::Merge::First},
          {kCode, small(QStringLiteral("CODUL")) + QStringLiteral("\\line {\\fs13 din clasificarea bugetara}"),
           Align::Centre, true, Cell::Merge::First},
          {kWidth, small(QStringLiteral("SUMELE INCASATE")) + QStringLiteral("\\line {\\fs13 - lei -}"), Align::Centre,
           true}}});
    addRow(lines,
           {{{kName, {}, Align::Centre, true, Cell::Merge::Continued},
             {kCode, {}, Align::Centre, true, Cell::Merge::Continued},
             {kCurrent, small(QStringLiteral("Curente")), Align::Centre, true},
             {kOverdue, small(QStringLiteral("Restante")), Align::Centre, true},
             {kPenalty, small(QStringLiteral("Majorari")), Align::Centre, true},
             {kWidth, small(QStringLiteral("Total")), Align::Centre, true}}});
    for (int k = 1; k <= 7; ++k)
        addRow(lines, amountRow(k));
    addRow(lines,
           {{{kCode, bold(QStringLiteral("T O T A L")), Align::Centre},
             {kPenalty, {}},
             {kWidth, bold(QStringLiteral("[TOTAL]")), Align::Right}},
            320});

    addRow(lines,
           {{{6400,
              QStringLiteral("{\\i\\fs14 Chitantele sunt valabile numai daca au aplicat pe verso"
                             "\\line sigiliul autoritatii administratiei publice locale.}")},
             {kWidth, bold(QStringLiteral("DATA INCASARII :")) + QStringLiteral("  [Data]"), Align::Right}},
            0,
            false});

    addRow(lines, {{{kWidth, small(QStringLiteral("ELEMENTE DE IDENTIFICARE A INCASATORULUI")), Align::Centre, true}}});
    addRow(lines,
           {{{3000, small(QStringLiteral("LEGITIMATIA")) + QStringLiteral("\\line NR.  ..............")},
             {7400, small(QStringLiteral("NUMELE SI PRENUMELE")) + QStringLiteral("\\line ")},
             {kWidth, small(QStringLiteral("SEMNATURA,")) + QStringLiteral("\\line ")}},
            620});
}

}  // namespace

QByteArray BuildReceiptTemplate()
{
    QStringList lines{
        QStringLiteral("{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1048\\uc1"),
        QStringLiteral("{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}"),
        QStringLiteral("{\\colortbl;\\red0\\green0\\blue0;\\red222\\green222\\blue222;}"),
        QStringLiteral("{\\info{\\title Chitanta pentru creante ale bugetelor locale}}"),
        QStringLiteral("\\paperw11906\\paperh16838\\margl851\\margr567\\margt567\\margb567\\viewkind1"),
        QStringLiteral("\\pard\\plain\\f0\\fs17"),  // the body starts here
    };
    addForm(lines);
    // The cut line between the two forms.
    addParagraph(lines, QStringLiteral("\\sb160\\sa60\\brdrb\\brdrdash\\brdrw10\\fs8"), {});
    addParagraph(lines, QStringLiteral("\\sa160\\fs8"), {});
    addForm(lines);
    lines << QStringLiteral("}");
    return lines.join(u'\n').toLatin1() + '\n';
}

}  // namespace velmar
