#include "platform/failure.h"

#include "state/globals.h"

#include <new>
#include <stdexcept>

namespace Platform {

Failure Describe(const std::exception &error)
{
    if (auto f = dynamic_cast<const Failure *>(&error))
        return *f;
    if (dynamic_cast<const std::out_of_range *>(&error))
        return {9, QStringLiteral("Subscript out of range"), QStringLiteral("Korvel")};
    if (dynamic_cast<const CounterOverflow *>(&error))
        return {6, QStringLiteral("Overflow"), QStringLiteral("Korvel")};
    if (dynamic_cast<const std::bad_alloc *>(&error))
        return {7, QStringLiteral("Out of memory"), QStringLiteral("Korvel")};
    return {5, QString::fromLocal8Bit(error.what()), QStringLiteral("Korvel")};
}

} // namespace Platform
