#include "documents/sampleperson.h"
#include "core/random.h"
#include "core/textinput.h"

namespace sampleperson {
const QStringList FirstNameTable{
    QStringLiteral("Antonio"),  QStringLiteral("Anna"),    QStringLiteral("Joan"),
    QStringLiteral("Adalbert"), QStringLiteral("Mohamed"), QStringLiteral("Ariket"),
    QStringLiteral("Isabel"),   QStringLiteral("Mohamed"), QStringLiteral("Kerma"),
    QStringLiteral("Adalia"),   QStringLiteral("Israel"),  QStringLiteral("Valentino"),
    QStringLiteral("Clara"),    QStringLiteral("Pesia"),   QStringLiteral("Manuela"),
    QStringLiteral("Emilia"),   QStringLiteral("Luisa"),   QStringLiteral("Jacinto"),
    QStringLiteral("Noelia"),   QStringLiteral("Ester"),   QStringLiteral("Pinito"),
};

const QStringList SurnameTable{
    QStringLiteral("García"),
    QStringLiteral("Pérez"),
    QStringLiteral("Gracia"),
    QStringLiteral("León"),
    QStringLiteral("Santillana"),
    QStringLiteral("Suárez"),
    QStringLiteral("Santillana"),
    QStringLiteral("Pons"),
    QStringLiteral("Catalán"),
    QStringLiteral("Almeda"),
    QStringLiteral("Alameda"),
    QStringLiteral("Granja"),
    QStringLiteral("Cases"),
    QStringLiteral("Bermejo"),
    QStringLiteral("Aragones"),
    QStringLiteral("Millán"),
    QStringLiteral("Sastre"),
    QStringLiteral("Anido"),
    QStringLiteral("Casas"),
    QStringLiteral("Pesrero"),
    QStringLiteral("Colmenar"),
    QStringLiteral("Guerra"),
    QStringLiteral("Suárez"),
    QStringLiteral("Sala"),
    QStringLiteral("Colom"),
    QStringLiteral("Arjona"),
    QStringLiteral("Melero"),
    QStringLiteral("Casitas"),
    QStringLiteral("Niruel"),
    QStringLiteral("Saltador"),
    QStringLiteral("Ciprés"),
    // Our own ordinary surnames.
    QStringLiteral("Ferrer"),
    QStringLiteral("Vidal"),
    QStringLiteral("Puig"),
    QStringLiteral("Serra"),
};

const QStringList TownTable{
    QStringLiteral("Santa Marta"),  QStringLiteral("Titana"),         QStringLiteral("Santa Joan"),
    QStringLiteral("Albaricoques"), QStringLiteral("Calariaba"),      QStringLiteral("Playa Aransa"),
    QStringLiteral("Tarantana"),    QStringLiteral("Collado"),        QStringLiteral("Tirantos"),
    QStringLiteral("Tracasa"),      QStringLiteral("Torre Palacios"), QStringLiteral("Plamans"),
    QStringLiteral("Plegamans"),    QStringLiteral("Mifras"),         QStringLiteral("Cabreta"),
    QStringLiteral("Saredella"),    QStringLiteral("Risae"),          QStringLiteral("Herbes"),
    QStringLiteral("Molta"),        QStringLiteral("Castella"),
};

const QStringList StreetTable{
    QStringLiteral("Avinguda Montserrat"),
    QStringLiteral("Platanera"),
    QStringLiteral("Voretetes"),
    QStringLiteral("Platgeta"),
    QStringLiteral("Esglesia"),
    QStringLiteral("Andalucia"),
    QStringLiteral("Tarragona"),
    QStringLiteral("Diagonal"),
    QStringLiteral("Telesforo"),
    QStringLiteral("Primero de Mayo"),
    QStringLiteral("Gran Via"),
    QStringLiteral("Bacalao"),
    QStringLiteral("Barca"),
    QStringLiteral("Aeroport"),
    QStringLiteral("Srdinero"),
    QStringLiteral("Oles"),
    // Our own ordinary street names.
    QStringLiteral("Major"),
    QStringLiteral("Sant Pere"),
    QStringLiteral("Nou"),
    QStringLiteral("del Mar"),
    QStringLiteral("Rambla"),
    QStringLiteral("Ample"),
    QStringLiteral("Sol"),
    QStringLiteral("Escoles"),
};

const QStringList ProvinceList{
    QStringLiteral("Albacete"),
    QStringLiteral("Alacant"),
    QStringLiteral("Almeria"),
    QStringLiteral("Avila"),
    QStringLiteral("Badajoz"),
    QStringLiteral("Badalona"),
    QStringLiteral("Barcelona"),
    QStringLiteral("Bilbao"),
    QStringLiteral("Burgos"),
    QStringLiteral("Caceres"),
    QStringLiteral("Cadiz"),
    QStringLiteral("Castelló"),
    QStringLiteral("Ceuta"),
    QStringLiteral("Ciudad Real"),
    QStringLiteral("Cordoba"),
    QStringLiteral("Coruña , A"),
    QStringLiteral("Cuenca"),
    QStringLiteral("Donostia"),
    QStringLiteral("Gijon"),
    QStringLiteral("Girona"),
    QStringLiteral("Granada"),
    QStringLiteral("Guadalajara"),
    QStringLiteral("Huelva"),
    QStringLiteral("Hosca"),
    QStringLiteral("Jaen"),
    QStringLiteral("Irun"),
    QStringLiteral("Jaen"),
    QStringLiteral("Leon"),
    QStringLiteral("Lleida"),
    QStringLiteral("Logroño"),
    QStringLiteral("Lugo"),
    QStringLiteral("Madrid"),
    QStringLiteral("Malaga"),
    QStringLiteral("Mao"),
    QStringLiteral("Melilla"),
    QStringLiteral("Murcia"),
    QStringLiteral("Ourense"),
    QStringLiteral("Oviedo"),
    QStringLiteral("Palencia"),
    QStringLiteral("Palma"),
    QStringLiteral("Palmas de Gran Canaria, Las"),
    QStringLiteral("Pamplona"),
    QStringLiteral("Pontevedra"),
    QStringLiteral("Salamanca"),
    QStringLiteral("Santa Cruz de Tenerife"),
    QStringLiteral("Santander"),
    QStringLiteral("Santiago de Compostela"),
    QStringLiteral("Segovia"),
    QStringLiteral("Sevilla"),
    QStringLiteral("Soria"),
    QStringLiteral("Tarragona"),
    QStringLiteral("Teruel"),
    QStringLiteral("Toledo"),
    QStringLiteral("Valencia"),
    QStringLiteral("Valladolid"),
    QStringLiteral("Vigo"),
    QStringLiteral("Vitoria -Gasteiz"),
    QStringLiteral("Zamora"),
    QStringLiteral("Zaragoza"),
};

namespace {
QString rowOf(const QStringList& table, double r) {
    return table.isEmpty() ? QString() : table[qsizetype(wholeBelow(r, table.size()))];
}
} // namespace

bool isRightAnswer(const QString& model, const QString& answer, bool trimAnswer) {
    return withoutEndSpaces(model) == (trimAnswer ? withoutEndSpaces(answer) : answer);
}
} // namespace sampleperson

using namespace sampleperson;

Person DrawSamplePerson(const std::function<double()>& rnd, const QStringList& provinces) {
    Person p;
    p[FirstName] = rowOf(FirstNameTable, rnd());
    p[FirstSurname] = rowOf(SurnameTable, rnd());
    p[SecondSurname] = rowOf(SurnameTable, rnd());
    p[DocumentNumber] = QString::number(wholeBelow(rnd(), 999999999));
    p[Day] = QString::number(1 + wholeBelow(rnd(), 31));
    p[Month] = QString::number(1 + wholeBelow(rnd(), 12));
    qint64 year = wholeBelow(rnd(), YearDrawEnd);
    for (int rejected = 1; year < FirstYear; ++rejected) {
        if (rejected == MaxRejectedYears) {
            year = FirstYear + wholeBelow(rnd(), YearDrawEnd - FirstYear);
            break;
        }
        year = wholeBelow(rnd(), YearDrawEnd);
    }
    p[Year] = QString::number(year);
    p[ProvinceOfBirth] = rowOf(provinces, rnd());
    p[Town] = rowOf(TownTable, rnd());
    p[Street] = rowOf(StreetTable, rnd());
    p[TownOfBirth] = rowOf(TownTable, rnd());
    p[Province] = rowOf(provinces, rnd());
    p[Telephone] = QString::number(wholeBelow(rnd(), 9999999));
    p[HouseNumber] = QString::number(wholeBelow(rnd(), 500));
    return p;
}
