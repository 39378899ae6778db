#pragma once

class QKeyEvent;

// The code (Keys.h) of a pressed key: arrows 37 to 40, letters 65 to 90, the main keyboard's
// digit keys 48 to 57; 0 for any other key.
int keyCodeOf(const QKeyEvent& event);
