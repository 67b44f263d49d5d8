// The county list.
#include "store/counties.h"

namespace velmar {

const QStringList& counties()
{
    static const QStringList list{
        QStringLiteral("ALBA"),      QStringLiteral("ARAD"),          QStringLiteral("ARGES"),
        QStringLiteral("BACAU"),     QStringLiteral("BIHOR"),         QStringLiteral("BISTRITA-NASAUD"),
        QStringLiteral("BOTOSANI"),  QStringLiteral("BRASOV"),        QStringLiteral("BRAILA"),
        QStringLiteral("BUZAU"),     QStringLiteral("CARAS-SEVERIN"), QStringLiteral("CALARASI"),
        QStringLiteral("CLUJ"),      QStringLiteral("CONSTANTA"),     QStringLiteral("COVASNA"),
        QStringLiteral("DAMBOVITA"), QStringLiteral("DOLJ"),          QStringLiteral("GALATI"),
        QStringLiteral("GIURGIU"),   QStringLiteral("GORJ"),          QStringLiteral("HARGHITA"),
        QStringLiteral("HUNEDOARA"), QStringLiteral("IALOMITA"),      QStringLiteral("IASI"),
        QStringLiteral("ILFOV"),     QStringLiteral("MARAMURES"),     QStringLiteral("MEHEDINTI"),
        QStringLiteral("MURES"),     QStringLiteral("NEAMT"),         QStringLiteral("OLT"),
        QStringLiteral("PRAHOVA"),   QStringLiteral("SATU-MARE"),     QStringLiteral("SALAJ"),
        QStringLiteral("SIBIU"),     QStringLiteral("SUCEAVA"),       QStringLiteral("TELEORMAN"),
        QStringLiteral("TIMIS"),     QStringLiteral("TULCEA"),        QStringLiteral("VASLUI"),
        QStringLiteral("VALCEA"),    QStringLiteral("VRANCEA"),       QStringLiteral("BUCURESTI"),
    };
    return list;
}

QString countyName(qint64 index) { return index >= 0 && index < counties().size() ? counties().at(index) : QString(); }

}  // namespace velmar
