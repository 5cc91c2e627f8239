#pragma once
// Check states of the framework's check boxes. The values are fixed: the plug-in stores them
// as statuses.

namespace zkpf {

enum class CheckState : int {
    Checked = 0,
    Unchecked = 1,
    ThirdState = 2,
};

// Default alignments of list columns.
enum class Alignment : int {
    Left = 0,
    Center = 1,
    Right = 2,
};

} // namespace zkpf
