// The stage updates at the end of a practice, on fuzzed lists and fuzzed counts of
// wrong answers: what they write, byte for byte, against the list rules.
#include "FuzzHilfen.h"

#include "lists/TextDatei.h"
#include "lists/Vokabeleintrag.h"
#include "lists/modfiles.h"
#include "practice/Stufen.h"

#include <QFileInfo>
#include <QSet>

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdio>

using namespace lerno;
using namespace fuzzhilfen;

namespace {

QString Pfad(char endung) { return Ordner() + QStringLiteral("/Liste.dv") + QLatin1Char(endung); }

// Lines, often record-shaped: the fuzzer's bytes fill number, fields and count.
QByteArray Liste(FuzzedDataProvider& daten)
{
    QByteArray out;
    const int zeilen = daten.ConsumeIntegralInRange(0, 12);
    for (int i = 0; i < zeilen && daten.remaining_bytes() > 0; ++i) {
        if (daten.ConsumeBool()) {
            out += QByteArray::fromStdString(daten.ConsumeRandomLengthString(40));
        } else {
            out += QByteArray::number(daten.ConsumeIntegralInRange(0, 110)).rightJustified(3, '0');
            out += '#' + QByteArray::fromStdString(daten.ConsumeRandomLengthString(6));
            out += '#' + QByteArray::fromStdString(daten.ConsumeRandomLengthString(6));
            out += '#' + QByteArray(1, daten.ConsumeBool() ? char('0' + daten.ConsumeIntegralInRange(0, 9))
                                                          : daten.ConsumeIntegral<char>());
            out += daten.ConsumeBool() ? "#0#" : "#1#";
        }
        out += daten.ConsumeIntegralInRange(0, 7) ? "\r\n" : (daten.ConsumeBool() ? "\n" : "\r");
    }
    // This model reads every list as Windows-1252; bytes that happen to make UTF-8 get a
    // first line no UTF-8 has (UTF-8 lists are the unit tests' part).
    if (KodierungErkennen(out) != Listenkodierung::Cp1252)
        out.prepend("\xFF\r\n");
    return out;
}

QString Aktualisiert(const QString& zeile, int fehler)
{
    const int stand = std::min(9, FehlerstandLesen(zeile) + std::clamp(fehler, 0, 9));
    return EintragSchluessel(zeile) + QChar(u'0' + stand) + QStringLiteral("#0#");
}

int Fehler(const std::vector<int>& fehlerzahl, qsizetype i)
{
    return i < qsizetype(fehlerzahl.size()) ? fehlerzahl[size_t(i)] : 0;
}

QStringList Dekodiert(const QList<QByteArray>& zeilen)
{
    QStringList out;
    for (const QByteArray& z : zeilen)
        out.append(AusCp1252(z));
    return out;
}

QByteArray Kodiert(const QStringList& zeilen)
{
    QByteArray out;
    for (const QString& z : zeilen)
        out += *NachCp1252(z) + "\r\n";
    return out;
}

// A stage list after its appends: the old bytes stay (an unended last line gets its
// line end), followed by the offered lines whose key was not there yet, each once.
void StufenlistePruefen(const QByteArray& vorher, const QByteArray& nachher,
                        const QStringList& angeboten)
{
    QSet<QString> schluessel;
    for (const QString& z : Dekodiert(ErwarteteZeilen(vorher)))
        schluessel.insert(VergleichsSchluessel(z));
    QStringList neu;
    for (const QString& z : angeboten) {
        if (!schluessel.contains(VergleichsSchluessel(z))) {
            schluessel.insert(VergleichsSchluessel(z));
            neu.append(z);
        }
    }
    if (neu.isEmpty()) {
        FUZZ_PRUEFEN(nachher == vorher);
        return;
    }
    QByteArray alt = vorher;
    if (alt.endsWith('\r'))
        alt += '\n';
    else if (!alt.isEmpty() && !alt.endsWith('\n'))
        alt += "\r\n";
    FUZZ_PRUEFEN(nachher == alt + Kodiert(neu));
    // Nothing the file held before reads differently now.
    const QList<QByteArray> alteZeilen = ErwarteteZeilen(vorher);
    FUZZ_PRUEFEN(ErwarteteZeilen(nachher).mid(0, alteZeilen.size()) == alteZeilen);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider daten(data, size);
    const int stufe = daten.ConsumeBool() ? 1 : 2;
    const QByteArray dva = Liste(daten);
    const QByteArray dvb = Liste(daten);
    const QByteArray dvc = Liste(daten);
    std::vector<int> fehlerzahl;
    while (daten.remaining_bytes() > 0)
        fehlerzahl.push_back(daten.ConsumeIntegralInRange(0, 12));

    // To read a finding: LERNO_FUZZ_ZEIGEN=1 fuzz_stufen <crash file>
    if (qEnvironmentVariableIsSet("LERNO_FUZZ_ZEIGEN")) {
        std::fprintf(stderr, "Stufe %d\n.dva %s\n.dvb %s\n.dvc %s\nFehler", stufe,
                     dva.toPercentEncoding().constData(), dvb.toPercentEncoding().constData(),
                     dvc.toPercentEncoding().constData());
        for (int f : fehlerzahl)
            std::fprintf(stderr, " %d", f);
        std::fprintf(stderr, "\n");
    }
    Schreiben(Pfad('a'), dva);
    Schreiben(Pfad('b'), dvb);
    Schreiben(Pfad('c'), dvc);
    Schreiben(Pfad('d'), QByteArray()); // the practice loader creates it empty

    if (stufe == 1) {
        const SichernErgebnis e = Stufe1Sichern(Pfad('a'), fehlerzahl);
        FUZZ_PRUEFEN(e.Fehlerfrei());
        const QStringList alt = Dekodiert(ErwarteteZeilen(dva));
        const QByteArray neuBytes = Lesen(Pfad('a'));
        const QStringList neu = Dekodiert(ErwarteteZeilen(neuBytes));
        // Same records in the same order, each either kept or updated by the rule.
        FUZZ_PRUEFEN(neu.size() == alt.size());
        FUZZ_PRUEFEN(neuBytes == Kodiert(neu));
        QStringList nachB, nachC;
        for (qsizetype i = 0; i < alt.size(); ++i) {
            const QString soll = Aktualisiert(alt[i], Fehler(fehlerzahl, i));
            const bool aktualisiert = HatZaehlerRahmen(alt[i]) || neu[i] != alt[i];
            FUZZ_PRUEFEN(neu[i] == (aktualisiert ? soll : alt[i]));
            if (!aktualisiert)
                continue;
            const int stand = FehlerstandLesen(soll);
            if (stand >= 2)
                nachB.append(soll);
            if (stand >= 4)
                nachC.append(soll);
        }
        StufenlistePruefen(dvb, Lesen(Pfad('b')), nachB);
        StufenlistePruefen(dvc, Lesen(Pfad('c')), nachC);
    } else {
        const SichernErgebnis e = Stufe2Sichern(Pfad('b'), fehlerzahl);
        FUZZ_PRUEFEN(e.Fehlerfrei());
        FUZZ_PRUEFEN(Lesen(Pfad('a')) == dva);
        FUZZ_PRUEFEN(Lesen(Pfad('b')) == dvb);
        const QStringList alt = Dekodiert(ErwarteteZeilen(dvb));
        QStringList nachC;
        for (qsizetype i = 0; i < alt.size(); ++i) {
            if (!HatZaehlerRahmen(alt[i]))
                continue;
            const QString soll = Aktualisiert(alt[i], Fehler(fehlerzahl, i));
            if (FehlerstandLesen(soll) >= 4)
                nachC.append(soll);
        }
        StufenlistePruefen(dvc, Lesen(Pfad('c')), nachC);
    }
    FUZZ_PRUEFEN(!QFileInfo::exists(Pfad('d')));
    return 0;
}
