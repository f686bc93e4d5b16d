// SPDX-License-Identifier: GPL-3.0-or-later
// A failed step with the number, description and source that diagnostics show.
#pragma once

#include <QString>
#include <exception>

namespace Platform {

// The numbers failures carry, as the design's diagnostics show them.
namespace ErrorNumber {
constexpr int InvalidCall = 5;
constexpr int Overflow = 6;
constexpr int OutOfMemory = 7;
constexpr int SubscriptOutOfRange = 9;
constexpr int InvalidPropertyValue = 380;
constexpr int ElementNotFound = 35601;
constexpr int KeyNotUnique = 35602;
} // namespace ErrorNumber

struct Failure : std::exception {
    Failure(int number, QString description, QString source)
        : Number(number), Description(std::move(description)), Source(std::move(source)) {}
    const char *what() const noexcept override { return "Korvel failure"; }

    int Number;
    QString Description;
    QString Source;
};

} // namespace Platform
