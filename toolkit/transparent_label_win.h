#pragma once
// A label without a background of its own: whatever lies under it shows
// through, and it draws its caption itself, black, in the format its
// description gives (LabelProperties, handed over as the creation parameter).
// A press of the left mouse button raises the left-button event.

extern const char kTransparentLabelClass[];

void EnsureTransparentLabelClass();
