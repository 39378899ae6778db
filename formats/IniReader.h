#pragma once

#include <QString>

#include <optional>

// Reads one value from an INI file the way skin authors expect:
// - section and key names match without regard to case; the first matching section is searched,
//   and the first matching key in it wins;
// - blanks around the value are dropped, then one pair of surrounding double or single quotes;
// - at most 254 characters of the value are kept;
// - a missing file, section or key reads as "", and so does anything but a regular file;
// - CRLF line ends and a UTF-8 byte-order mark are accepted; lines starting with ';' are comments;
// - backslashes, commas and everything else in a value are plain text.
// Only the first MiB of the file is read. Bytes that are not UTF-8 are taken as Latin-1.
QString readIniValue(const QString& filePath, const QString& section, const QString& key);

// The same, over the file's contents.
QString iniValueIn(const QByteArray& contents, const QString& section, const QString& key);

// An INI file read and decoded once, for as many values as its reader asks for: each as
// readIniValue() would give it.
class IniFile {
public:
    static IniFile read(const QString& filePath);
    explicit IniFile(const QByteArray& contents);

    QString value(const QString& section, const QString& key) const;
    // Why the file gives no values, in words for a skin's author: a problem of the file itself
    // (regularFileProblem()), or text in UTF-16, which this reader would find no key in. None
    // when its values can be read.
    const std::optional<QString>& problem() const { return m_problem; }

private:
    IniFile() = default;

    QString m_text;
    std::optional<QString> m_problem;
};

inline constexpr int IniValueMaxLength = 254;
inline constexpr qint64 IniReadLimit = 1 << 20;
