#pragma once
// Whether the application runs without a screen a person looks at.

namespace win {

// True on the "offscreen" and "minimal" platforms: nothing shown there can be answered by a
// person, so message boxes print themselves and take their default button.
bool isHeadless();

} // namespace win
