#include "wakeup/AlarmSound.h"

#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

void AlarmSound::PlayFourTimes(const QString& wavPath) {
    Start(wavPath);
    for (int k = 1; k < 4; ++k)
        QTimer::singleShot(1000 * k, Qt::PreciseTimer, this, [this, wavPath] { Start(wavPath); });
}

void AlarmSound::Start(const QString& wavPath) {
    ++starts_;
    if (effect_ == nullptr) effect_ = new QSoundEffect(this);
    const QUrl source = QUrl::fromLocalFile(wavPath);
    if (effect_->source() != source) effect_->setSource(source);
    effect_->stop();
    effect_->play();
}
