#pragma once
// Synthetic lists of any length for the benchmarks.
#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstdlib>

namespace benchliste {

// n well-formed records, numbers wrapping at 1000, counts 0..3.
inline QByteArray Liste(int n, int fehlerstand = 0)
{
    QByteArray out;
    for (int i = 1; i <= n; ++i)
        out += QString("%1#word number %2#Bedeutung Nummer %2#%3#0#\r\n")
                   .arg(i % 1000, 3, 10, QChar('0'))
                   .arg(i)
                   .arg((i + fehlerstand) % 4)
                   .toLatin1();
    return out;
}

inline void Schreibe(const QString& pfad, const QByteArray& bytes)
{
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        std::abort();
}

} // namespace benchliste
