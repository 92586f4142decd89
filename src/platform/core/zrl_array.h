// Zrl_Array<T>: the core module's template list of records. It has the same
// operations as the host's AcArray (see platform/host/acarray.h).
#pragma once

#include "platform/host/acarray.h"

template <class T> class Zrl_Array : public AcArray<T> {
public:
    using AcArray<T>::AcArray;
};
