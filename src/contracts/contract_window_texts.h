// The texts the contract list window and the contract dialog set from code; fixed labels live in their .ui files.
#pragma once

#include <QString>

namespace velmar::contract_window_texts {

// Dialog headings; the modification's heading is contract_texts::kModifyCaption.
inline const QString kAddCaption = QStringLiteral("Adaugare Contract");

// Search lists: the first item stands for any value.
inline const QString kAnyValue = QStringLiteral("* indiferent *");

// The list's heading; the window shows it indented by two blanks.
inline const QString kListHeading = QStringLiteral("Lista Contractelor");

// Grid bands and column titles, left to right.
inline const QString kContractBand = QStringLiteral("Contract de Concesiune");
inline const QString kHolderBand = QStringLiteral("Titular");
inline const QString kNumberTitle = QStringLiteral("Numarul");
inline const QString kDateTitle = QStringLiteral("Din data");
inline const QString kDurationTitle = QStringLiteral("Durata (ani)");
inline const QString kOutstandingTitle = QStringLiteral("Suma restanta");
inline const QString kActiveTitle = QStringLiteral("Activ");
inline const QString kNameTitle = QStringLiteral("Nume si prenume");
inline const QString kRolTitle = QStringLiteral("ROL");
inline const QString kCodeTitle = QStringLiteral("CNP / CUI");
inline const QString kAddressTitle = QStringLiteral("Adresa");
inline const QString kLocalityTitle = QStringLiteral("Localitatea");
inline const QString kCountyTitle = QStringLiteral("Judetul");
inline const QString kSurfaceTitle = QStringLiteral("Suprafata concesionata");
inline const QString kInstallmentTitle = QStringLiteral("Rata");
inline const QString kCurrencyTitle = QStringLiteral("Moneda");
inline const QString kFirstInstallmentTitle = QStringLiteral("Data primei rate");
inline const QString kStopPenaltiesTitle = QStringLiteral("Oprire Penalitati");

// Commands on an empty list.
inline const QString kChooseContractFirst = QStringLiteral("Alegeti mai intai un contract!");
inline const QString kDetailsCaption = QStringLiteral("Detalii Contract");
inline const QString kNoContractChosen = QStringLiteral("Nu exista nici un Contract ales!");

}  // namespace velmar::contract_window_texts
