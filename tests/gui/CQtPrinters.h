#pragma once

#include <QString>

#include <ostream>

// Failure messages show Qt strings as the text they hold instead of raw UTF-16 units.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
