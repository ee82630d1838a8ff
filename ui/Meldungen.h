#pragma once
// Modal message boxes with a German text, a German title and one OK button.
#include <QString>
#include <functional>

class QWidget;

namespace lerno {

void MeldungZeigen(QWidget* parent, const QString& text, const QString& titel);

// "Fehler beim öffnen der Datei" / "Dateifehler"
void DateifehlerMelden(QWidget* parent = nullptr);
// "Fehler" / "Lesefehler der Datei"
void LesefehlerMelden(QWidget* parent = nullptr);

// A question with two answers; `nein` is the default and what Escape or the frame's close
// give, so a stray key never does the step that loses or changes something. True for `ja`.
bool FrageStellen(QWidget* parent, const QString& text, const QString& titel, const QString& ja,
                  const QString& nein);

// Test seam: when set, messages are handed here instead of being shown modally.
using MeldungsBeobachter = std::function<void(const QString& text, const QString& titel)>;
void SetzeMeldungsBeobachter(MeldungsBeobachter beobachter);

} // namespace lerno
