#pragma once
// The test of twenty words: choose a list, check its size, ask the direction, draw and
// fill the rows, show the test screen; grading when the pupil clicks "ok".
#include "vocabtest/Testziehung.h"

#include <QString>

class QWidget;

namespace lerno {
class frmVokTest;
}

namespace lerno::modVokTest {

// The line count of the current test's list (not limited to 16 bits).
inline qsizetype TestZeilenzahl = 0;

inline const QString ZuWenigText = QStringLiteral("Die Datei sollte mindestens 20 Vokabeln beinhalten");
inline const QString ZuWenigTitel = QStringLiteral("zu wenig Vokabeln");

// From the start screen; returns when the test screen has closed or the test was refused.
void TestStarten(QWidget* parent);

// Draws and fills the twenty rows of the list pfad, then shows the test screen; the
// graded test goes into the history beside it. A line that cannot be read or taken
// apart gives the file-error report and no test.
void TestZusammenstellen(const QString& pfad, qsizetype zeilenzahl, QWidget* parent);

// Takes one record line apart into Testpaare[i] in the chosen direction and shows it in
// row i; false when it cannot be split.
bool TestzeileFuellen(frmVokTest& test, int i, const QString& zeile);

} // namespace lerno::modVokTest
