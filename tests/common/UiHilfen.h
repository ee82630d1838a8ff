#pragma once
// Helpers for window tests: recorded sounds and messages, mouse moves, modal windows.
#include "ui/Meldungen.h"
#include "ui/Module1.h"
#include "ui/modAussprache.h"
#include "common/TestHilfen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QStringList>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <memory>
#include <gtest/gtest.h>
#include <vector>

namespace testhilfen {

struct Meldung {
    QString text;
    QString titel;
    bool operator==(const Meldung&) const = default;
};

// Base fixture: a fresh program folder, sounds and message boxes recorded, not played.
class UiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        lerno::Module1::SetzeSoundBeobachter([this](int n) { sounds.push_back(n); });
        // Never a real voice in window tests: what would be said is recorded.
        lerno::modAussprache::Ausspracheok = true;
        lerno::modAussprache::SetzeAussprachBeobachter(
            [this](const QString& t, const QString& c) { gesprochen.push_back({t, c}); });
        lerno::SetzeMeldungsBeobachter(
            [this](const QString& t, const QString& ti) { meldungen.push_back({t, ti}); });
    }
    void TearDown() override
    {
        lerno::Module1::SetzeSoundBeobachter({});
        lerno::modAussprache::SetzeAussprachBeobachter({});
        lerno::SetzeMeldungsBeobachter({});
    }

    TempProgrammordner ordner;
    std::vector<int> sounds;
    std::vector<std::pair<QString, QString>> gesprochen; // text, voice code
    std::vector<Meldung> meldungen;
};

// A mouse move without buttons, delivered straight to the widget.
inline void MausUeber(QWidget* w, QPoint pos = QPoint(2, 2))
{
    QMouseEvent ev(QEvent::MouseMove, QPointF(pos), QPointF(w->mapToGlobal(pos)), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &ev);
}

// The widgets beside w (same parent, of any visibility, with a size) that w's rectangle
// overlaps, by class and caption or name: a bar laid out in the window covers none. The
// picture behind everything and those in `ausser` are left out.
inline QStringList Ueberdeckt(QWidget* w, std::initializer_list<QWidget*> ausser = {})
{
    QStringList namen;
    for (QWidget* n : w->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (n == w || n->size().isEmpty() || std::find(ausser.begin(), ausser.end(), n) != ausser.end()
            || QString(n->metaObject()->className()).endsWith("PictureControl"))
            continue;
        if (n->geometry().intersects(w->geometry()))
            namen << QString("%1 %2%3").arg(n->metaObject()->className(), n->accessibleName(),
                                            n->property("text").toString());
    }
    return namen;
}

// A left click delivered straight to the widget (press and release at its centre).
inline void Klick(QWidget* w)
{
    const QPointF p = QPointF(w->rect().center());
    const QPointF g = QPointF(w->mapToGlobal(w->rect().center()));
    QMouseEvent druck(QEvent::MouseButtonPress, p, g, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &druck);
    QMouseEvent los(QEvent::MouseButtonRelease, p, g, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &los);
}

namespace detail {

// One wait for a modal window. Nothing in it refers back to itself: each poll is a
// timer holding the only reference, so the last poll frees it.
struct ModalWarten {
    std::function<bool()> versuch; // true once the window was found and handled
    std::function<void()> zeitUm;
    QElapsedTimer uhr;
    int maxMs = 5000;
};

inline void Abfragen(const std::shared_ptr<ModalWarten>& w)
{
    if (w->versuch())
        return;
    if (w->uhr.elapsed() > w->maxMs) {
        w->zeitUm();
        return;
    }
    QTimer::singleShot(10, [w] { Abfragen(w); });
}

inline void Warten(std::function<bool()> versuch, std::function<void()> zeitUm, int maxMs)
{
    auto w = std::make_shared<ModalWarten>();
    w->versuch = std::move(versuch);
    w->zeitUm = std::move(zeitUm);
    w->maxMs = maxMs;
    w->uhr.start();
    QTimer::singleShot(0, [w] { Abfragen(w); });
}

} // namespace detail

// Runs `aktion` on the next modal window once it is up (a nested exec() is about to
// block the test). Several calls queue up: each handles the next new modal window.
inline void BeiModal(std::function<void(QWidget*)> aktion, int maxMs = 5000)
{
    // Tracked, not compared by address: a new window may reuse a closed one's memory.
    QPointer<QWidget> vorher = QApplication::activeModalWidget();
    detail::Warten(
        [aktion, vorher] {
            QWidget* m = QApplication::activeModalWidget();
            if (!m || m == vorher || !m->isVisible())
                return false;
            aktion(m);
            return true;
        },
        [] {
            ADD_FAILURE() << "no modal window appeared";
            if (QWidget* m = QApplication::activeModalWidget())
                m->close();
        },
        maxMs);
}

// Like BeiModal, but waits for a visible modal window of type T and hands it over typed.
template <typename T>
void BeiModalVom(std::function<void(T*)> aktion, int maxMs = 5000)
{
    detail::Warten(
        [aktion] {
            auto* m = qobject_cast<T*>(QApplication::activeModalWidget());
            if (!m || !m->isVisible())
                return false;
            aktion(m);
            return true;
        },
        [] {
            ADD_FAILURE() << "no modal " << T::staticMetaObject.className() << " appeared";
            if (QWidget* a = QApplication::activeModalWidget())
                a->close();
        },
        maxMs);
}

// Clicks the button of a message box that carries this caption.
inline void KnopfKlicken(QMessageBox* box, const QString& text)
{
    for (QAbstractButton* b : box->buttons())
        if (b->text() == text)
            return b->click();
    ADD_FAILURE() << "no button " << text.toStdString();
}

template <typename T>
T* Als(QWidget* w)
{
    T* t = qobject_cast<T*>(w);
    EXPECT_NE(t, nullptr) << "unexpected modal window " << (w ? w->metaObject()->className() : "none");
    return t;
}

} // namespace testhilfen
