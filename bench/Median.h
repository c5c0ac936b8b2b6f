#pragma once

#include <QList>

#include <algorithm>

// The middle one of several runs' figures, or the mean of the middle two.
inline double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    const qsizetype middle = values.size() / 2;
    return values.size() % 2 == 1 ? values.at(middle) : (values.at(middle - 1) + values.at(middle)) / 2;
}
