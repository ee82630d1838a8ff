#pragma once
// The test of twenty words: choose a list, check its size, ask the direction, draw and
// fill the rows, show the test screen; grading when the pupil clicks "ok".
#include "vocabtest/Testziehung.h"

#include <QString>
#include <QStringList>
#include <vector>

class QWidget;

namespace lerno {
class frmVokTest;
}

namespace lerno::modVokTest {

// The line count of the current test's list (not limited to 16 bits).
inline qsizetype TestZeilenzahl = 0;

inline const QString ZuWenigText = QStringLiteral("Die Datei sollte mindestens 20 Vokabeln beinhalten");
inline const QString ZuWenigTitel = QStringLiteral("zu wenig Vokabeln");

// From the start screen; returns when the test screen has closed or the test was refused
// (fewer than twenty lines, fewer than twenty readable ones, or the direction not chosen).
void TestStarten(QWidget* parent);

// Draws and fills the twenty rows from the lines of the list pfad (unlesbar: the lines that
// cannot be taken apart, sorted), then shows the test screen; the graded test goes into
// the history beside it. An unreadable line that is drawn is skipped, and the lines skipped
// are named in one message before the test screen opens.
void TestZusammenstellen(const QString& pfad, const QStringList& zeilen, const std::vector<int>& unlesbar,
                         QWidget* parent);

// Takes one record line apart into Testpaare[i] in the chosen direction and shows it in
// row i; false when it cannot be split.
bool TestzeileFuellen(frmVokTest& test, int i, const QString& zeile);

} // namespace lerno::modVokTest
