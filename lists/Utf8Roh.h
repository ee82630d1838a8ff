#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

namespace lerno {

// UTF-8 that keeps what is no UTF-8. A list with the UTF-8 mark may still hold bytes that
// are none (a damaged copy); each such byte comes back as the lone surrogate U+DC80..U+DCFF
// and is written as the same byte again, so a rewrite of the list never changes a line
// behind the pupil's back. Typed text never holds a lone surrogate: the pair check refuses it.

// Decodes bytes; valid UTF-8 as QString::fromUtf8 would (a U+FEFF at the start stays).
QString Utf8RohDekodieren(QByteArrayView bytes);
// Encodes text; a lone surrogate that stands for no byte has no form: nullopt.
std::optional<QByteArray> Utf8RohKodieren(const QString& text);

} // namespace lerno
