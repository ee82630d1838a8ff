#include "vocabtest/frmVokTest.h"

#include "ui/LabelButton.h"
#include "ui/Meldungen.h"
#include "ui/PictureControl.h"
#include "ui/Schriften.h"
#include "ui/Symbole.h"
#include "ui/Twips.h"
#include "ui/Zeichenleiste.h"
#include "ui/modBackground.h"
#include "vocabtest/Testmarken.h"
#include "ui/Module1.h"
#include "lists/Einstellungen.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>

#include <algorithm>

namespace lerno {

namespace {

constexpr int Breite = 11730;
constexpr int Hoehe = 9375;
// The room of the question (up to the answer box) and of the solution (up to the window's
// right edge) at the designed width, in twips.
constexpr int FrageBreite = 3960 - 60 - 480;
constexpr int LoesungBreite = Breite - 90 - 7920;

QLabel* Marke(QWidget* parent, const QPixmap& bild)
{
    auto* m = new QLabel(parent);
    m->setPixmap(bild);
    m->resize(MarkeBreite, MarkeHoehe);
    m->setAttribute(Qt::WA_TransparentForMouseEvents);
    m->hide();
    return m;
}

} // namespace

frmVokTest::frmVokTest(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setWindowTitle(QStringLiteral("Vokabeltest"));
    setWindowIcon(Fenstersymbol());
    setFixedSize(Px(Breite), Px(Hoehe));
    setMouseTracking(true);

    imgBackground = new PictureControl(this);
    connect(imgBackground, &PictureControl::mausBewegt, this, &frmVokTest::imgBackground_MouseMove);

    const QPixmap richtig = RichtigMarke();
    const QPixmap falsch = FalschMarke();
    for (int i = 0; i < Testbewertung::Testzeilen; ++i) {
        lblVokabel[i] = GelbeBeschriftung(QString(), this, TimesNewRoman(12, true));

        txtEingabe[i] = new QLineEdit(this);
        txtEingabe[i]->setFont(TimesNewRoman(12, true));
        txtEingabe[i]->setStyleSheet(QStringLiteral(
            "QLineEdit { border: 1px solid #5a6470; border-radius: 2px; padding: 0px 2px;"
            " background: white; color: black; } QLineEdit:focus { border: 1px solid #2a7fd4; }"));
        // Enter moves on like Tab and never grades: only "ok" does.
        connect(txtEingabe[i], &QLineEdit::returnPressed, this, [this, i] { naechsteZeile(i); });
        if (i > 0)
            setTabOrder(txtEingabe[i - 1], txtEingabe[i]);

        imgok[i] = Marke(this, richtig);
        imgBad[i] = Marke(this, falsch);

        lblLoesung[i] = new QLabel(QString::fromUtf8("Lösung"), this);
        lblLoesung[i]->setTextFormat(Qt::PlainText);
        lblLoesung[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
        QPalette p = lblLoesung[i]->palette();
        p.setColor(QPalette::WindowText, Qt::red);
        lblLoesung[i]->setPalette(p);
        lblLoesung[i]->hide();
        gezeigt_[i].Loesung = lblLoesung[i]->text();

        lblGrund[i] = GelbeBeschriftung(QString(), this, MsSansSerif(10));
        lblGrund[i]->hide();
    }

    lblMeldung = GelbeBeschriftung(
        QString::fromUtf8("Fülle die Textfelder aus. Mit der Tab-Taste kannst du zum nächsten "
                          "Eingabefeld springen.Klicke auf ok wenn du fertig bist"),
        this, MsSansSerif(12, true));
    lblMeldung->setAlignment(Qt::AlignCenter);
    lblMeldung->setWordWrap(true);

    lblNote = GelbeBeschriftung(QStringLiteral("Notenausgabe"), this, TimesNewRoman(15.75, true));
    lblNote->setWordWrap(true);
    // The sentence is longer than one designed line: it wraps into the room above the buttons.
    lblNote->setGeometry(TwRect(990, 7800, 9345, 8880 - 7800));
    lblNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblNote->hide();

    lblok = new LabelButton(QStringLiteral("ok"), this, 8160, 8880, 555, 300);
    lblFertig = new LabelButton(QStringLiteral("Fertig"), this, 8760, 8880, 885, 300);
    lblFertig->hide();
    lblcancler = new LabelButton(QStringLiteral("Abbrechen"), this, 2280, 8880, 1185, 300);
    connect(lblok, &LabelButton::clicked, this, &frmVokTest::lblok_Click);
    connect(lblFertig, &LabelButton::clicked, this, &frmVokTest::accept);
    connect(lblcancler, &LabelButton::clicked, this, &frmVokTest::reject);
    for (LabelButton* l : {lblok, lblFertig, lblcancler})
        connect(l, &LabelButton::mausBewegt, this, [this, l] { labelMausBewegt(l); });
    // The button row, left to right, after the last answer box when walking backwards.
    Tabfolge({txtEingabe[Testbewertung::Testzeilen - 1], lblcancler, lblok, lblFertig});
    leiste = ZeichenleisteAnlegen(this, {txtEingabe.begin(), txtEingabe.end()}, {}, TwRect(480, 7680, 10770, 1140),
                                  txtEingabe[Testbewertung::Testzeilen - 1]);
    lblNote->setAccessibleDescription(QStringLiteral("Ergebnis"));
    lblMeldung->setAccessibleDescription(QStringLiteral("Anleitung"));

    Anordnen(0, 0);
    Form_Load();
}

void frmVokTest::Form_Load()
{
    imgBackground->laden(modBackground::Hintergrund1Pfad);
    imgBackground->lower();
}

void frmVokTest::Anordnen(int mehrFrage, int mehrLoesung)
{
    mehrFrage_ = mehrFrage;
    mehrLoesung_ = mehrLoesung;
    setFixedSize(Px(Breite) + mehrFrage + mehrLoesung, Px(Hoehe));
    imgBackground->setGeometry(0, 0, Px(11775) + mehrFrage + mehrLoesung, Px(Hoehe));
    for (int i = 0; i < Testbewertung::Testzeilen; ++i)
        zeileAnordnen(i);
    lblMeldung->setGeometry(TwRect(8280, 1800, 2925, 1980).translated(mehrFrage, 0));
}

void frmVokTest::zeileAnordnen(int i)
{
    const int oben = ZeilenOben(i);
    // Question and solution get their row's whole height, so two lines of a long text never
    // reach into the next row; the answer box and the mark move with the question's room.
    const int zeileOben = Px(oben - 45);
    const int zeileHoehe = Px(360);
    TextEinpassen(lblVokabel[i], gezeigt_[i].Frage,
                  QRect(Px(480), zeileOben, Px(FrageBreite) + mehrFrage_, zeileHoehe), TimesNewRoman(12, true));
    // One pixel more above and below than designed, and a thin frame: otherwise the
    // descenders of the 12 pt text are cut off.
    txtEingabe[i]->setGeometry(TwRect(3960, oben, 3255, 285).adjusted(0, -1, 0, 1).translated(mehrFrage_, 0));
    // The mark is a little taller than its row's text: centred on the answer box.
    for (QLabel* m : {imgok[i], imgBad[i]})
        m->move(Px(7320) + mehrFrage_, Px(oben) + (Px(285) - MarkeHoehe) / 2);
    TextEinpassen(lblLoesung[i], gezeigt_[i].Loesung,
                  QRect(Px(7920) + mehrFrage_, zeileOben, Px(LoesungBreite) + mehrLoesung_, zeileHoehe),
                  TimesNewRoman(12, true));
}

void frmVokTest::SpaltenAnpassen()
{
    // As wide as the longest question and solution need at the designed size, as far as
    // the screen allows; what is still too long is fitted into its room (TextEinpassen).
    const QFontMetrics fm(TimesNewRoman(12, true));
    int frage = 0;
    int loesung = 0;
    for (const Testziehung::Testpaar& p : gezeigt_) {
        frage = std::max(frage, fm.horizontalAdvance(p.Frage) + 2 - Px(FrageBreite));
        loesung = std::max(loesung, fm.horizontalAdvance(p.Loesung) + 2 - Px(LoesungBreite));
    }
    const int platz = screen() ? std::max(0, screen()->availableGeometry().width() - Px(Breite) - Px(240)) : 0;
    if (frage + loesung > platz) {
        frage = int(qint64(frage) * platz / (frage + loesung));
        loesung = platz - frage;
    }
    Anordnen(frage, loesung);
}

void frmVokTest::showEvent(QShowEvent* e)
{
    SpaltenAnpassen();
    QDialog::showEvent(e);
    // Centred on the screen, not on the maximized start screen's frame.
    if (const QScreen* s = screen())
        move(s->availableGeometry().center() - rect().center());
    txtEingabe[0]->setFocus();
}

bool frmVokTest::focusNextPrevChild(bool next)
{
    // Tab keeps going round the twenty rows as the instruction says; the buttons are
    // reached with Shift+Tab from the first row.
    if (next && focusWidget() == txtEingabe[Testbewertung::Testzeilen - 1]) {
        txtEingabe[0]->setFocus(Qt::TabFocusReason);
        return true;
    }
    return QDialog::focusNextPrevChild(next);
}

void frmVokTest::keyPressEvent(QKeyEvent* e)
{
    // A stray Escape must not throw the typed answers away: asked, "Nein" by default.
    // Once graded nothing is lost (the grade is recorded): Escape closes as "Fertig" does.
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        e->accept();
        if (!lblFertig->isHidden())
            accept();
        else if (FrageStellen(this, AbbruchFrage, QStringLiteral("Test abbrechen"), QStringLiteral("Ja"),
                              QStringLiteral("Nein")))
            reject();
        return;
    }
    QDialog::keyPressEvent(e);
}

void frmVokTest::naechsteZeile(int i)
{
    txtEingabe[(i + 1) % Testbewertung::Testzeilen]->setFocus();
}

void frmVokTest::ZeileZeigen(int i, const Testziehung::Testpaar& paar)
{
    gezeigt_[i] = paar;
    zeileAnordnen(i);
    txtEingabe[i]->clear();
}

void frmVokTest::lblok_Click()
{
    // Graded from the drawn pairs; the solution shown beside a wrong row is the pair's.
    std::array<QString, Testbewertung::Testzeilen> antworten;
    for (int i = 0; i < Testbewertung::Testzeilen; ++i)
        antworten[i] = txtEingabe[i]->text();
    const Testbewertung::Bewertung b = Testziehung::TestpaareBewerten(
        antworten, Einstellungen::Lauf().Schalter(Einstellungen::GrosszuegigPruefen));
    for (int i = 0; i < Testbewertung::Testzeilen; ++i) {
        imgok[i]->setVisible(b.Richtig[i]);
        imgBad[i]->setVisible(!b.Richtig[i]);
        gezeigt_[i].Loesung = Testziehung::Testpaare[i].Loesung;
        zeileAnordnen(i);
        lblLoesung[i]->setVisible(!b.Richtig[i]);
        GrundZeigen(i, b.Grund[i]);
    }
    Module1::SoundAbspielen(b.Sound);
    lblNote->show();
    lblNote->setText(b.Satz);
    lblMeldung->hide();
    lblFertig->show();
    lblok->hide();
    emit bewertet(b);
}

void frmVokTest::GrundZeigen(int i, const QString& grund)
{
    lblLoesung[i]->setAccessibleDescription(grund);
    if (grund.isEmpty())
        return;
    // Right after the solution's text, up to the window's edge; a little smaller, or at
    // last cut short with "…", where the solution leaves too little room. The whole
    // reason is in the tool tip.
    const QRect loesung = lblLoesung[i]->geometry();
    const int links = loesung.x() + lblLoesung[i]->fontMetrics().horizontalAdvance(lblLoesung[i]->text()) + 8;
    const int breite = std::max(0, width() - 6 - links);
    const QString text = QStringLiteral("(") + grund + QStringLiteral(")");
    QFont schrift = MsSansSerif(10);
    while (schrift.pointSizeF() > 8 && QFontMetrics(schrift).horizontalAdvance(text) > breite)
        schrift.setPointSizeF(schrift.pointSizeF() - 0.5);
    lblGrund[i]->setFont(schrift);
    lblGrund[i]->setText(QFontMetrics(schrift).elidedText(text, Qt::ElideRight, breite));
    lblGrund[i]->setToolTip(text);
    lblGrund[i]->setGeometry(links, loesung.y(), breite, loesung.height());
    lblGrund[i]->setVisible(breite > 0);
}

void frmVokTest::imgBackground_MouseMove()
{
    Hoverok = true;
    lblok->zuruecksetzenWennFett();
    lblcancler->zuruecksetzenWennFett();
    lblFertig->zuruecksetzenWennFett(12, true); // "Fertig" stays bold
}

void frmVokTest::labelMausBewegt(LabelButton* l)
{
    HoverLabel(l, Hoverok);
}

} // namespace lerno
