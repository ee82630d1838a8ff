// The spreadsheet reader on any bytes: every pair it returns can be stored, and in a file
// without quotes every line is a pair, a skip with its reason, blank, or the header.
#include "FuzzHilfen.h"

#include "lists/Listendateien.h"
#include "lists/Paarpruefung.h"
#include "lists/TextDatei.h"
#include "transfer/import/CsvLeser.h"
#include "transfer/import/ImportPaare.h"
#include "transfer/import/ImportVorlage.h"

#include <QSet>

using namespace lerno;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    (void)IstTextdatei(bytes);
    // As the import menu reads it: the detected settings, then the pairs.
    const auto vorlage = ImportVorlageAus(bytes, false);
    FUZZ_PRUEFEN(vorlage.has_value());
    const ImportInhalt inhalt = PaareBilden(vorlage->tabelle, vorlage->einstellungen);
    // A lone CR ends a line too: count both as an upper bound.
    const qsizetype zeilen = bytes.count('\n') + bytes.count('\r') + 1;

    QSet<int> stellen;
    int letzte = 0;
    for (const ImportPaar& p : inhalt.paare) {
        FUZZ_PRUEFEN(PaarPruefen(p.Vokabel, p.Bedeutung).ok());
        FUZZ_PRUEFEN(UnsichtbaresEntfernen(p.Vokabel) == p.Vokabel);
        FUZZ_PRUEFEN(UnsichtbaresEntfernen(p.Bedeutung) == p.Bedeutung);
        FUZZ_PRUEFEN(p.stelle > letzte && p.stelle <= zeilen);
        letzte = p.stelle;
        stellen.insert(p.stelle);
    }
    for (const Ausgelassen& a : inhalt.ausgelassen) {
        FUZZ_PRUEFEN(a.stelle >= 1 && a.stelle <= zeilen && !a.grund.isEmpty());
        FUZZ_PRUEFEN(!stellen.contains(a.stelle));
        stellen.insert(a.stelle);
    }
    // What was accepted always encodes: never an empty line in a list.
    Eintragsanhang anhang{QByteArray()};
    for (const ImportPaar& p : inhalt.paare)
        anhang.Paar(p.Vokabel, p.Bedeutung);
    const auto records = anhang.Ende();
    FUZZ_PRUEFEN(records.has_value());
    FUZZ_PRUEFEN(records->count("\r\n") == inhalt.paare.size());

    // The line rule below reads LF lines in UTF-8 or Windows-1252 without Anki's "#key:"
    // lines (also behind a mark), HTML or tidied blanks.
    const Kodierung k = KodierungErkennen(bytes);
    const bool anki = bytes.startsWith('#') || bytes.startsWith("\xEF\xBB\xBF#");
    const bool schlicht = !bytes.contains('\r') && !anki && !bytes.contains('<') && !bytes.contains('&')
        && (k == Kodierung::Utf8 || k == Kodierung::Utf8MitBom || k == Kodierung::Windows1252);
    if (!bytes.contains('"') && schlicht) {
        // Without quotes a record is one line: each line with content (but the first,
        // which may be the header) is accounted for by its own number.
        const QList<QByteArray> liste = fuzzhilfen::ErwarteteZeilen(bytes);
        const bool cp1252 = k == Kodierung::Windows1252;
        const QChar trenner = CsvEinstellungenErkennen(bytes).trenner;
        bool kopf = true; // the first line with content may be the header
        for (qsizetype i = 0; i < liste.size(); ++i) {
            QByteArray zeile = liste[i];
            if (i == 0 && zeile.startsWith("\xEF\xBB\xBF"))
                zeile.remove(0, 3);
            const QString text = cp1252 ? AusCp1252(zeile) : QString::fromUtf8(zeile);
            bool inhaltDa = false;
            // Invisible characters (a stray BOM, zero-width spaces) are no content.
            for (const QString& feld : text.split(trenner))
                inhaltDa = inhaltDa || !UnsichtbaresEntfernen(feld).trimmed().isEmpty();
            if (inhaltDa && !kopf)
                FUZZ_PRUEFEN(stellen.contains(static_cast<int>(i + 1)));
            kopf = kopf && !inhaltDa;
        }
    }
    return 0;
}
