#include "platform/core/dyn_array_data.h"

long long DynArrayData::positions() const {
    long long product = 1;
    for (int count : counts)
        product *= count > 0 ? count : 0;
    return product;
}

long long DynArrayData::copies() const {
    const long long all = positions();
    if (all == 0) return 0;
    return firstIsOriginal ? all - 1 : all;
}
