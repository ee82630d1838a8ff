// The check of a typed new list name: whatever it lets through becomes a ".dva" file
// directly in the list folder, and can be created there.
#include "FuzzHilfen.h"

#include "lists/Listenname.h"
#include "lists/TextDatei.h"

#include <QFileInfo>

using namespace lerno;
using namespace fuzzhilfen;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Any UTF-16 text, unpaired surrogates included, as a line edit may hand it over.
    const QString name = QString::fromUtf16(reinterpret_cast<const char16_t*>(data),
                                            static_cast<qsizetype>(size / 2));
    const auto fehler = ListennameFehler(name);
    if (fehler) {
        FUZZ_PRUEFEN(!fehler->isEmpty());
        return 0;
    }

    const QString datei = ListennameMitEndung(name);
    FUZZ_PRUEFEN(datei.endsWith(QLatin1String(".dva")));
    FUZZ_PRUEFEN(datei.count(u'.') == 1 && !datei.startsWith(u'.'));
    FUZZ_PRUEFEN(!datei.contains(u'/') && !datei.contains(u'\\') && !ErstesUnspeicherbaresZeichen(datei));
    FUZZ_PRUEFEN(datei.section(u'.', 0, 0).compare(QLatin1String("afile"), Qt::CaseInsensitive) != 0);
    FUZZ_PRUEFEN(ListennameMitEndung(datei) == datei);

    // The file lands in the list folder under exactly that name.
    const QString pfad = Ordner() + u'/' + datei;
    QFile f(pfad);
    FUZZ_PRUEFEN(f.open(QIODevice::WriteOnly | QIODevice::NewOnly));
    f.close();
    const QFileInfo info(pfad);
    FUZZ_PRUEFEN(info.fileName() == datei && info.absolutePath() == QFileInfo(Ordner()).absoluteFilePath());
    FUZZ_PRUEFEN(QFile::remove(pfad));
    return 0;
}
