// The test sheet: the demo list with one column left empty, a line for name and date,
// the fold line kept (the words of the other column still stand on their rows).
#include "transfer/PdfDruck.h"

#include "common/UiHilfen.h"
#include "lists/TextDatei.h"

#include <QProcess>
#include <QStandardPaths>

using namespace lerno;
using namespace testhilfen;

namespace {

QString PdfTextVon(const QString& pdf, const QString& werkzeug = QStringLiteral("pdftotext"))
{
    QProcess p;
    p.start(werkzeug, werkzeug == QLatin1String("pdftotext") ? QStringList{QStringLiteral("-layout"), pdf, QStringLiteral("-")}
                                                               : QStringList{pdf});
    if (!p.waitForFinished(20000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

TEST(Abfrageblatt, OneColumnEmptyWithNameAndDate)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const auto zeilen = ZeilenLesen(QStringLiteral(LERNO_DEMO_LISTE));
    ASSERT_TRUE(zeilen && zeilen->size() > 20);
    QList<WortPaar> paare;
    for (const QString& z : *zeilen)
        paare.append(EintragLesen(z).value());
    TempProgrammordner ordner;

    const struct {
        Druckart art;
        bool vokabel, bedeutung;
    } arten[] = {{Druckart::OhneBedeutung, true, false}, {Druckart::OhneVokabel, false, true},
                 {Druckart::Liste, true, true}};
    for (const auto& a : arten) {
        const QString pdf = ordner.datei(QStringLiteral("Demo%1.pdf").arg(int(a.art)));
        ASSERT_TRUE(PdfSchreiben(pdf, QStringLiteral("Demo"), paare, a.art));
        const QString text = PdfTextVon(pdf);
        ASSERT_FALSE(text.isEmpty());
        const bool blatt = a.art != Druckart::Liste;
        EXPECT_EQ(text.contains(QStringLiteral("Name: ____")), blatt);
        EXPECT_EQ(text.contains(QStringLiteral("Datum: ____")), blatt);
        EXPECT_TRUE(text.contains(QStringLiteral("Vokabel")) && text.contains(QStringLiteral("Bedeutung")));
        int vokabeln = 0, bedeutungen = 0;
        for (const WortPaar& p : paare) {
            vokabeln += text.contains(p.Vokabel);
            bedeutungen += text.contains(p.Bedeutung);
        }
        // A word of one side may occur inside a word of the other: count, not every one.
        EXPECT_EQ(vokabeln == paare.size(), a.vokabel) << vokabeln;
        EXPECT_EQ(bedeutungen == paare.size(), a.bedeutung) << bedeutungen;
        EXPECT_EQ(bedeutungen < paare.size() / 2, !a.bedeutung) << bedeutungen;
        EXPECT_EQ(vokabeln < paare.size() / 2, !a.vokabel) << vokabeln;
    }
}

// Greek and Cyrillic words print in the print font itself (its glyphs are embedded, no
// fallback font is needed, so no boxes), on the list and on the test sheet.
TEST(Abfrageblatt, GreekAndCyrillicPrintInThePrintFont)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdffonts")).isEmpty())
        GTEST_SKIP() << "pdffonts (poppler-utils) is not installed";
    TempProgrammordner ordner;
    const QList<WortPaar> paare = {{QString::fromUtf8("ψάρι"), "Fisch"}, {QString::fromUtf8("ώρα"), "Stunde"},
                                   {QString::fromUtf8("съесть"), "aufessen"}, {QString::fromUtf8("ёж"), "Igel"}};
    for (const Druckart art : {Druckart::Liste, Druckart::OhneBedeutung}) {
        const QString pdf = ordner.datei(QStringLiteral("Schriften%1.pdf").arg(int(art)));
        ASSERT_TRUE(PdfSchreiben(pdf, QString::fromUtf8("Ελληνικά и русский"), paare, art));
        const QString text = PdfTextVon(pdf);
        for (const WortPaar& p : paare)
            EXPECT_TRUE(text.contains(p.Vokabel)) << p.Vokabel.toStdString();
        QStringList schriften = PdfTextVon(pdf, QStringLiteral("pdffonts")).split(u'\n', Qt::SkipEmptyParts).mid(2);
        ASSERT_FALSE(schriften.isEmpty());
        for (const QString& z : schriften)
            EXPECT_TRUE(z.startsWith(QLatin1String("LiberationSans"))) << z.toStdString();
    }
}
