#pragma once
// Helpers shared by the test programs.
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <optional>

namespace testhilfen {

QByteArray LiesBytes(const QString& pfad);
void SchreibeBytes(const QString& pfad, const QByteArray& bytes);

// UTF-8 source text (umlauts in string literals) as Windows-1252 bytes.
QByteArray Cp(const char* utf8);

// Several record lines, each followed by CR LF, as Windows-1252 bytes.
QByteArray CpZeilen(std::initializer_list<const char*> zeilen);

// The text of a PDF as pdftotext (poppler-utils) lays it out; nullopt without pdftotext.
std::optional<QString> PdfInhalt(const QString& pdf);

// A fresh program folder for one test; Programmordner() points at it while it lives.
class TempProgrammordner {
public:
    TempProgrammordner();
    ~TempProgrammordner();
    QString pfad() const;                       // the program folder
    QString datei(const QString& name) const;   // program folder + "/" + name
private:
    std::unique_ptr<QTemporaryDir> dir_;
};

} // namespace testhilfen
