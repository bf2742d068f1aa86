#pragma once

namespace shellcore {

// How a dialog's read of a list ended. A read error is reported as a list that cannot be
// opened; what was read before it is kept.
enum class ListReadStatus { Ok, CannotOpen, NoBeginning, ReadError };

} // namespace shellcore
