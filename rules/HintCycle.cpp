#include "HintCycle.h"

HintStep hintStep(std::int16_t previousCount, const QString &answer) {
    const auto length = static_cast<std::int16_t>(answer.size());
    HintStep step{static_cast<std::int16_t>(previousCount + 1), {}};
    if (step.count == length + 1) {
        step.count = 1;
    }
    for (auto box = static_cast<std::int16_t>(step.count + 1); box <= length; ++box) {
        step.writes.push_back({box, QString()});
    }
    for (std::int16_t box = 1; box <= step.count; ++box) {
        step.writes.push_back({box, answer.mid(box - 1, 1)});
    }
    return step;
}
