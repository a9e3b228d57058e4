#pragma once

#include <QString>

#include <clocale>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// libFuzzer never calls setlocale: take the environment's locale as a Qt
// program does, so a run under LC_ALL=de_DE.UTF-8 really has a decimal comma.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    std::setlocale(LC_ALL, "");
    return 0;
}

// The fuzzer's bytes as a text: UTF-16 when the first byte is odd (any code
// unit, lone surrogates included), UTF-8 otherwise (mostly ASCII, as typed).
inline QString TextFromBytes(const uint8_t* data, size_t size)
{
    if (size == 0)
        return QString();
    if (data[0] & 1) {
        QString text;
        for (size_t i = 1; i + 1 < size; i += 2)
            text.append(QChar(static_cast<char16_t>(data[i] | (data[i + 1] << 8))));
        return text;
    }
    return QString::fromUtf8(reinterpret_cast<const char*>(data + 1),
                             static_cast<qsizetype>(size - 1));
}

// Stops the run with the input shown, so the crash file reproduces it.
#define FUZZ_CHECK(cond, text)                                                                     \
    do {                                                                                           \
        if (!(cond)) {                                                                             \
            std::fprintf(stderr, "check failed: %s\ninput: \"%s\"\n", #cond,                       \
                         (text).toUtf8().constData());                                             \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)
