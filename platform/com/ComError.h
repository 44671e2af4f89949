#pragma once
// The one error type of the system: every "raise an error" throws a ComError, and every
// handler that shows a message reads its description.
#include <QString>
#include <cstdint>
#include <exception>
#include <string>

namespace com {

class ComError : public std::exception {
public:
    ComError(int32_t number, QString source, QString description)
        : m_number(number), m_source(std::move(source)), m_description(std::move(description)),
          m_what(m_description.toStdString()) {}

    int32_t number() const noexcept { return m_number; }
    const QString& source() const noexcept { return m_source; }
    const QString& description() const noexcept { return m_description; }
    const char* what() const noexcept override { return m_what.c_str(); }

private:
    int32_t m_number;
    QString m_source;
    QString m_description;
    std::string m_what;
};

} // namespace com
