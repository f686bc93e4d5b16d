// A failed step with the number, description and source that diagnostics show.
#pragma once

#include <QString>
#include <exception>

namespace Platform {

struct Failure : std::exception {
    Failure(int number, QString description, QString source)
        : Number(number), Description(std::move(description)), Source(std::move(source)) {}
    const char *what() const noexcept override { return "Korvel failure"; }

    int Number;
    QString Description;
    QString Source;
};

} // namespace Platform
