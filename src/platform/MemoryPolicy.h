#pragma once

namespace MemoryPolicy {

// Blocks of a megabyte and more go back to the system as soon as they are freed.
// A long document passes through several whole copies while it is read and saved;
// by default glibc raises its threshold to the largest block freed so far, and those
// copies would then stay with the process for as long as it runs.
void returnLargeBlocks();

} // namespace MemoryPolicy
