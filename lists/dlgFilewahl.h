#pragma once
// The one dialog in which a list is named: a drop-down of the existing lists of one
// stage, or a box for the name of a new list. The result goes to GewaehlteListe::Filename.
// Callers set GewaehlteListe::FileNr and GewaehlteListe::Wahl first: the constructor reads both.
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

class dlgFilewahl : public QDialog {
    Q_OBJECT
public:
    explicit dlgFilewahl(QWidget* parent = nullptr);

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
};

} // namespace lerno
