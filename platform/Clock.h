// Where "today" comes from; tests and the screenshot tool fix it.
#pragma once

#include "engine/DateCn.h"

namespace platform {

class Clock {
public:
    virtual ~Clock() = default;
    virtual DateCn::TDateTime today() const = 0;
};

class SystemClock final : public Clock {
public:
    DateCn::TDateTime today() const override { return DateCn::Today(); }
};

class FixedClock final : public Clock {
public:
    explicit FixedClock(DateCn::TDateTime day) : day_(day) {}
    DateCn::TDateTime today() const override { return day_; }
    void set(DateCn::TDateTime day) { day_ = day; }

private:
    DateCn::TDateTime day_;
};

}  // namespace platform
