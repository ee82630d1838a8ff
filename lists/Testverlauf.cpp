#include "lists/Testverlauf.h"

#include "lists/DateiErsetzen.h"
#include "lists/TextDatei.h"

#include <QFileInfo>
#include <QStringDecoder>

namespace lerno {

namespace {

const QString Zeitformat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
constexpr int Testzeilen = 20;

QString Pfad(const QString& ordner) { return ordner + QLatin1Char('/') + Verlaufsdatei; }

std::optional<int> Anzahl(const QByteArray& feld)
{
    // Digits only, as written: "+3", " 3", "03" or "3x" are no count.
    if (feld.isEmpty() || feld.size() > 2 || (feld.size() == 2 && feld[0] == '0'))
        return std::nullopt;
    for (char c : feld)
        if (c < '0' || c > '9')
            return std::nullopt;
    const int n = feld.toInt();
    return n <= Testzeilen ? std::optional<int>(n) : std::nullopt;
}

} // namespace

QString ListennameAus(const QString& dvaPfad)
{
    QString name = QFileInfo(dvaPfad).fileName();
    if (name.endsWith(QLatin1String(".dva")))
        name.chop(4);
    return name;
}

std::optional<double> NotenWert(const QString& note)
{
    // "1" to "6", or one decimal: "2.9". No comma, no blanks, no trailing zero.
    const bool form = (note.size() == 1 && note[0].isDigit())
                      || (note.size() == 3 && note[0].isDigit() && note[1] == u'.'
                          && note[2].isDigit() && note[2] != u'0');
    if (!form)
        return std::nullopt;
    const double wert = note.toDouble();
    if (wert < 1.0 || wert > 6.0)
        return std::nullopt;
    return wert;
}

std::optional<QByteArray> VerlaufszeileSchreiben(const Testeintrag& e)
{
    if (!e.Zeitpunkt.isValid() || e.Liste.isEmpty() || e.Liste.contains(u'\n') || e.Liste.contains(u'\r')
        || e.Richtige < 0 || e.Falsche < 0 || e.Richtige + e.Falsche != Testzeilen || !NotenWert(e.Note))
        return std::nullopt;
    QByteArray z = e.Zeitpunkt.toString(Zeitformat).toLatin1();
    z += '\t';
    z += e.richtung == Richtung::FremdNachDeutsch ? "FD" : "DF";
    z += '\t' + QByteArray::number(e.Richtige) + '\t' + QByteArray::number(e.Falsche) + '\t';
    z += e.Note.toLatin1() + '\t' + e.Liste.toUtf8() + "\r\n";
    return z;
}

std::optional<Testeintrag> VerlaufszeileLesen(const QByteArray& zeile)
{
    // Five fields, then the name, which may itself hold tabs.
    QList<QByteArray> felder;
    qsizetype von = 0;
    for (int i = 0; i < 5; ++i) {
        const qsizetype tab = zeile.indexOf('\t', von);
        if (tab < 0)
            return std::nullopt;
        felder.append(zeile.mid(von, tab - von));
        von = tab + 1;
    }
    const QByteArray name = zeile.mid(von);

    Testeintrag e;
    e.Zeitpunkt = QDateTime::fromString(QString::fromLatin1(felder[0]), Zeitformat);
    if (!e.Zeitpunkt.isValid())
        return std::nullopt;
    if (felder[1] == "FD")
        e.richtung = Richtung::FremdNachDeutsch;
    else if (felder[1] == "DF")
        e.richtung = Richtung::DeutschNachFremd;
    else
        return std::nullopt;
    const auto richtig = Anzahl(felder[2]);
    const auto falsch = Anzahl(felder[3]);
    if (!richtig || !falsch || *richtig + *falsch != Testzeilen)
        return std::nullopt;
    e.Richtige = *richtig;
    e.Falsche = *falsch;
    e.Note = QString::fromLatin1(felder[4]);
    if (!NotenWert(e.Note))
        return std::nullopt;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    e.Liste = utf8(name);
    if (utf8.hasError() || e.Liste.isEmpty() || e.Liste.contains(u'\r') || e.Liste.contains(u'\n'))
        return std::nullopt;
    return e;
}

bool TestVermerken(const QString& ordner, const Testeintrag& e)
{
    const auto zeile = VerlaufszeileSchreiben(e);
    if (!zeile)
        return false;
    const QString pfad = Pfad(ordner);
    QByteArray inhalt;
    if (QFileInfo::exists(pfad)) {
        // A history that is there but cannot be read is never replaced by a shorter one.
        const auto alt = BytesLesen(pfad);
        if (!alt)
            return false;
        inhalt = *alt;
        // A last line without its end (an editor's doing) keeps its own line.
        if (!inhalt.isEmpty() && !inhalt.endsWith('\n'))
            inhalt += "\r\n";
    }
    inhalt += *zeile;
    return DateiErsetzen(pfad, inhalt);
}

Verlauf VerlaufLesen(const QString& ordner)
{
    Verlauf v;
    const QString pfad = Pfad(ordner);
    if (!QFileInfo::exists(pfad))
        return v;
    const auto bytes = BytesLesen(pfad);
    if (!bytes) {
        v.Lesefehler = true;
        return v;
    }
    qsizetype von = 0;
    while (von < bytes->size()) {
        qsizetype ende = bytes->indexOf('\n', von);
        if (ende < 0)
            ende = bytes->size();
        QByteArray zeile = bytes->mid(von, ende - von);
        if (zeile.endsWith('\r'))
            zeile.chop(1);
        von = ende + 1;
        if (zeile.isEmpty())
            continue; // blank lines are no entries, nor worth counting as odd
        if (auto e = VerlaufszeileLesen(zeile))
            v.Eintraege.append(std::move(*e));
        else
            ++v.Uebersprungen;
    }
    return v;
}

} // namespace lerno
