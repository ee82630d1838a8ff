#pragma once
// Which row of a CSV/TSV table is its header and which columns give the word and the
// meaning, guessed from the titles and the content.
#include "transfer/import/ImportTabelle.h"

namespace lerno {

// Header row and the word and meaning columns for a table: a German or meaning column
// gives the meaning, the first other language or word column the word; without a header a
// German-looking column is the meaning when the other is not. Titles that name roles only
// ("Begriff;Übersetzung", "Front;Back") say nothing of the languages: there the content
// decides the same way, and the titles only where it says nothing. Number-only columns never.
void SpaltenErkennen(const ImportTabelle& tabelle, ImportEinstellungen& einstellungen);

} // namespace lerno
