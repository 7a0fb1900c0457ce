#pragma once

// Tells the taskbar that the Find menu changed, and waits until it has
// handled that. Nothing happens under a shell without a taskbar window.
void NotifyTaskbar();
