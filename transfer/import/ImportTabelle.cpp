#include "transfer/import/ImportTabelle.h"

namespace lerno {

int ImportTabelle::Felder(qsizetype zeile) const
{
    const qsizetype ende = zeile + 1 < zeilen.size() ? zeilen[zeile + 1].erstes : felder.size();
    return static_cast<int>(ende - zeilen[zeile].erstes);
}

QString ImportTabelle::Zelle(qsizetype zeile, int spalte) const
{
    if (spalte < 0 || spalte >= Felder(zeile))
        return {};
    const ImportFeld f = felder[zeilen[zeile].erstes + spalte];
    const char* p = f.von >= 0 ? text.constData() + f.von : geaendert.constData() - f.von - 1;
    return QString::fromUtf8(p, f.laenge);
}

QStringList ImportTabelle::Zeile(qsizetype zeile) const
{
    QStringList out;
    for (int c = 0, n = Felder(zeile); c < n; ++c)
        out.append(Zelle(zeile, c));
    return out;
}

void ImportTabelle::ZeileAnhaengen(int stelle, const QStringList& zellen)
{
    zeilen.append({stelle, static_cast<int>(felder.size())});
    for (const QString& z : zellen) {
        const QByteArray b = z.toUtf8();
        felder.append({static_cast<qint32>(text.size()), static_cast<qint32>(b.size())});
        text += b;
    }
    spalten = std::max(spalten, static_cast<int>(zellen.size()));
}

} // namespace lerno
