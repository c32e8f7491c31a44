#pragma once

#include <array>

// Every measure of the postcard's address side, in millimetres from the card's top-left corner,
// written once so that a printer that needs other figures is mended in one place. The postal
// code boxes follow the post office's standard; the sender's small boxes have none and sit where
// most printed cards have them.
struct CPostcardGeometry {
    static constexpr double CARD_WIDTH = 100.0;
    static constexpr double CARD_HEIGHT = 148.0;

    // The addressee's seven boxes.
    static constexpr double ZIP_BOX_WIDTH = 5.7;
    static constexpr double ZIP_BOX_HEIGHT = 8.0;
    static constexpr double ZIP_BOX_TOP = 12.0;
    static constexpr double ZIP_ROW_RIGHT_MARGIN = 8.0;
    // The gaps after boxes 1 to 6.
    static constexpr std::array<double, 6> ZIP_BOX_GAPS = {1.3, 1.3, 1.9, 1.1, 1.1, 1.1};
    // Digits about 5 mm high: an Arabic digit fills some 0.73 of its font's em.
    static constexpr double ZIP_DIGIT_EM = 6.8;
    // A code that is not seven digits stands as it is, this far above the boxes' top.
    static constexpr double ZIP_FALLBACK_EM = 4.0;
    static constexpr double ZIP_FALLBACK_GAP = 1.0;

    // The addressee's address: columns from the right, below the postal code row.
    static constexpr double ADDRESS_RIGHT = 92.0;
    static constexpr double ADDRESS_TOP = 26.0;
    static constexpr double ADDRESS_BOTTOM = 140.0;
    static constexpr double ADDRESS_EM = 5.5;
    static constexpr int ADDRESS_COLUMNS = 2;

    // The addressee's name, on the card's vertical axis, with the honorific after it.
    static constexpr double NAME_CENTRE_X = CARD_WIDTH / 2.0;
    static constexpr double NAME_TOP = 30.0;
    static constexpr double NAME_BOTTOM = 135.0;
    static constexpr double NAME_EM = 10.0;
    // Names read better with a little air between their characters.
    static constexpr double NAME_PITCH = 1.1;
    static constexpr double HONORIFIC_GAP = 0.6;

    // The sender: address and name at the lower left, above its own small boxes.
    static constexpr double SENDER_ADDRESS_RIGHT = 36.0;
    static constexpr double SENDER_ADDRESS_TOP = 66.0;
    static constexpr double SENDER_BOTTOM = 119.0;
    static constexpr double SENDER_ADDRESS_EM = 3.8;
    static constexpr double SENDER_NAME_CENTRE_X = 18.0;
    static constexpr double SENDER_NAME_TOP = 74.0;
    static constexpr double SENDER_NAME_EM = 6.0;
    static constexpr double SENDER_BOX_LEFT = 5.0;
    static constexpr double SENDER_BOX_TOP = 122.5;
    static constexpr double SENDER_BOX_WIDTH = 3.4;
    static constexpr double SENDER_BOX_HEIGHT = 4.4;
    static constexpr double SENDER_BOX_PITCH = 4.0;
    // The wider gap where the hyphen of the code would stand.
    static constexpr double SENDER_BOX_MIDDLE_GAP = 1.0;
    static constexpr double SENDER_DIGIT_EM = 4.0;

    // Columns stand this many ems apart, centre to centre.
    static constexpr double COLUMN_PITCH = 1.3;
    // Shrinking steps, as a share of the size tried before.
    static constexpr double SHRINK_STEP = 0.95;
    // A column may shrink to this share of its size to save breaking its text in two.
    static constexpr double SINGLE_COLUMN_SHRINK = 0.8;

    // Where a glyph's baseline lies below the centre of its cell, in ems: CJK fonts place the
    // ideograph's square from 0.88 above the baseline to 0.12 below it.
    static constexpr double BASELINE_BELOW_CENTRE = 0.38;
    // Vertical writing moves 、。 from the lower left of their square to its upper right (right
    // and up, in ems), and small kana a little the same way.
    static constexpr double PUNCTUATION_SHIFT_X = 0.55;
    static constexpr double PUNCTUATION_SHIFT_Y = 0.6;
    static constexpr double SMALL_KANA_SHIFT_X = 0.1;
    static constexpr double SMALL_KANA_SHIFT_Y = 0.15;
};
