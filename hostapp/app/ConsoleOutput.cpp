#include "hostapp/app/ConsoleOutput.h"

#include <cstdio>

namespace zelhost {

namespace {

void write(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

void printOut(const QString& text) { write(stdout, text); }
void printErr(const QString& text) { write(stderr, text); }

} // namespace zelhost
