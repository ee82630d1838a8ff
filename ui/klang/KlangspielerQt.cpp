// The sound effects played through QSoundEffect; built as the plugin lerno_klang.
#include "ui/Klangspieler.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QObject>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>
#include <array>

namespace {

class KlangspielerQt : public QObject, public lerno::Klangspieler {
public:
    explicit KlangspielerQt(QObject* besitzer) : QObject(besitzer) {}

    void laden(int nummer, const QString& pfad) override
    {
        if (nummer < 1 || nummer > 6)
            return;
        delete effekt_[nummer - 1];
        auto* s = new QSoundEffect(this);
        s->setSource(QUrl::fromLocalFile(pfad));
        s->setVolume(0.8f);
        effekt_[nummer - 1] = s;
    }

    void spielen(int nummer) override
    {
        QSoundEffect* s = nummer >= 1 && nummer <= 6 ? effekt_[nummer - 1].data() : nullptr;
        if (zuletzt_ && zuletzt_ != s)
            zuletzt_->stop();
        if (!s)
            return;
        // Still decoding: QSoundEffect starts it as soon as the samples are there.
        s->stop();
        s->play();
        zuletzt_ = s;
    }

    bool spieltNoch() const override { return zuletzt_ && zuletzt_->isPlaying(); }

    bool hoerbar(int nummer) const override
    {
        return nummer >= 1 && nummer <= 6 && effekt_[nummer - 1]
            && !QMediaDevices::audioOutputs().isEmpty();
    }

private:
    std::array<QPointer<QSoundEffect>, 6> effekt_;
    QPointer<QSoundEffect> zuletzt_;
};

} // namespace

extern "C" Q_DECL_EXPORT lerno::Klangspieler* LernoKlangspielerErzeugen(QObject* besitzer)
{
    return new KlangspielerQt(besitzer);
}
