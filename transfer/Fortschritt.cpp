#include "transfer/Fortschritt.h"

#include <QProgressDialog>

namespace lerno {

bool MitFortschritt(QWidget* parent, const QString& titel, const QString& text, int nachMs,
                    const std::function<bool(QProgressDialog&)>& arbeit)
{
    QProgressDialog fortschritt(text, QStringLiteral("Abbrechen"), 0, 1000, parent);
    fortschritt.setWindowTitle(titel);
    fortschritt.setWindowModality(Qt::WindowModal);
    fortschritt.setMinimumDuration(nachMs);
    fortschritt.setValue(0);
    return arbeit(fortschritt);
}

ImportFortschritt FortschrittTeil(QProgressDialog& dialog, int von, int bis)
{
    return [&dialog, von, bis](qint64 erledigt, qint64 gesamt) {
        dialog.setValue(von + static_cast<int>(erledigt * (bis - von) / std::max<qint64>(gesamt, 1)));
        return !dialog.wasCanceled();
    };
}

} // namespace lerno
