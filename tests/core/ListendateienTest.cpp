// A list's files and the records appended to it: what entry and import share.
#include "lists/Listendateien.h"

#include "common/TestHilfen.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>

using namespace lerno;
using testhilfen::CpZeilen;
using testhilfen::LiesBytes;
using testhilfen::SchreibeBytes;

namespace {

TEST(ListeAnlegen, CreatesMissingMembersAndLeavesExistingOnes)
{
    QTemporaryDir dir;
    const QString liste = dir.filePath("Englisch.dva");
    const QByteArray c = CpZeilen({"003#Öl#oil#1#0#"});
    SchreibeBytes(dir.filePath("Englisch.dvc"), c);

    ASSERT_TRUE(ListeAnlegen(liste));
    EXPECT_EQ(LiesBytes(liste), QByteArray());
    EXPECT_EQ(LiesBytes(dir.filePath("Englisch.dvb")), QByteArray());
    EXPECT_EQ(LiesBytes(dir.filePath("Englisch.dvc")), c);
    EXPECT_FALSE(QFile::exists(dir.filePath("Englisch.dvd")));

    // Practice's variant adds its scratch file.
    ASSERT_TRUE(ListeAnlegen(liste, Anlage::MitUebungsdatei));
    EXPECT_EQ(LiesBytes(dir.filePath("Englisch.dvd")), QByteArray());
    EXPECT_EQ(LiesBytes(dir.filePath("Englisch.dvc")), c);

    EXPECT_FALSE(ListeAnlegen(dir.filePath("fehlt/Englisch.dva")));
    EXPECT_FALSE(QDir(dir.filePath("fehlt")).exists());
}

// The replace would go through a list marked read-only (the folder allows the rename):
// the shared append asks first and leaves such a list whole.
TEST(EintraegeAnhaengen, ALockedListStaysAsItIs)
{
    QTemporaryDir dir;
    const QByteArray alt = CpZeilen({"001#a#b#0#0#"});
    const struct {
        const char* name;
        char gesperrt; // the member without write permission
    } faelle[] = {{"the list itself", 'a'}, {"its stage-2 list", 'b'}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        const QString liste = dir.filePath(QStringLiteral("L%1.dva").arg(f.gesperrt));
        const QString member = liste.chopped(1) + QLatin1Char(f.gesperrt);
        SchreibeBytes(liste, alt);
        SchreibeBytes(member, alt);
        ASSERT_TRUE(QFile::setPermissions(member, QFile::ReadOwner));
        const DateiErgebnis e = EintraegeAnhaengen(liste, [](Eintragsanhang& a) { a.Paar("c", "d"); });
        EXPECT_FALSE(e);
        EXPECT_EQ(e.Fehlernummer(), EACCES);
        EXPECT_EQ(LiesBytes(liste), alt);
        QFile::setPermissions(member, QFile::ReadOwner | QFile::WriteOwner);
        EXPECT_TRUE(EintraegeAnhaengen(liste, [](Eintragsanhang& a) { a.Paar("c", "d"); }));
        EXPECT_EQ(LiesBytes(liste), alt + CpZeilen({"002#c#d#0#0#"}));
    }
}

} // namespace
