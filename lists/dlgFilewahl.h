#pragma once
// The one dialog in which a list is named: a drop-down of the existing lists of one
// stage, or a box for the name of a new list. The caller reads the result from it.
#include <QDialog>
#include <QString>
#include <QStringList>
#include <optional>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace lerno {

class LabelButton;
class PictureControl;

// Name a new list, or pick one of the existing ones.
enum class Dateiwahl { Neu, Vorhanden };

class dlgFilewahl : public QDialog {
    Q_OBJECT
public:
    // stufe: which lists are offered (1 .dva, 2 .dvb, 3 .dvc; any other value .dva).
    dlgFilewahl(qint16 stufe, Dateiwahl modus, QWidget* parent = nullptr);

    // Full path of the chosen or named list; empty after a cancel or an empty choice.
    QString Filename() const { return filename_; }
    // The accepted name came from the new-name box and no list of that name existed.
    bool Neu() const { return neu_; }

    PictureControl* hintergrund = nullptr;
    QComboBox* cboFilename = nullptr;
    QLineEdit* txtNewFile = nullptr;
    LabelButton* lblok = nullptr;
    LabelButton* lblCancle = nullptr;
    QPushButton* cmdok = nullptr;

    // The pattern the list offers ("*.dva", "*.dvb" or "*.dvc") and its folder.
    QString muster() const { return muster_; }
    QString ordner() const { return ordner_; }

    // The rules of lists/Listenname.h.
    static QString MitEndungDva(const QString& name);

    static std::optional<QString> NamensFehler(const QString& name);

    // Asked when a new name is that of an existing list ("Englisch.dva").
    static QString VorhandenFrage(const QString& name);

    // The lists offered: Listenauswahl of lists/Listenname.h.
    static QStringList Dateiliste(const QString& ordner, const QString& muster);

public slots:
    void reject() override;

protected:
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    void DateilisteFuellen();
    void lblok_Click();
    void Form_MouseMove();
    void labelMausBewegt(LabelButton* l);

    static inline bool Hoverok = false;
    QString muster_ = QStringLiteral("*.dva");
    QString ordner_;
    QString filename_;
    bool neu_ = false;
};

} // namespace lerno
