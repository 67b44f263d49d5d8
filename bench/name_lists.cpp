// The lists behind generated holders; Ş and Ţ with cedilla, the forms Windows-1250 holds.
#include "bench/name_lists.h"

namespace velmar::bench {

std::span<const char* const> maleFirstNames()
{
    static const char* const names[] = {
        "Ion",       "Gheorghe",   "Vasile", "Constantin", "Nicolae",  "Mihai",     "Dumitru",  "Ştefan",
        "Alexandru", "Andrei",     "Costel", "Florin",     "Marian",   "Cătălin",   "Răzvan",   "Ionuţ",
        "Bogdan",    "Gheorghiţă", "Petru",  "Radu",       "Sorin",    "Tudor",     "Viorel",   "Aurel",
        "Cristian",  "Dănuţ",      "Lucian", "Mircea",     "Ovidiu",   "Traian",    "Costică",  "Neculai",
        "Grigore",   "Ilie",       "Iulian", "Marcel",     "Octavian", "Sebastian", "Valentin", "Virgil",
    };
    return names;
}

std::span<const char* const> femaleFirstNames()
{
    static const char* const names[] = {
        "Maria",    "Elena",      "Ioana",    "Ana",      "Mihaela",     "Andreea",  "Cristina", "Daniela",
        "Gabriela", "Florentina", "Georgeta", "Ştefania", "Lăcrămioara", "Mărioara", "Rodica",   "Viorica",
        "Violeta",  "Tatiana",    "Nicoleta", "Luminiţa", "Alina",       "Simona",   "Irina",    "Anişoara",
        "Floarea",  "Ileana",     "Doiniţa",  "Ţinca",    "Aurelia",     "Cornelia", "Domniţa",  "Ecaterina",
    };
    return names;
}

std::span<const char* const> surnames()
{
    static const char* const names[] = {
        "Popescu",  "Ionescu",   "Popa",     "Pop",        "Niţă",       "Constantin", "Stan",       "Dumitru",
        "Dinu",     "Stoica",    "Gheorghe", "Matei",      "Ciobanu",    "Rusu",       "Munteanu",   "Ştefănescu",
        "Mureşan",  "Lungu",     "Tănase",   "Ţurcanu",    "Bălan",      "Răducanu",   "Vlădescu",   "Cârstea",
        "Mocanu",   "Neagu",     "Şerban",   "Oprea",      "Dumitrescu", "Georgescu",  "Mihăilă",    "Ene",
        "Ţăran",    "Moldovan",  "Crăciun",  "Bogdan",     "Iordache",   "Toma",       "Voicu",      "Preda",
        "Sârbu",    "Ursu",      "Băncilă",  "Răileanu",   "Vasilescu",  "Pârvu",      "Nistor",     "Bucur",
        "Tudose",   "Ardeleanu", "Bârsan",   "Dobre",      "Lazăr",      "Manole",     "Frăţilă",    "Costache",
        "Zamfir",   "Istrate",   "Păun",     "Ţârlea",     "Şandru",     "Coman",      "Anghel",     "Avram",
        "Grigore",  "Săvulescu", "Chiriţă",  "Florea",     "Enache",     "Cristea",    "Dragomir",   "Gavrilă",
        "Moraru",   "Olaru",     "Roşca",    "Rădulescu",  "Vişan",      "Zaharia",    "Ţugui",      "Împăratu",
        "Căpăţână", "Hârţescu",  "Negruţ",   "Bârlădeanu", "Şuşter",     "Prodan",     "Andronache", "Cozma",
    };
    return names;
}

std::span<const char* const> companyStems()
{
    static const char* const stems[] = {
        "Mureşana",     "Bârsana",      "Ţara Oltului",   "Carpaţi",  "Dâmboviţa",       "Făget",          "Brădet",
        "Stejarul",     "Izvorul Rece", "Pădurea Verde",  "Câmpia",   "Lunca Siretului", "Valea Prahovei", "Fântâna",
        "Mărul de Aur", "Înfrăţirea",   "Ţăranul Harnic", "Viişoara", "Dealul Mare",     "Ştiubeiul",
    };
    return stems;
}

std::span<const char* const> companyTrades()
{
    static const char* const trades[] = {"Agro", "Construct", "Prod Com", "Impex", "Trans", "Serv", "Invest", "Comerţ"};
    return trades;
}

std::span<const char* const> streets()
{
    static const char* const names[] = {
        "Mihai Eminescu",
        "Ştefan cel Mare",
        "Unirii",
        "Republicii",
        "1 Decembrie 1918",
        "Mihai Viteazul",
        "Avram Iancu",
        "Tudor Vladimirescu",
        "Libertăţii",
        "Independenţei",
        "Gării",
        "Morii",
        "Fântânii",
        "Păcii",
        "Primăverii",
        "Viilor",
        "Câmpului",
        "Bisericii",
        "Şcolii",
        "Trandafirilor",
        "Teilor",
        "Plopilor",
        "Nicolae Bălcescu",
        "Alexandru Ioan Cuza",
        "Ion Creangă",
        "Tineretului",
        "Mărăşeşti",
        "Griviţei",
        "Înfrăţirii",
        "Dealului",
        "Constantin Brâncoveanu",
        "Ţebei",
        "Izvorului",
        "Salcâmilor",
        "Pădurii",
        "Oituz",
    };
    return names;
}

std::span<const Locality> localities()
{
    static const Locality places[] = {
        {"Alba Iulia", "ALBA"},
        {"Sebeş", "ALBA"},
        {"Blaj", "ALBA"},
        {"Arad", "ARAD"},
        {"Lipova", "ARAD"},
        {"Piteşti", "ARGES"},
        {"Curtea de Argeş", "ARGES"},
        {"Ştefăneşti", "ARGES"},
        {"Bacău", "BACAU"},
        {"Oneşti", "BACAU"},
        {"Oradea", "BIHOR"},
        {"Salonta", "BIHOR"},
        {"Bistriţa", "BISTRITA-NASAUD"},
        {"Năsăud", "BISTRITA-NASAUD"},
        {"Botoşani", "BOTOSANI"},
        {"Dorohoi", "BOTOSANI"},
        {"Braşov", "BRASOV"},
        {"Făgăraş", "BRASOV"},
        {"Brăila", "BRAILA"},
        {"Însurăţei", "BRAILA"},
        {"Buzău", "BUZAU"},
        {"Râmnicu Sărat", "BUZAU"},
        {"Reşiţa", "CARAS-SEVERIN"},
        {"Caransebeş", "CARAS-SEVERIN"},
        {"Călăraşi", "CALARASI"},
        {"Olteniţa", "CALARASI"},
        {"Cluj-Napoca", "CLUJ"},
        {"Turda", "CLUJ"},
        {"Dej", "CLUJ"},
        {"Constanţa", "CONSTANTA"},
        {"Mangalia", "CONSTANTA"},
        {"Sfântu Gheorghe", "COVASNA"},
        {"Târgu Secuiesc", "COVASNA"},
        {"Târgovişte", "DAMBOVITA"},
        {"Găeşti", "DAMBOVITA"},
        {"Craiova", "DOLJ"},
        {"Băileşti", "DOLJ"},
        {"Galaţi", "GALATI"},
        {"Tecuci", "GALATI"},
        {"Giurgiu", "GIURGIU"},
        {"Bolintin-Vale", "GIURGIU"},
        {"Târgu Jiu", "GORJ"},
        {"Ţicleni", "GORJ"},
        {"Miercurea Ciuc", "HARGHITA"},
        {"Odorheiu Secuiesc", "HARGHITA"},
        {"Deva", "HUNEDOARA"},
        {"Petroşani", "HUNEDOARA"},
        {"Slobozia", "IALOMITA"},
        {"Ţăndărei", "IALOMITA"},
        {"Iaşi", "IASI"},
        {"Paşcani", "IASI"},
        {"Buftea", "ILFOV"},
        {"Brăneşti", "ILFOV"},
        {"Baia Mare", "MARAMURES"},
        {"Sighetu Marmaţiei", "MARAMURES"},
        {"Bârsana", "MARAMURES"},
        {"Drobeta-Turnu Severin", "MEHEDINTI"},
        {"Orşova", "MEHEDINTI"},
        {"Târgu Mureş", "MURES"},
        {"Sighişoara", "MURES"},
        {"Piatra Neamţ", "NEAMT"},
        {"Vânători-Neamţ", "NEAMT"},
        {"Slatina", "OLT"},
        {"Caracal", "OLT"},
        {"Ploieşti", "PRAHOVA"},
        {"Câmpina", "PRAHOVA"},
        {"Satu Mare", "SATU-MARE"},
        {"Carei", "SATU-MARE"},
        {"Zalău", "SALAJ"},
        {"Şimleu Silvaniei", "SALAJ"},
        {"Sibiu", "SIBIU"},
        {"Mediaş", "SIBIU"},
        {"Suceava", "SUCEAVA"},
        {"Fălticeni", "SUCEAVA"},
        {"Rădăuţi", "SUCEAVA"},
        {"Alexandria", "TELEORMAN"},
        {"Roşiorii de Vede", "TELEORMAN"},
        {"Timişoara", "TIMIS"},
        {"Lugoj", "TIMIS"},
        {"Tulcea", "TULCEA"},
        {"Măcin", "TULCEA"},
        {"Vaslui", "VASLUI"},
        {"Bârlad", "VASLUI"},
        {"Huşi", "VASLUI"},
        {"Râmnicu Vâlcea", "VALCEA"},
        {"Drăgăşani", "VALCEA"},
        {"Focşani", "VRANCEA"},
        {"Mărăşeşti", "VRANCEA"},
        {"Bucureşti", "BUCURESTI"},
    };
    return places;
}

std::span<const char* const> remarks()
{
    static const char* const texts[] = {
        "Teren pentru chioşc",
        "Păşune comunală",
        "Teren agricol extravilan",
        "Spaţiu comercial în piaţă",
        "Teren pentru construcţie locuinţă",
        "Concesiune prelungită prin act adiţional",
        "Teren pentru garaj",
        "Luciu de apă, amenajare piscicolă",
        "Teren aferent staţiei de carburanţi",
        "Plata se face în două tranşe",
    };
    return texts;
}

}  // namespace velmar::bench
