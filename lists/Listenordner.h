#pragma once
// First-start set-up of the list folder, without any window: the caller reports.
#include <QString>
#include <QStringList>

namespace lerno {

struct ListenordnerErgebnis {
    bool ordnerBereit = false;       // the list folder exists and is the current folder
    bool ersterStart = false;        // it had to be created
    QStringList nichtGeloescht;      // demo sources that were copied but could not be deleted
    QStringList nichtKopiert;        // demo sources that could not be copied (kept in place)
};

// Enters <programmordner>/Vokabeln and removes what an interrupted run left there (lists/Reste.h);
// when that fails, creates it, enters it and moves the
// demo triplet into it. A missing demo source is skipped; a source is deleted only once
// its copy is in place.
ListenordnerErgebnis ListenordnerEinrichten(const QString& programmordner);

} // namespace lerno
