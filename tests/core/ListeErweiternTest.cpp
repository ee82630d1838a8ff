// Imported pairs go into a list like typed ones, all at once or not at all; the export
// gives spreadsheet files that read back as the same pairs.
#include "transfer/Export.h"
#include "transfer/import/ListeErweitern.h"

#include "common/ImportHilfen.h"
#include "common/TestHilfen.h"
#include "lists/DateiErsetzen.h"
#include "lists/TextDatei.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace lerno;
using testhilfen::Cp;
using testhilfen::CpZeilen;
using testhilfen::LiesBytes;
using testhilfen::SchreibeBytes;

namespace {

QList<ImportPaar> Paare(std::initializer_list<std::pair<const char*, const char*>> p)
{
    QList<ImportPaar> out;
    for (auto [v, b] : p)
        out.append({0, QString::fromUtf8(v), QString::fromUtf8(b)});
    return out;
}

struct HookWeg {
    ~HookWeg() { SetzeErsetzenFehlerHook(nullptr); }
};

} // namespace

TEST(PaareAnhaengen, ListsByteForByte)
{
    const struct {
        const char* name;
        std::optional<QByteArray> vorher; // nullopt: the list does not exist yet
        QList<ImportPaar> paare;
        QByteArray nachher;
    } faelle[] = {
        {"new list starts at 001", std::nullopt, Paare({{"the house", "das Haus"}, {"green", "grün"}}),
         CpZeilen({"001#the house#das Haus#0#0#", "002#green#grün#0#0#"})},
        {"empty list starts at 001", QByteArray(), Paare({{"a", "b"}}), CpZeilen({"001#a#b#0#0#"})},
        {"numbering continues 099 -> 100 -> 001, old bytes untouched",
         CpZeilen({"098#Straße#street#3#0#", "099#x#y#0#0#"}), Paare({{"c", "d"}, {"e", "f"}, {"g", "€"}}),
         CpZeilen({"098#Straße#street#3#0#", "099#x#y#0#0#", "100#c#d#0#0#", "001#e#f#0#0#",
                   "002#g#€#0#0#"})},
        {"a last line without line end is ended first", QByteArray("041#a#b#0#0#"),
         Paare({{"the house", "das Haus"}}), CpZeilen({"041#a#b#0#0#", "042#the house#das Haus#0#0#"})},
    };
    for (const auto& f : faelle) {
        QTemporaryDir dir;
        const QString liste = dir.filePath("Englisch.dva");
        if (f.vorher)
            SchreibeBytes(liste, *f.vorher);
        EXPECT_TRUE(PaareAnhaengen(liste, f.paare)) << f.name;
        EXPECT_EQ(LiesBytes(liste), f.nachher) << f.name;
        // The stage lists exist, as after the entry screen; nothing else is left over.
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
                  QStringList({"Englisch.dva", "Englisch.dvb", "Englisch.dvc"}))
            << f.name;
    }
}

TEST(PaareAnhaengen, FailureMidImportLeavesListOldAndWhole)
{
    const QByteArray alt = CpZeilen({"099#alt#old#2#0#"});
    for (const ErsetzenSchritt schritt : {ErsetzenSchritt::Oeffnen, ErsetzenSchritt::Schreiben,
                                         ErsetzenSchritt::Flushen, ErsetzenSchritt::Umbenennen}) {
        QTemporaryDir dir;
        const QString liste = dir.filePath("Englisch.dva");
        SchreibeBytes(liste, alt);
        HookWeg weg;
        SetzeErsetzenFehlerHook([&](ErsetzenSchritt s) { return s != schritt; });
        EXPECT_FALSE(PaareAnhaengen(liste, Paare({{"a", "b"}, {"c", "d"}})));
        EXPECT_EQ(LiesBytes(liste), alt);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Englisch.dva"});
    }
    // A new list that fails is not created at all.
    QTemporaryDir dir;
    HookWeg weg;
    SetzeErsetzenFehlerHook([](ErsetzenSchritt s) { return s != ErsetzenSchritt::Umbenennen; });
    EXPECT_FALSE(PaareAnhaengen(dir.filePath("Neu.dva"), Paare({{"a", "b"}})));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST(ImportZusammenfassung, CountsAndFirstTenSkipped)
{
    ImportInhalt in;
    for (int i = 1; i <= 12; ++i)
        in.ausgelassen.append({i * 2, QStringLiteral("Bedeutung ist leer")});
    QString erwartet = QStringLiteral("3 Vokabeln wurden in „Englisch“ aufgenommen.\n12 Vokabeln wurden übersprungen:");
    for (int i = 1; i <= 10; ++i)
        erwartet += QStringLiteral("\nZeile %1: Bedeutung ist leer").arg(i * 2);
    erwartet += QStringLiteral("\n… und 2 weitere.");
    EXPECT_EQ(ImportZusammenfassung(QStringLiteral("Englisch"), 3, in), erwartet);

    ImportInhalt kvtml;
    kvtml.eintraege = true;
    kvtml.ausgelassen.append({4, QStringLiteral("Eintrag ist leer")});
    EXPECT_EQ(ImportZusammenfassung(QStringLiteral("Tiere"), 1, kvtml),
              QStringLiteral("1 Vokabel wurde in „Tiere“ aufgenommen.\n1 Vokabel wurde übersprungen:\n"
                             "Eintrag 4: Eintrag ist leer"));
}

TEST(ExportBauen, FilesByteForByte)
{
    const QStringList liste = {
        AusCp1252(Cp("001#the house#das Haus#0#0#")), AusCp1252(Cp("002#to go; went#gehen, ging#3#0#")),
        AusCp1252(Cp("003#say \"hi\"# grüß #9#0#")),   QStringLiteral("kaputt"),
        AusCp1252(Cp("004#tab\there#€#x#0#")),
    };
    const ExportInhalt csv = ExportBauen(liste, ';');
    EXPECT_EQ(csv.bytes, QByteArray("\xEF\xBB\xBF" "Vokabel;Bedeutung;Fehler\r\n"
                                    "the house;das Haus;0\r\n"
                                    "\"to go; went\";gehen, ging;3\r\n"
                                    "\"say \"\"hi\"\"\";\" gr\xC3\xBC\xC3\x9F \";9\r\n"
                                    "tab\there;\xE2\x82\xAC;0\r\n"));
    EXPECT_EQ(csv.paare, 4);
    EXPECT_EQ(csv.unlesbar, QList<int>{4});

    const ExportInhalt tsv = ExportBauen(liste.mid(0, 2) + liste.mid(4), '\t');
    EXPECT_EQ(tsv.bytes, QByteArray("\xEF\xBB\xBF" "Vokabel\tBedeutung\tFehler\r\n"
                                    "the house\tdas Haus\t0\r\n"
                                    "to go; went\tgehen, ging\t3\r\n"
                                    "\"tab\there\"\t\xE2\x82\xAC\t0\r\n"));
    EXPECT_EQ(TrennerFuer(QStringLiteral("a.TSV")), '\t');
    EXPECT_EQ(TrennerFuer(QStringLiteral("a.csv")), ';');
    EXPECT_EQ(TrennerFuer(QStringLiteral("a")), ';');
}

// Export and print read a list through the same function: same pairs, same skipped lines.
TEST(PaareAusZeilen, PairsCountsAndUnreadableLinesInOrder)
{
    const QStringList liste = {
        QStringLiteral("001#the house#das Haus#0#0#"), QString(), QStringLiteral("002#go#gehen#3#0#"),
        QStringLiteral("nur#zwei"), QStringLiteral("003#x#y#x#0#"),
    };
    const ListenPaare l = PaareAusZeilen(liste);
    ASSERT_EQ(l.paare.size(), 3);
    EXPECT_EQ(l.paare[0].Vokabel, "the house");
    EXPECT_EQ(l.paare[1].Bedeutung, "gehen");
    EXPECT_EQ(l.paare[2].Vokabel, "x");
    EXPECT_EQ(l.fehler, (QList<int>{0, 3, 0}));
    EXPECT_EQ(l.unlesbar, (QList<int>{2, 4}));
    const ExportInhalt e = ExportBauen(liste, ';');
    EXPECT_EQ(e.paare, l.paare.size());
    EXPECT_EQ(e.unlesbar, l.unlesbar);
}

TEST(ExportBauen, ExportThenImportGivesTheSamePairs)
{
    const QStringList liste = {
        AusCp1252(Cp("001#the house#das Haus#0#0#")), AusCp1252(Cp("002#to go; went#gehen, ging#3#0#")),
        AusCp1252(Cp("003#say \"hi\"# grüß #9#0#")),   AusCp1252(Cp("004#Vokabel#Bedeutung#0#0#")),
        AusCp1252(Cp("005#a,b\"#€ ‰ Œ#1#0#")), AusCp1252(Cp("006# x#y #0#0#")),
    };
    for (const char trenner : {';', '\t'}) {
        const ImportInhalt zurueck = testhilfen::CsvImportiert(ExportBauen(liste, trenner).bytes);
        EXPECT_TRUE(zurueck.ausgelassen.isEmpty()) << int(trenner);
        QStringList paare;
        for (const ImportPaar& p : zurueck.paare)
            paare << p.Vokabel + u'#' + p.Bedeutung;
        QStringList erwartet;
        // Outer blanks do not survive the way in: the import trims them.
        for (const QString& z : liste)
            erwartet << FeldNormalisieren(z.section(u'#', 1, 1), false) + u'#'
                    + FeldNormalisieren(z.section(u'#', 2, 2), false);
        EXPECT_EQ(paare, erwartet) << int(trenner);
    }
}
