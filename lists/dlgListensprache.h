#pragma once
// Which language a list speaks: one German name from the known languages. The list's
// current language (stored or guessed) is chosen when the dialog opens.
#include <QDialog>

class QLabel;
class QListWidget;

namespace lerno {

class LabelButton;
class PictureControl;

class dlgListensprache : public QDialog {
    Q_OBJECT
public:
    // liste: the list's path; its name goes into the question.
    explicit dlgListensprache(const QString& liste, QWidget* parent = nullptr);

    // The chosen German name (empty when none is chosen).
    QString Sprache() const;

    PictureControl* hintergrund = nullptr;
    QLabel* lblFrage = nullptr;
    QListWidget* lstSprachen = nullptr;
    LabelButton* lblCancle = nullptr;
    LabelButton* lblok = nullptr;
};

// The whole question: a list from the chooser, then its language; stored at once, a failed
// write reported.
void ListenspracheFestlegen(QWidget* parent);

} // namespace lerno
