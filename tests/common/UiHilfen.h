#pragma once
// Helpers for window tests: recorded sounds and messages, mouse moves, modal windows.
#include "app/Meldungen.h"
#include "app/Module1.h"
#include "common/TestHilfen.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
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
        lerno::SetzeMeldungsBeobachter(
            [this](const QString& t, const QString& ti) { meldungen.push_back({t, ti}); });
    }
    void TearDown() override
    {
        lerno::Module1::SetzeSoundBeobachter({});
        lerno::SetzeMeldungsBeobachter({});
    }

    TempProgrammordner ordner;
    std::vector<int> sounds;
    std::vector<Meldung> meldungen;
};

// A mouse move without buttons, delivered straight to the widget.
inline void MausUeber(QWidget* w, QPoint pos = QPoint(2, 2))
{
    QMouseEvent ev(QEvent::MouseMove, QPointF(pos), QPointF(w->mapToGlobal(pos)), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &ev);
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

// Runs `aktion` on the next modal window once it is up (a nested exec() is about to
// block the test). Several calls queue up: each handles the next new modal window.
inline void BeiModal(std::function<void(QWidget*)> aktion, int maxMs = 5000)
{
    auto* uhr = new QElapsedTimer;
    uhr->start();
    // Tracked, not compared by address: a new window may reuse a closed one's memory.
    QPointer<QWidget> vorher = QApplication::activeModalWidget();
    auto pruefen = std::make_shared<std::function<void()>>();
    *pruefen = [=] {
        QWidget* m = QApplication::activeModalWidget();
        if (m && m != vorher && m->isVisible()) {
            delete uhr;
            aktion(m);
            return;
        }
        if (uhr->elapsed() > maxMs) {
            delete uhr;
            ADD_FAILURE() << "no modal window appeared";
            if (m)
                m->close();
            return;
        }
        QTimer::singleShot(10, *pruefen);
    };
    QTimer::singleShot(0, *pruefen);
}

// Like BeiModal, but waits for a visible modal window of type T and hands it over typed.
template <typename T>
void BeiModalVom(std::function<void(T*)> aktion, int maxMs = 5000)
{
    auto uhr = std::make_shared<QElapsedTimer>();
    uhr->start();
    auto pruefen = std::make_shared<std::function<void()>>();
    *pruefen = [=] {
        auto* m = qobject_cast<T*>(QApplication::activeModalWidget());
        if (m && m->isVisible()) {
            aktion(m);
            return;
        }
        if (uhr->elapsed() > maxMs) {
            ADD_FAILURE() << "no modal " << T::staticMetaObject.className() << " appeared";
            if (QWidget* a = QApplication::activeModalWidget())
                a->close();
            return;
        }
        QTimer::singleShot(10, *pruefen);
    };
    QTimer::singleShot(0, *pruefen);
}

template <typename T>
T* Als(QWidget* w)
{
    T* t = qobject_cast<T*>(w);
    EXPECT_NE(t, nullptr) << "unexpected modal window " << (w ? w->metaObject()->className() : "none");
    return t;
}

} // namespace testhilfen
