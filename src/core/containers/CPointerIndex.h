#pragma once

#include "core/containers/CHashIndex.h"

#include <cstddef>

// A number for each of a set of addresses: the person list's rows and a group's members are
// found by address among 100,000.
using CPointerIndex = CHashIndex<const void*, std::size_t>;
