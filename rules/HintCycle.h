#pragma once

#include <QString>

#include <cstdint>
#include <vector>

// One text written into one box of a row.
struct BoxWrite {
    std::int16_t box;
    QString text;

    bool operator==(const BoxWrite &) const = default;
};

// One press of a row's hint button. Each press reveals one more leading
// letter of the answer, starting again at one after the whole answer.
struct HintStep {
    std::int16_t count; // leading letters revealed by this press
    // In order: the boxes after the revealed letters emptied, then the
    // revealed letters written from the first box on.
    std::vector<BoxWrite> writes;
};

HintStep hintStep(std::int16_t previousCount, const QString &answer);
