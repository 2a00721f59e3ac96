#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QSoundEffect;

// Plays a sound four times, one second apart, without blocking: each start cuts off whatever
// this player is still playing, as several alerts share it.
class AlarmSound : public QObject {
    Q_OBJECT

public:
    explicit AlarmSound(QObject* parent = nullptr) : QObject(parent) {}
    void PlayFourTimes(const QString& wavPath);
    int starts() const { return starts_; }

private:
    void Start(const QString& wavPath);

    QSoundEffect* effect_ = nullptr;  // made at the first alarm, so a quiet run never loads it
    int starts_ = 0;
};
