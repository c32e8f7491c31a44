#pragma once

// The program's default widths were chosen for a font whose full-width characters are 12 pixels
// wide; with a larger font they grow in step, so that the texts they were meant for still fit.
// A smaller font keeps them as they are.
class CFontScale {
public:
    static constexpr int DEFAULT_EM = 12;

    // `em` is the width of one full-width character of the font in use.
    explicit CFontScale(int em = DEFAULT_EM);

    int Apply(int pixels) const;

private:
    int m_nEm;
};
