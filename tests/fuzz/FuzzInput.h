#pragma once
// What every fuzz target does with its bytes: reads them as UTF-8 text and, when a target
// feeds several readers, cuts that text into parts at line breaks. Refusing bad text with a
// ComError is the readers' contract, so targets let only those pass. The entry point each
// target defines is the one libFuzzer calls; ReplayCorpus.cpp calls it too.
#include "platform/com/ComError.h"

#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace fuzz {

inline QString textOf(const uint8_t* data, size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
}

// The first `count` lines of the text; the last part keeps the rest, line breaks and all.
inline QStringList partsOf(const uint8_t* data, size_t size, int count)
{
    QStringList parts = textOf(data, size).split(u'\n');
    if (parts.size() > count)
        parts[count - 1] = parts.mid(count - 1).join(u'\n');
    parts.resize(count);  // missing parts are empty
    return parts;
}

// Runs one reader; a ComError is its ordinary refusal, anything else escapes.
template <typename Call>
void allowingComError(Call call)
{
    try {
        call();
    } catch (const com::ComError&) {
    }
}

} // namespace fuzz
