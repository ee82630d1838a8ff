// Peak memory of the import of a 60 MB spreadsheet file, as the menu runs it: read and
// detected, shown in the preview, pairs taken from it, appended to a new list. Prints the
// file size, the peak resident size before and after, and their ratio.
//   bench_import_speicher [megabytes]
#include "FensterBench.h"

#include "transfer/import/ListeErweitern.h"
#include "transfer/dlgImportVorschau.h"

#include <QFile>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>

using namespace lerno;

namespace {

long SpitzeKb()
{
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return r.ru_maxrss;
}

// Written in slices, so that making the file does not raise the peak being measured.
qint64 DateiSchreiben(const QString& pfad, qint64 groesse)
{
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly))
        std::abort();
    QByteArray block;
    qint64 geschrieben = 0;
    for (int i = 1; geschrieben < groesse; ++i) {
        block += QString("die Bedeutung %1 grün;word number %1;%2\r\n").arg(i).arg(i % 20).toUtf8();
        if (block.size() >= (1 << 20) || geschrieben + block.size() >= groesse) {
            if (f.write(block) != block.size())
                std::abort();
            geschrieben += block.size();
            block.clear();
        }
    }
    return geschrieben;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const qint64 mb = argc > 1 ? std::atoll(argv[1]) : 60;
    QTemporaryDir dir;
    const QString quelle = dir.filePath("gross.csv");
    const qint64 groesse = DateiSchreiben(quelle, mb * 1000 * 1000);
    const long vorher = SpitzeKb();

    // As the menu does it: the preview's table kept, the preview closed, the pairs built
    // again while the list is written.
    ImportVorlage gewaehlt;
    qsizetype anzahl = 0;
    {
        auto vorlage = ImportVorlageLesen(quelle);
        if (!vorlage)
            return 1;
        dlgImportVorschau vorschau(std::move(*vorlage));
        vorschau.show();
        QApplication::processEvents();
        gewaehlt = vorschau.Vorlage();
        anzahl = vorschau.Anzahl();
    }
    if (!PaareAnhaengen(dir.filePath("neu.dva"), gewaehlt.tabelle, gewaehlt.einstellungen))
        return 1;
    const long nachher = SpitzeKb();
    std::printf("file %.1f MB, %lld pairs; peak resident before %.1f MB, after %.1f MB; growth %.2f x file size\n",
                groesse / 1e6, static_cast<long long>(anzahl), vorher / 1024.0, nachher / 1024.0,
                (nachher - vorher) * 1024.0 / groesse);
    return 0;
}
