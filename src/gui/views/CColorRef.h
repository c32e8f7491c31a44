#pragma once

#include <QColor>

#include <cstdint>

// Core keeps colours as the settings file does, 0x00BBGGRR; Qt wants them as QColor.
class CColorRef {
public:
    static QColor ToQColor(std::uint32_t colorRef);
    static std::uint32_t FromQColor(const QColor& color);
};
