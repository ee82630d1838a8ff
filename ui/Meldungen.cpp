#include "ui/Meldungen.h"

#include <QMessageBox>
#include <QPushButton>

namespace lerno {

namespace {
MeldungsBeobachter& beobachter()
{
    static MeldungsBeobachter b;
    return b;
}
} // namespace

void SetzeMeldungsBeobachter(MeldungsBeobachter b) { beobachter() = std::move(b); }

void MeldungZeigen(QWidget* parent, const QString& text, const QString& titel)
{
    if (beobachter()) {
        beobachter()(text, titel);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, titel, text, QMessageBox::Ok, parent);
    // Messages quote words and list names, which may look like markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool FrageStellen(QWidget* parent, const QString& text, const QString& titel, const QString& ja,
                  const QString& nein)
{
    QMessageBox box(QMessageBox::Question, titel, text, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    QPushButton* jaKnopf = box.addButton(ja, QMessageBox::YesRole);
    QPushButton* neinKnopf = box.addButton(nein, QMessageBox::NoRole);
    box.setDefaultButton(neinKnopf);
    box.setEscapeButton(neinKnopf);
    box.exec();
    return box.clickedButton() == jaKnopf;
}

void DateifehlerMelden(QWidget* parent)
{
    MeldungZeigen(parent, QStringLiteral("Fehler beim öffnen der Datei"), QStringLiteral("Dateifehler"));
}

void LesefehlerMelden(QWidget* parent)
{
    MeldungZeigen(parent, QStringLiteral("Fehler"), QStringLiteral("Lesefehler der Datei"));
}

} // namespace lerno
