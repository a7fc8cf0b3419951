#include "BenchContext.h"

#include <QList>
#include <algorithm>
#include <limits>

double median(QList<double> values)
{
    if (values.isEmpty()) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    std::sort(values.begin(), values.end());
    const int middle = values.size() / 2;
    return values.size() % 2 == 1 ? values.at(middle) : (values.at(middle - 1) + values.at(middle)) / 2.0;
}
