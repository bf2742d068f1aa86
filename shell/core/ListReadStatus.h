#pragma once

namespace shellcore {

// How a dialog's read of a list that opened ended: a read error is reported as a list that
// cannot be opened, keeping what was read before it.
enum class ListReadStatus { Ok, NoBeginning, ReadError };

} // namespace shellcore
