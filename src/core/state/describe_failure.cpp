// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/state/describe_failure.h"

#include "core/state/counter.h"
#include "platform/failure.h"

#include <new>
#include <stdexcept>

namespace {
Platform::Failure DescribeFailure(const std::exception &error)
{
    namespace Number = Platform::ErrorNumber;
    const QString source = QStringLiteral("Korvel");
    if (auto f = dynamic_cast<const Platform::Failure *>(&error))
        return *f;
    if (dynamic_cast<const std::out_of_range *>(&error))
        return {Number::SubscriptOutOfRange, QStringLiteral("Subscript out of range"), source};
    if (dynamic_cast<const CounterOverflow *>(&error))
        return {Number::Overflow, QStringLiteral("Overflow"), source};
    if (dynamic_cast<const std::bad_alloc *>(&error))
        return {Number::OutOfMemory, QStringLiteral("Out of memory"), source};
    return {Number::InvalidCall, QString::fromLocal8Bit(error.what()), source};
}
} // namespace

QString FailureLine(const std::exception &error)
{
    const Platform::Failure failure = DescribeFailure(error);
    return QStringLiteral("%1 (%2, %3)").arg(failure.Description).arg(failure.Number).arg(failure.Source);
}
