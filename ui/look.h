#pragma once

// The program's font and icon for every window.
void applyLook();
