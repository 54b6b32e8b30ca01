#pragma once

#include <cstddef>

// While one lives, every allocation through operator new of at least the
// given size fails with std::bad_alloc, as large allocations fail first on
// a machine short of memory. Smaller ones, and Qt's own (it allocates with
// malloc), go through, so the window system keeps working.
class AllocationLimit {
public:
    explicit AllocationLimit(std::size_t bytes);
    ~AllocationLimit();
    AllocationLimit(const AllocationLimit&) = delete;
    AllocationLimit& operator=(const AllocationLimit&) = delete;
};
