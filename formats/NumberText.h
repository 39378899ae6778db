#pragma once

#include <QString>

#include <optional>

// The one rule by which the game reads numbers from text (skin values, stored positions, the
// score): blanks around it allowed, an optional sign, decimal digits with an optional '.'
// fraction, an optional exponent ("1.5e3"). Nothing else is a number: no hexadecimal, no digits of
// other scripts, no "nan" or "inf", and no value too large or too small for a double.
std::optional<double> numberFromText(QStringView text);

// A number rounded to a 16-bit signed integer, a half going to the even neighbour; nothing when
// the text is not a number or the result lies outside -32768 to 32767.
std::optional<qint16> integer16FromText(QStringView text);

// The same rule with single precision: nothing when the value does not fit a float.
std::optional<float> singleFromText(QStringView text);

// The shortest decimal text that reads back as the same float, without an exponent below 1e15:
// 3000 gives "3000", 12.5 "12.5", 300000 "300000".
QString numberText(float value);
