#include "NumberText.h"

#include <charconv>
#include <cmath>
#include <limits>

static bool isDigit(QChar c)
{
    return c >= '0' && c <= '9';
}

std::optional<double> numberFromText(QStringView text)
{
    text = text.trimmed();
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto digits = [&] {
        const qsizetype start = i;
        while (i < n && isDigit(text[i]))
            ++i;
        return i - start;
    };

    if (i < n && (text[i] == '+' || text[i] == '-'))
        ++i;
    qsizetype mantissaDigits = digits();
    if (i < n && text[i] == '.') {
        ++i;
        mantissaDigits += digits();
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-'))
            ++i;
        if (digits() == 0)
            return std::nullopt;
    }
    if (i != n)
        return std::nullopt;

    // Only ASCII is left, so the Latin-1 form is the text itself.
    const QByteArray ascii = text.toLatin1();
    const char* begin = ascii.constData();
    if (*begin == '+')
        ++begin;
    double value = 0;
    const auto [end, error] = std::from_chars(begin, ascii.constData() + ascii.size(), value);
    if (error != std::errc() || end != ascii.constData() + ascii.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<qint16> integer16FromText(QStringView text)
{
    const std::optional<double> number = numberFromText(text);
    if (!number)
        return std::nullopt;
    // nearbyint() rounds halves to the even neighbour in the default rounding mode.
    const double rounded = std::nearbyint(*number);
    if (rounded < std::numeric_limits<qint16>::min()
        || rounded > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(rounded);
}

std::optional<float> singleFromText(QStringView text)
{
    const std::optional<double> number = numberFromText(text);
    if (!number)
        return std::nullopt;
    // Not a comparison with the largest float: the text written for it is slightly above it as a
    // double and must still read back.
    const float single = static_cast<float>(*number);
    if (std::isinf(single))
        return std::nullopt;
    return single;
}

QString numberText(float value)
{
    // Plain digits for any position a screen could have; an exponent only for the absurd.
    const auto format =
        std::abs(value) < 1e15f ? std::chars_format::fixed : std::chars_format::general;
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, format);
    if (error != std::errc())
        return QString::number(value);
    return QString::fromLatin1(buffer, end - buffer);
}
