#pragma once

namespace qtui {

// Where a control's widget stands: in a column it may wrap its text and grow across; in a row
// it keeps to one line.
enum class Placement { InColumn, InRow };

// Choices the page builder passes down to every widget it makes.
struct BuildOptions {};

}  // namespace qtui
