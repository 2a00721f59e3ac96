#pragma once

#include "platform/Platform.h"
#include "shell/DateTime.h"

// The single source of "now": every reader of the clock takes one, so tests can set any moment.
class Clock {
public:
    virtual ~Clock() = default;
    virtual TDateTime Now() const = 0;
};

class PlatformClock : public Clock {
public:
    explicit PlatformClock(const platform::Platform& platform) : platform_(platform) {}
    TDateTime Now() const override { return platform_.localNow(); }

private:
    const platform::Platform& platform_;
};

// A clock the caller moves by hand.
class MockClock : public Clock {
public:
    explicit MockClock(TDateTime agora = 0) : agora_(agora) {}
    TDateTime Now() const override { return agora_; }
    void Set(TDateTime agora) { agora_ = agora; }
    void AdvanceSeconds(double segundos) { agora_ += segundos / 86400.0; }

private:
    TDateTime agora_;
};
