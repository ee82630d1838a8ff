#include "lists/Listensprache.h"

#include "lists/DateiErsetzen.h"
#include "lists/Vokabeleintrag.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace lerno {

namespace {

struct Eintrag {
    const char* name;
    const char* code; // as espeak-ng (behind speech-dispatcher) names its voice
    // Lower-case spellings that name it: German and English, without umlauts too.
    std::initializer_list<const char*> namen;
    // Short forms that count only as a whole word ("Engl. 5").
    std::initializer_list<const char*> kurz;
    // The character bar: lower-case letters of the language a German keyboard lacks.
    const char* zeichen = "";
};

const std::initializer_list<Eintrag>& Tabelle()
{
    static const std::initializer_list<Eintrag> t = {
        {"Englisch", "en", {"englisch", "english"}, {"engl", "eng"}},
        {"Französisch", "fr", {"französisch", "franzoesisch", "franzosisch", "french", "français", "francais"}, {"franz", "frz", "fra"},
         "éèêëàâçîïôùûÿœæ"},
        {"Latein", "la", {"latein", "latin", "latinum"}, {"lat"}, "āēīōūȳ"},
        {"Spanisch", "es", {"spanisch", "spanish", "español", "espanol"}, {"span", "spa"}, "ñáéíóú¿¡"},
        {"Italienisch", "it", {"italienisch", "italian", "italiano"}, {"ital", "ita"}, "àèéìòù"},
        {"Niederländisch", "nl", {"niederländisch", "niederlaendisch", "dutch", "holländisch"}, {}, "éëïèó"},
        {"Portugiesisch", "pt", {"portugiesisch", "portuguese"}, {}, "ãõáàâçéêíóôú"},
        {"Russisch", "ru", {"russisch", "russian"}, {}, "абвгдеёжзийклмнопрстуфхцчшщъыьэюя"},
        {"Ukrainisch", "uk", {"ukrainisch", "ukrainian"}, {}, "абвгґдеєжзиіїйклмнопрстуфхцчшщьюя"},
        {"Polnisch", "pl", {"polnisch", "polish"}, {}, "ąćęłńóśźż"},
        {"Tschechisch", "cs", {"tschechisch", "czech"}, {}, "áčďéěíňóřšťúůýž"},
        {"Rumänisch", "ro", {"rumänisch", "rumaenisch", "romanian", "română", "romana"}, {}, "ăâîșț"},
        {"Schwedisch", "sv", {"schwedisch", "swedish"}, {}, "å"},
        {"Dänisch", "da", {"dänisch", "daenisch", "danish"}, {}, "æøå"},
        {"Norwegisch", "nb", {"norwegisch", "norwegian"}, {}, "æøå"},
        {"Finnisch", "fi", {"finnisch", "finnish"}, {}, "åšž"},
        {"Griechisch", "el", {"griechisch", "greek"}, {}, "αβγδεζηθικλμνξοπρσςτυφχψωάέήίόύώϊϋΐΰ"},
        {"Altgriechisch", "grc", {"altgriechisch"}, {}, "αβγδεζηθικλμνξοπρσςτυφχψωἀἁἐἑἠἡἰἱὀὁὐὑὠὡῥᾳῃῳ"},
        {"Türkisch", "tr", {"türkisch", "tuerkisch", "turkish"}, {}, "çğıİöşü"},
        {"Ungarisch", "hu", {"ungarisch", "hungarian"}, {}, "áéíóőúű"},
        {"Chinesisch", "zh", {"chinesisch", "chinese"}, {}},
        {"Japanisch", "ja", {"japanisch", "japanese"}, {}},
        {"Deutsch", "de", {"deutsch", "german"}, {"dt"}},
    };
    return t;
}

const Eintrag* NachName(const QString& sprache)
{
    for (const Eintrag& e : Tabelle())
        if (QString::fromUtf8(e.name) == sprache)
            return &e;
    return nullptr;
}

// The language one word names; `ganz` when it names it exactly rather than at its start.
const Eintrag* WortSprache(const QString& wort, bool* ganz)
{
    const Eintrag* treffer = nullptr;
    qsizetype laenge = 0;
    for (const Eintrag& e : Tabelle()) {
        for (const char* n : e.namen) {
            const QString s = QString::fromUtf8(n);
            // The longest start wins: "altgriechisch…" is not "griechisch".
            if (wort.startsWith(s) && s.size() > laenge) {
                treffer = &e;
                laenge = s.size();
                *ganz = wort.size() == s.size();
            }
        }
        for (const char* k : e.kurz)
            if (!treffer && wort == QString::fromUtf8(k)) {
                *ganz = true;
                return &e;
            }
    }
    return treffer;
}

DateiErgebnis Schreiben(const QString& datei, const QMap<QString, QString>& sprachen)
{
    QByteArray inhalt;
    for (auto it = sprachen.cbegin(); it != sprachen.cend(); ++it)
        inhalt += (it.key() + QLatin1Char('\t') + it.value()).toUtf8() + "\r\n";
    return DateiErsetzen(datei, inhalt);
}

} // namespace

const QList<Sprachangabe>& BekannteSprachen()
{
    static const QList<Sprachangabe> liste = [] {
        QList<Sprachangabe> l;
        for (const Eintrag& e : Tabelle())
            l.append({QString::fromUtf8(e.name), QString::fromLatin1(e.code)});
        return l;
    }();
    return liste;
}

QString SprachCode(const QString& sprache)
{
    const Eintrag* e = NachName(sprache);
    return e ? QString::fromLatin1(e->code) : QString();
}

QStringList SprachZeichen(const QString& sprache)
{
    QStringList zeichen;
    if (const Eintrag* e = NachName(sprache))
        for (QChar c : QString::fromUtf8(e->zeichen))
            zeichen.append(QString(c));
    return zeichen;
}

QString SpracheAusSchrift(const QStringList& woerter)
{
    qsizetype kyrillisch = 0, griechisch = 0;
    bool ukrainisch = false, polytonisch = false;
    // The letters that give a Latin-script language away, in the order they decide.
    static const QString rumaenisch = QStringLiteral("ăĂșȘțȚţŢ");
    static const QString tuerkisch = QStringLiteral("ğĞıİşŞ");
    static const QString polnisch = QStringLiteral("łŁąĄęĘ");
    static const QString tschechisch = QStringLiteral("řŘěĚůŮ");
    bool latein[4] = {};
    for (const QString& wort : woerter)
        for (QChar c : wort) {
            const char16_t u = c.unicode();
            if (u >= 0x0400 && u <= 0x04FF) {
                ++kyrillisch;
                ukrainisch = ukrainisch || QStringLiteral("іїєґІЇЄҐ").contains(c);
            } else if (u >= 0x0370 && u <= 0x03FF) {
                ++griechisch;
            } else if (u >= 0x1F00 && u <= 0x1FFF) {
                ++griechisch;
                polytonisch = true; // breathings and the iota subscript: ancient Greek
            } else if (u >= 0x0100 && u <= 0x024F) {
                latein[0] = latein[0] || rumaenisch.contains(c);
                latein[1] = latein[1] || tuerkisch.contains(c);
                latein[2] = latein[2] || polnisch.contains(c);
                latein[3] = latein[3] || tschechisch.contains(c);
            }
        }
    if (kyrillisch > 0 && kyrillisch >= griechisch)
        return ukrainisch ? QStringLiteral("Ukrainisch") : QStringLiteral("Russisch");
    if (griechisch > 0)
        return polytonisch ? QStringLiteral("Altgriechisch") : QStringLiteral("Griechisch");
    const char* namen[4] = {"Rumänisch", "Türkisch", "Polnisch", "Tschechisch"};
    for (int i = 0; i < 4; ++i)
        if (latein[i])
            return QString::fromUtf8(namen[i]);
    return {};
}

QString SpracheAusName(const QString& listenname)
{
    static const QRegularExpression trenner(QStringLiteral("[^\\p{L}]+"));
    QString name = QFileInfo(listenname).fileName();
    if (name.endsWith(QLatin1String(".dva"), Qt::CaseInsensitive))
        name.chop(4);
    const Eintrag* deutsch = nullptr;
    for (const QString& wort : name.toLower().split(trenner, Qt::SkipEmptyParts)) {
        bool ganz = false;
        const Eintrag* e = WortSprache(wort, &ganz);
        if (!e)
            continue;
        // German is the meaning side of every list: it counts only alone.
        if (QLatin1String(e->code) == QLatin1String("de")) {
            deutsch = e;
            continue;
        }
        return QString::fromUtf8(e->name);
    }
    return deutsch ? QString::fromUtf8(deutsch->name) : QString();
}

QString SpracheAusKennung(const QString& kennung)
{
    const QString k = kennung.trimmed().toLower();
    static const QRegularExpression code(QStringLiteral("^([a-z]{2,3})([-_][a-z0-9]+)*$"));
    if (const auto m = code.match(k); m.hasMatch()) {
        const QString c = m.captured(1);
        for (const Eintrag& e : Tabelle())
            if (c == QLatin1String(e.code))
                return QString::fromUtf8(e.name);
    }
    return SpracheAusName(k);
}

QMap<QString, QString> ListensprachenLesen(const QString& ordner)
{
    QMap<QString, QString> sprachen;
    QFile f(ordner + QLatin1Char('/') + QLatin1String(LISTENSPRACHEN_DATEI));
    if (!f.open(QIODevice::ReadOnly))
        return sprachen;
    for (const QByteArray& zeile : f.readAll().split('\n')) {
        const QString z = QString::fromUtf8(zeile).remove(QLatin1Char('\r'));
        const qsizetype tab = z.lastIndexOf(QLatin1Char('\t'));
        if (tab <= 0)
            continue;
        const QString sprache = z.mid(tab + 1);
        if (!SprachCode(sprache).isEmpty())
            sprachen.insert(z.left(tab), sprache);
    }
    return sprachen;
}

QString ListensprachenDatei(const QString& liste)
{
    return QFileInfo(liste).absolutePath() + QLatin1Char('/') + QLatin1String(LISTENSPRACHEN_DATEI);
}

DateiErgebnis ListenspracheSetzen(const QString& liste, const QString& sprache)
{
    const QFileInfo info(liste);
    QMap<QString, QString> sprachen = ListensprachenLesen(info.absolutePath());
    if (sprache.isEmpty()) {
        if (!sprachen.contains(info.fileName()))
            return {};
        sprachen.remove(info.fileName());
    } else {
        if (sprachen.value(info.fileName()) == sprache)
            return {};
        sprachen.insert(info.fileName(), sprache);
    }
    return Schreiben(ListensprachenDatei(liste), sprachen);
}

DateiErgebnis ListenspracheEntfernen(const QString& liste)
{
    return ListenspracheSetzen(liste, QString());
}

bool ListensprachenBereinigen(const QString& ordner, const QSet<QString>* vorhanden)
{
    QMap<QString, QString> sprachen = ListensprachenLesen(ordner);
    const qsizetype vorher = sprachen.size();
    sprachen.removeIf([&](const auto& eintrag) {
        return vorhanden ? !vorhanden->contains(eintrag.key())
                         : !QFileInfo::exists(ordner + QLatin1Char('/') + eintrag.key());
    });
    if (sprachen.size() == vorher)
        return true;
    return Schreiben(ordner + QLatin1Char('/') + QLatin1String(LISTENSPRACHEN_DATEI), sprachen);
}

QString Listensprache(const QString& liste)
{
    const QFileInfo info(liste);
    const QString gespeichert = ListensprachenLesen(info.absolutePath()).value(info.fileName());
    return gespeichert.isEmpty() ? SpracheAusName(info.fileName()) : gespeichert;
}

QString SpracheErgaenzen(const QString& liste, const QStringList& woerter)
{
    const QString sprache = Listensprache(liste);
    if (!sprache.isEmpty())
        return sprache;
    const QString geschaetzt = SpracheAusSchrift(woerter);
    // A failed write only loses the guess; it is made again with the next pair.
    if (!geschaetzt.isEmpty())
        ListenspracheSetzen(liste, geschaetzt);
    return geschaetzt;
}

QStringList ListenZeichen(const QString& liste)
{
    return SprachZeichen(Listensprache(StufenDatei(liste, u'a')));
}

} // namespace lerno
