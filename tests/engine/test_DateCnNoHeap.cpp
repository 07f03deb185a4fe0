// The engine answers from constant tables and must never touch the heap: this
// binary replaces the global operator new to count every allocation.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <limits>
#include <new>

#include "engine/DateCn.h"

namespace {
std::atomic<long> allocations{0};

void* Allocate(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
void* AllocateAligned(std::size_t size, std::align_val_t align) {
    ++allocations;
    const std::size_t a = static_cast<std::size_t>(align);
    if (void* p = std::aligned_alloc(a, (size + a - 1) / a * a)) return p;
    throw std::bad_alloc();
}
}  // namespace

void* operator new(std::size_t size) {
    return Allocate(size);
}
void* operator new[](std::size_t size) {
    return Allocate(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    ++allocations;
    return std::malloc(size == 0 ? 1 : size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    ++allocations;
    return std::malloc(size == 0 ? 1 : size);
}
void* operator new(std::size_t size, std::align_val_t align) {
    return AllocateAligned(size, align);
}
void* operator new[](std::size_t size, std::align_val_t align) {
    return AllocateAligned(size, align);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete(void* p, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept {
    std::free(p);
}

namespace {

using namespace DateCn;

TEST(NoHeap, CountingAllocatorSeesAllocations) {
    const long before = allocations;
    int* volatile p = new int(1);
    delete p;
    EXPECT_EQ(allocations - before, 1);
}

TEST(NoHeap, NoEngineCallAllocates) {
    std::size_t bytes = 0;  // consume every answer so nothing is optimised away
    long calls = 0;
    const auto every = [&](TDateTime date) {
        std::uint16_t y = 0, m = 0, d = 0;
        DecodeDate(date, y, m, d);
        bytes += y + m + d + static_cast<std::size_t>(IsLeapYear(y)) +
                 static_cast<std::size_t>(DayOfWeek(date)) + YearOfDate(date) + MonthOfDate(date) +
                 DayOfDate(date) + static_cast<std::size_t>(DayOfYearOf(date)) +
                 static_cast<std::size_t>(LunarCodeOf(date)) + LunarMonthName(date).size() +
                 LunarDayName(date).size() + LunarFestivalOf(date).size() +
                 YearAnimalOf(date).size() + SolarTermIndex(y, m, d) + SolarTermOf(date).size() +
                 HolidayOf(d, date).size() + StarSignOf(date).size() +
                 StarSignForDay(d, date).size();
        if (y >= 1 && m >= 1 && d >= 1) bytes += static_cast<std::size_t>(EncodeDate(y, m, d));
        ++calls;
    };
    const long before = allocations;
    for (TDateTime date = EncodeDate(1900, 12, 1); date <= EncodeDate(2051, 1, 31); date += 0.75) {
        every(date);
    }
    for (TDateTime date :
         {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
          -std::numeric_limits<double>::infinity(), 1e300, -1e300, -0.5}) {
        every(date);
    }
    bytes += static_cast<std::size_t>(Today());
    const long after = allocations;
    EXPECT_EQ(after - before, 0) << "over " << calls << " dates";
    EXPECT_GT(bytes, 0u);
}

}  // namespace
